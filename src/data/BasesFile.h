#pragma once
// The registered-connections file BASES.TXT, as the login window reads it: Windows-1252 text,
// five fields a record, read as a stream of fields the way the original's Input # did, so a
// record is found whatever lines its fields lie on.

#include <QList>
#include <QString>
#include <optional>

namespace data {

struct BasesRecord {
    QString nombre;     // list name: "DATABASE / SERVER"
    QString base;
    QString usuario;
    QString clave;      // stored form (Codificar)
    QString servidor;   // as typed, port and Oracle mark included
};

class BasesFile {
public:
    // BASES.TXT in the program folder, found without regard to letter case.
    static QString defaultPath();
    // The file can be opened for reading (a folder or an unreadable file cannot).
    static bool exists(const QString& path);

    // A short last record is completed with empty fields instead of failing.
    static QList<BasesRecord> parse(const QString& text);
    // Raises vb::Error 53 when the file is missing, 75 when it cannot be read.
    static QList<BasesRecord> read(const QString& path);
    // The first record whose list name equals nombre, both trimmed, letter case counting.
    static std::optional<BasesRecord> find(const QList<BasesRecord>& records, const QString& nombre);

    // What the file cannot hold: a comma or line break anywhere, a double quote in front.
    static bool storable(const QString& field);

private:
    static QStringList fields(const QString& text);
};

} // namespace data
