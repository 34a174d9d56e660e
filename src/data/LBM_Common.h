#pragma once
// Appends a registered connection to BASES.TXT. Other programs of the suite may write the
// file too, so a record is always put on a line of its own whatever the file ends with.

#include <QString>

namespace data {

class LBM_Common {
public:
    // Path of BASES.TXT; worked out on first use while it is blank.
    static inline QString RutaArchivoBases;

    // Clave is stored through Codificar. A field the file cannot hold (see
    // BasesFile::storable) raises vb::Error 5 and nothing is written; a file that cannot be
    // read or written raises 75.
    static void RegistraBaseEnArchivo(QString Nombre, QString Base, QString Usuario, QString Clave,
                                      QString Servidor, QString Instancia, bool& EsOracle);

    // The line as it is appended, CR LF included; needsBreak puts the separating CR first.
    static QString recordLine(const QString& Nombre, const QString& Base, const QString& Usuario,
                              const QString& ClaveGuardada, const QString& Servidor, bool needsBreak);

private:
    static QString existingText(const QString& path);
    static bool endsOpenLine(const QString& text);
    static void append(const QString& path, const QString& line);
};

} // namespace data
