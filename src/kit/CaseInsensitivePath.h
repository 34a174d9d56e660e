#pragma once
// The suite was written for a file system that ignores letter case ("VU000va.INI" and
// "vu000va.ini" name one file) and writes folders with "\". Paths given by the program are
// matched here against what is really on disk.

#include <QString>

namespace kit {

class CaseInsensitivePath {
public:
    // "\" becomes "/"; every component that does not exist as written is looked up without
    // regard to case. Components that match nothing are kept as written, so the result can be
    // used to create a new file.
    static QString resolve(const QString& path);
    static QString withSlashes(const QString& path);

private:
    static QString matchEntry(const QString& folder, const QString& name);
};

} // namespace kit
