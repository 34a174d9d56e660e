#pragma once
// What the item keys mean to a bar: the built-in picture each key takes and the key each
// function key stands for.

#include <QString>
#include <QStringList>

namespace commandbar {

class BarKeys {
public:
    static constexpr int BasePictureCount = 19;

    // Index into the built-in picture table, -1 for a key without a picture. The tab bar has
    // no "CONSULTA" alias, hence the switch.
    static int basePictureIndex(const QString& key, bool withConsultaAlias = true);

    // Keys a key code may raise, in order of preference (Esc falls back from CANCELAR to
    // CERRAR); empty for a key code that means nothing to the bar.
    static QStringList keysForKeyCode(int keyCode);
};

} // namespace commandbar
