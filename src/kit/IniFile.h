#pragma once
// INI files read as the Windows private-profile functions read them: section and key names
// without regard to case, blanks around names and values trimmed (around a requested name only
// spaces: a tab there is part of the name), a value's surrounding double or single quotes
// removed, the first matching section and the first matching key in it win, a line without "="
// is no key, at most 1023 characters come back, and a default loses its trailing spaces. Text is Windows-1252 with CR LF,
// LF or lone CR line ends; a file that starts with the UTF-8 byte-order mark, or whose bytes
// beyond ASCII are all sound UTF-8 (what a Linux editor saves), is read as UTF-8. Writing a value
// changes only the line it concerns (or adds one) and keeps every other byte of the file, in
// the file's own encoding.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kit {

class IniFile {
public:
    static constexpr int MaxValueLength = 1023;     // what a 1024-character buffer can return

    // Reads the file at once; a missing or unreadable file behaves as an empty one.
    explicit IniFile(const QString& path);

    const QString& path() const { return m_path; }
    bool exists() const { return m_exists; }

    std::optional<QString> value(const QString& section, const QString& key) const;
    // The value, or the default without its trailing spaces when the section or the key is missing.
    QString value(const QString& section, const QString& key, const QString& defaultValue) const;
    QStringList sections() const;                   // in file order, duplicates included
    QStringList keys(const QString& section) const; // of the first matching section

    // Sets the key of the first matching section, adding the key or the section when missing.
    // A value with blanks at either end, or one that is itself quoted (with double or single
    // quotes), is written between double quotes so that it reads back unchanged. False, the
    // file left as it was, when the names or the value cannot be written (line breaks, "=" in a
    // key, "]" in a section, a character the file's encoding cannot hold: Windows-1252 has no
    // "Ł" nor emoji) or the file cannot be saved.
    bool setValue(const QString& section, const QString& key, const QString& value);

private:
    struct Line {
        QString text;
        QString end;                                 // "\r\n", "\n", "\r" or "" for the last line
    };
    enum class Kind { Other, Section, Key };
    struct Parsed {
        Kind kind = Kind::Other;
        QString name;                                // section or key name, trimmed
        QString value;                               // key value, trimmed and unquoted
    };

    void load();
    static Parsed parse(const QString& line);
    static QString trimBlanks(const QString& text);
    static QString trimSpaces(const QString& text);
    static QString trimTrailingSpaces(const QString& text);
    static bool isQuoted(const QString& text);      // the same quote, double or single, at both ends
    static QString unquote(const QString& text);
    static bool sameName(const QString& fileName, const QString& requested);
    int findSection(const QString& section) const;  // line index of its header, -1 when missing
    int sectionEnd(int header) const;               // index of the next header, or the line count
    int findKey(int header, const QString& key) const;
    QString lineEnd() const;
    static QString valueForWriting(const QString& value);
    void insertLine(std::vector<Line>& lines, int at, const QString& text) const;
    bool save(const std::vector<Line>& lines) const;

    enum class Encoding { Windows1252, Utf8, Utf8WithMark };
    static Encoding encodingOf(const QByteArray& bytes);
    static QString decode(QByteArray bytes, Encoding& encoding);   // sets the encoding the bytes read as
    QByteArray encode(const QString& text) const;                   // in the file's encoding, with its mark

    QString m_path;
    bool m_exists = false;
    Encoding m_encoding = Encoding::Windows1252;     // a new file is written as the suite's are
    std::vector<Line> m_lines;
};

} // namespace kit
