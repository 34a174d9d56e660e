#include "kit/IniFile.h"

#include "vb/Files.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

namespace kit {

IniFile::IniFile(const QString& path)
    : m_path(path)
{
    load();
}

void IniFile::load()
{
    QFile file(m_path);
    m_exists = file.exists();
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = decode(file.readAll(), m_encoding);
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        const bool crlf = c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n';
        const qsizetype endLength = crlf ? 2 : 1;
        m_lines.push_back({text.mid(start, i - start), text.mid(i, endLength)});
        i += endLength - 1;
        start = i + 1;
    }
    if (start < text.size())
        m_lines.push_back({text.mid(start), QString()});
}

// Text in Windows-1252 beyond ASCII is hardly ever sound UTF-8 (an accented letter would have
// to be followed by one of a few symbols), so files of the suite keep reading as before.
IniFile::Encoding IniFile::encodingOf(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return Encoding::Utf8WithMark;
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return (c & 0x80) == 0; });
    if (ascii)
        return Encoding::Windows1252;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(bytes);     // decoding is what tells whether the bytes are sound
    Q_UNUSED(decoded);
    return utf8.hasError() ? Encoding::Windows1252 : Encoding::Utf8;
}

QString IniFile::decode(QByteArray bytes, Encoding& encoding)
{
    encoding = encodingOf(bytes);
    if (encoding == Encoding::Utf8WithMark)
        bytes.remove(0, 3);
    return encoding == Encoding::Windows1252 ? vb::Windows1252::decode(bytes) : QString::fromUtf8(bytes);
}

QByteArray IniFile::encode(const QString& text) const
{
    if (m_encoding == Encoding::Windows1252)
        return vb::Windows1252::encode(text);
    return (m_encoding == Encoding::Utf8WithMark ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
}

QString IniFile::trimBlanks(const QString& text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    while (from < to && blank(text.at(from)))
        ++from;
    while (to > from && blank(text.at(to - 1)))
        --to;
    return text.mid(from, to - from);
}

bool IniFile::isQuoted(const QString& text)
{
    if (text.size() < 2)
        return false;
    const QChar first = text.front();
    return (first == u'"' || first == u'\'') && text.back() == first;
}

QString IniFile::unquote(const QString& text)
{
    return isQuoted(text) ? text.mid(1, text.size() - 2) : text;
}

QString IniFile::trimTrailingSpaces(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

// fileName is a name as the file spells it, already trimmed of blanks and tabs; the requested
// name loses only its spaces, so a tab in it is part of the name and matches no file name.
bool IniFile::sameName(const QString& fileName, const QString& requested)
{
    return fileName.compare(trimSpaces(requested), Qt::CaseInsensitive) == 0;
}

QString IniFile::trimSpaces(const QString& text)
{
    qsizetype from = 0;
    while (from < text.size() && text.at(from) == u' ')
        ++from;
    return trimTrailingSpaces(text.mid(from));
}

IniFile::Parsed IniFile::parse(const QString& line)
{
    Parsed parsed;
    const QString trimmed = trimBlanks(line);
    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.indexOf(u']');
        parsed.kind = Kind::Section;
        parsed.name = trimBlanks(trimmed.mid(1, close < 0 ? -1 : close - 1));
        return parsed;
    }
    if (trimmed.startsWith(u';'))
        return parsed;
    const qsizetype eq = trimmed.indexOf(u'=');
    if (eq < 0)
        return parsed;
    parsed.kind = Kind::Key;
    parsed.name = trimBlanks(trimmed.left(eq));
    parsed.value = unquote(trimBlanks(trimmed.mid(eq + 1)));
    return parsed;
}

int IniFile::findSection(const QString& section) const
{
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const Parsed p = parse(m_lines[i].text);
        if (p.kind == Kind::Section && sameName(p.name, section))
            return int(i);
    }
    return -1;
}

