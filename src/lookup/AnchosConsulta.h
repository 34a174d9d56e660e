#pragma once
// The column-widths file CONSULTASLEN.QZT beside the program: one line per table, two quoted
// fields, CR LF ended:
//     "VT_PROVEEDORES","1530|3000|"
// The widths are twips, one per list column in column order, each followed by "|", written and
// read with "." as the decimal separator whatever the regional settings. A rewrite replaces the
// file at once (a failed write keeps the old file) and leaves the table's one line last.
// The file name is found without regard to letter case.

#include <QList>
#include <QString>
#include <QStringList>

namespace lookup {

class AnchosConsulta {
public:
    struct Line {
        QString tabla;
        QString anchos;
    };

    static QString path();                          // in the program folder
    static QList<Line> lines();                     // every readable line, in file order; none when missing
    // The widths texts of every line of that table (case ignored), in file order.
    static QStringList read(const QString& tabla);
    // Drops the table's lines (case ignored) and writes the new one last. Raises vb::Error
    // when the file cannot be replaced; the old file is then kept as it was.
    static void write(const QString& tabla, const QString& anchos);

    // The widths a text holds: each number before a "|" (a text after the last "|" is no width),
    // up to the first that is past Val's range.
    static QList<double> parse(const QString& anchos);
    static QString format(const QList<double>& widths);
    static QString number(double width);            // "1529.188", "1530"
};

// The module procedures of the widths file.
void GrabarAnchosConsulta(const QString& tabla, const QString& anchos);   // errors are passed over
QStringList LeerAnchosConsulta(const QString& tabla);

} // namespace lookup
