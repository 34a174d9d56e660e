#pragma once
// Reading and appending records of the query-mask file. Readers go from record 1 and take the
// first match; a partial record at the end is read padded with blanks. Appending writes at
// record (length / 1202) + 1, so a partial tail is overwritten by the next whole record.
// The path is looked up without regard to letter case.

#include "lookup/MascaraConsulta.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace lookup {

class MaskFile {
public:
    using Matcher = std::function<bool(const MascaraConsulta& record)>;

    // The first record the matcher accepts; none when the file is missing or nothing matches.
    static std::optional<MascaraConsulta> find(const QString& path, const Matcher& matches);
    // The lookup rule: the cleaned table field equals the trimmed wanted name, case ignored.
    static std::optional<MascaraConsulta> find(const QString& path, const QString& tabla);
    static bool sameTable(const MascaraConsulta& record, const QString& tabla);

    // Appends the records in order (the file is created when missing). Raises vb::Error, its
    // description followed by the file's path.
    static void append(const QString& path, const QList<MascaraConsulta>& records);
};

} // namespace lookup