int IniFile::sectionEnd(int header) const
{
    for (size_t i = size_t(header) + 1; i < m_lines.size(); ++i) {
        if (parse(m_lines[i].text).kind == Kind::Section)
            return int(i);
    }
    return int(m_lines.size());
}

int IniFile::findKey(int header, const QString& key) const
{
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const Parsed p = parse(m_lines[size_t(i)].text);
        if (p.kind == Kind::Key && sameName(p.name, key))
            return i;
    }
    return -1;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const int header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const int line = findKey(header, key);
    if (line < 0)
        return std::nullopt;
    return parse(m_lines[size_t(line)].text).value.left(MaxValueLength);
}

QString IniFile::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    return value(section, key).value_or(trimTrailingSpaces(defaultValue));
}

QStringList IniFile::sections() const
{
    QStringList names;
    for (const Line& line : m_lines) {
        const Parsed p = parse(line.text);
        if (p.kind == Kind::Section)
            names << p.name;
    }
    return names;
}

QStringList IniFile::keys(const QString& section) const
{
    QStringList names;
    const int header = findSection(section);
    if (header < 0)
        return names;
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const Parsed p = parse(m_lines[size_t(i)].text);
        if (p.kind == Kind::Key)
            names << p.name;
    }
    return names;
}

QString IniFile::lineEnd() const
{
    for (const Line& line : m_lines) {
        if (!line.end.isEmpty())
            return line.end;
    }
    return QStringLiteral("\r\n");
}

QString IniFile::valueForWriting(const QString& value)
{
    if (isQuoted(value) || trimBlanks(value) != value)
        return u'"' + value + u'"';
    return value;
}

void IniFile::insertLine(std::vector<Line>& lines, int at, const QString& text) const
{
    // The line before the new one may be the last of the file, without a line end.
    if (at > 0 && lines[size_t(at - 1)].end.isEmpty())
        lines[size_t(at - 1)].end = lineEnd();
    lines.insert(lines.begin() + at, Line{text, lineEnd()});
}

bool IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    auto hasBreak = [](const QString& s) { return s.contains(u'\r') || s.contains(u'\n'); };
    // A tab at either end of a requested name would be trimmed from the file: it could never be found again.
    auto tabAtEnd = [](const QString& s) { return trimSpaces(s) != trimBlanks(s); };
    if (hasBreak(section) || hasBreak(key) || hasBreak(value) || section.contains(u']')
        || key.contains(u'=') || trimBlanks(key).isEmpty() || trimBlanks(key).startsWith(u'[')
        || trimBlanks(key).startsWith(u';') || tabAtEnd(section) || tabAtEnd(key))
        return false;

    std::vector<Line> lines = m_lines;
    const QString written = valueForWriting(value);
    const int header = findSection(section);
    const int line = header < 0 ? -1 : findKey(header, key);
    if (header < 0) {
        const int at = int(lines.size());
        insertLine(lines, at, u'[' + trimBlanks(section) + u']');
        insertLine(lines, at + 1, trimBlanks(key) + u'=' + written);
    } else if (line >= 0) {
        QString& text = lines[size_t(line)].text;
        text = text.left(text.indexOf(u'=') + 1) + written;
    } else {
        // After the section's last non-blank line, so blank separators stay below it.
        int at = sectionEnd(header);
        while (at > header + 1 && trimBlanks(lines[size_t(at - 1)].text).isEmpty())
            --at;
        insertLine(lines, at, trimBlanks(key) + u'=' + written);
    }
    if (!save(lines))
        return false;
    m_lines = std::move(lines);
    return true;
}

// The file is written only when its bytes read back as the lines: a character the file's
// encoding has no byte for, or Windows-1252 bytes that would read as UTF-8, refuse the write.
bool IniFile::save(const std::vector<Line>& lines) const
{
    QString text;
    for (const Line& line : lines)
        text += line.text + line.end;
    const QByteArray bytes = encode(text);
    Encoding readAs = m_encoding;
    if (decode(bytes, readAs) != text)
        return false;
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}

} // namespace kit
