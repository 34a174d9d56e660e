#pragma once
// Text, number, date, path, password and window utilities of the maker's library.
//
// Stored forms fixed here:
//   FormatearValor(value, code): the trimmed text of a code in the form the suite stores it.
//     Code 4: numbered codes (units, deposits, types) are kept right-aligned in four columns,
//     so "1" is "   1"; lettered codes such as the voucher types "RMC" or "OC" are kept as
//     they are typed. Any other code (25 for articles): the trimmed text, as the lists show it.
//     A longer text is never cut. Without a code (or 0): the value's ordinary text, as
//     ValorTexto gives it.
//   Codificar / Decodificar: see PasswordCodec.h.
//   FechaFormula: Date(yyyy,mm,dd) of our report formula language.
//   FechaSQL: the ODBC escape {ts 'yyyy-mm-dd hh:mm:ss'}, read alike by SQL Server and the
//     embedded engine whatever their date settings.
//   CortarTexto: at most n characters; a shorter text comes back as it is, never padded.
//   fitText: exactly n characters, cut or completed with blanks: a fixed-width field, as
//     places to write into or as a value compared with another of the same width.
// Dates in text are read with the regional settings; text that is no date raises vb::Error 13.

#include "vb/Error.h"
#include "vb/Variant.h"

#include <QString>
#include <QStringList>

class QObject;
class QWidget;

namespace kit {

class Utilidades {
public:
    // Paths: "" stays ""; a folder that ends in "/" or "\" is returned as it is, any other
    // gets "/" (the original added "\"; both are folder separators here).
    QString CarpetaConBarra(const QString& folder) const;

    QString ValorTexto(const vb::Variant& value) const;                 // Null and Empty give ""
    vb::Currency TextoANumero(const QString& text) const;              // see RegionalNumber.h; blank gives 0
    std::int32_t TextoAEntero(const QString& text) const;              // rounded as CLng rounds; error 6 past Long

    QString Reemplazar(const QString& text, const QString& find, const QString& replacement) const;
    QString ReemplazarEnSQL(const QString& sql, const QString& find, const QString& replacement) const;
    // Every occurrence of each given character (or text) removed; empty arguments are ignored.
    QString QuitarCaracteres(const QString& text, const QString& c1, const QString& c2 = {},
                             const QString& c3 = {}) const;
    // Blanks, NUL and character 255 removed at both ends: the padding of a fixed-length
    // record field (the article columns of the query-mask file).
    QString trimPadding(const QString& text) const;
    int ContarPalabras(const QString& text) const;                      // runs of non-blank characters
    QString CortarTexto(const QString& text, int length) const;
    QString fitText(const QString& text, int length) const;
    QString FormatearValor(const vb::Variant& value, int formatCode = 0) const;
    bool EsElementoDeArreglo(const QObject* control) const;
    bool EstaEnLista(const QString& text, const QStringList& list) const;  // letter case ignored

    QString Codificar(const QString& text) const;
    QString Decodificar(const QString& stored) const;

    QString FechaFormula(const vb::Variant& date) const;
    QString FechaSQL(const vb::Variant& date) const;

    // Modal month calendar starting on the date in text (today when text holds none). On
    // acceptance text receives the date in the regional short form and the result is true;
    // a cancelled calendar leaves text as it was.
    bool ElegirFecha(QString& text) const;

    // Prepares a window as it loads: unless keepPosition is true, it is centred on its
    // parent or, without one, on its screen.
    void PrepararFormulario(QWidget* window, bool keepPosition = false) const;

    // The error dialog: error number, description, routine and source, with Abort, Retry and
    // Ignore and the critical icon unless buttons (a message-box style) says otherwise.
    // Returns the answer (3 Abort, 4 Retry, 5 Ignore ...) and leaves it in *answer when given.
    // Error number 0 shows nothing and answers 0.
    int ReportarError(const vb::Error& error, const vb::Variant& buttons = vb::Variant::missing(),
                      const QString& routine = {}, int* answer = nullptr) const;

private:
    static bool isNumberedCode(const QString& code);
    static vb::Date dateOf(const vb::Variant& value);
    static QString errorPrompt(const vb::Error& error, const QString& routine);
};

} // namespace kit
