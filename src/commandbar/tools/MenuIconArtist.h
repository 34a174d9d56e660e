#pragma once
// Draws the report window's command icons: one picture per item key and state, in shapes
// only (no text), light strokes for the bar's dark and grey styles.

#include <QImage>
#include <QString>
#include <QStringList>

namespace commandbar {

class MenuIconArtist {
public:
    static constexpr int Size = 48;

    static QStringList keys();                      // PANTALLA, IMPRESORA, CONSULTAR, COMPARTIR, CERRAR
    static QStringList states();                    // "", "over", "dis"
    // File name of a key in a state: KEY.png, KEY_over.png, KEY_dis.png.
    static QString fileName(const QString& key, const QString& state);
    // A null image for a key it cannot draw.
    static QImage draw(const QString& key, const QString& state);
    // Writes every picture into the folder; the number of files written.
    static int writeAll(const QString& folder);

private:
    static QColor ink(const QString& state);
    static QColor accent(const QString& state);
};

} // namespace commandbar
