#include "vb/Files.h"
#include "vb/Error.h"

#include <array>

namespace vb {

namespace {

// 0x80..0x9F of Windows-1252; the five unassigned bytes map to themselves.
const char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

QChar Windows1252::toUnicode(std::uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHigh[byte - 0x80]);
    return QChar(char16_t(byte));
}

bool Windows1252::canEncode(QChar c)
{
    char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return true;
    for (char16_t h : kHigh)
        if (h == u)
            return true;
    return false;
}

std::uint8_t Windows1252::fromUnicode(QChar c)
{
    char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return std::uint8_t(u);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return std::uint8_t(0x80 + i);
    return '?';
}

QString Windows1252::decode(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = toUnicode(std::uint8_t(bytes[i]));
    return out;
}

QByteArray Windows1252::encode(const QString& text)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        // A character outside the basic plane is one "?", not two.
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        out[n++] = char(fromUnicode(c));
    }
    out.truncate(n);
    return out;
}

} // namespace vb

// ---- paths ----

#include "vb/Conversions.h"
#include "vb/Strings.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>

namespace vb {

QString normalizeSeparators(const QString& path)
{
    QString p = path;
    p.replace(u'\\', u'/');
    return p;
}

QString findFileNoCase(const QString& folder, const QString& name)
{
    QString dir = folder.isEmpty() ? QStringLiteral(".") : normalizeSeparators(folder);
    QString exact = QDir(dir).filePath(name);
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return QDir(dir).filePath(e);
    return QString();
}

QString resolvePath(const QString& path)
{
    QString p = normalizeSeparators(path);
    if (p.isEmpty() || QFileInfo::exists(p))
        return p;
    const bool absolute = p.startsWith(u'/');
    QStringList parts = p.split(u'/', Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    int i = 0;
    for (; i < parts.size(); ++i) {
        const QString& part = parts[i];
        if (part == QLatin1String(".") || part == QLatin1String("..")) {
            current = current.isEmpty() ? part : QDir(current).filePath(part);
            continue;
        }
        QString found = findFileNoCase(current.isEmpty() ? QStringLiteral(".") : current, part);
        if (found.isEmpty())
            break;
        current = current.isEmpty() ? QFileInfo(found).fileName() : QDir(current).filePath(QFileInfo(found).fileName());
    }
    for (; i < parts.size(); ++i)
        current = current.isEmpty() ? parts[i] : QDir(current).filePath(parts[i]);
    if (p.endsWith(u'/') && !current.endsWith(u'/'))
        current += u'/';
    return current;
}

bool FileExists(const QString& path)
{
    QFileInfo fi(resolvePath(path));
    return fi.exists() && fi.isFile();
}

bool FolderExists(const QString& path)
{
    QFileInfo fi(resolvePath(path));
    return fi.exists() && fi.isDir();
}

qint64 FileLen(const QString& path)
{
    QFileInfo fi(resolvePath(path));
    if (!fi.exists() || !fi.isFile())
        raise(53);
    return fi.size();
}

void Kill(const QString& path)
{
    QString p = resolvePath(path);
    QFileInfo fi(p);
    if (!fi.exists() || !fi.isFile())
        raise(53);
    if (!QFile::remove(p))
        raise(70);
}

void MkDir(const QString& path)
{
    QString p = resolvePath(path);
    QFileInfo parent(QFileInfo(p).absolutePath());
    if (QFileInfo::exists(p))
        raise(75);
    if (!parent.exists())
        raise(76);
    if (!QDir().mkdir(p))
        raise(75);
}

void FileCopy(const QString& source, const QString& destination)
{
    QString from = resolvePath(source);
    QString to = resolvePath(destination);
    if (!QFileInfo(from).isFile())
        raise(53);
    if (!QFileInfo(QFileInfo(to).absolutePath()).isDir())
        raise(76);
    if (QFileInfo::exists(to) && !QFile::remove(to))
        raise(70);
    if (!QFile::copy(from, to))
        raise(75);
}

void Name(const QString& from, const QString& to)
{
    QString a = resolvePath(from);
    QString b = normalizeSeparators(to);
    if (!QFileInfo::exists(a))
        raise(53);
    if (QFileInfo::exists(resolvePath(b)))
        raise(58);
    if (!QFile::rename(a, b))
        raise(75);
}

namespace {
struct DirState {
    QStringList matches;
    int next = 0;
};
DirState& dirState()
{
    static DirState state;
    return state;
}
} // namespace

QString Dir(const QString& pattern)
{
    DirState& st = dirState();
    st.matches.clear();
    st.next = 0;
    QString p = normalizeSeparators(pattern);
    int slash = int(p.lastIndexOf(u'/'));
    QString folder = slash >= 0 ? p.left(slash) : QStringLiteral(".");
    if (slash == 0)
        folder = QStringLiteral("/");
    QString mask = slash >= 0 ? p.mid(slash + 1) : p;
    folder = resolvePath(folder);
    if (mask.isEmpty())
        mask = QStringLiteral("*");
    if (mask == QLatin1String("*.*"))
        mask = QStringLiteral("*");
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& e : entries)
        if (Like(e, mask, CompareMethod::Text) || (!mask.contains(u'*') && !mask.contains(u'?') && e.compare(mask, Qt::CaseInsensitive) == 0))
            st.matches.append(e);
    return Dir();
}

QString Dir()
{
    DirState& st = dirState();
    if (st.next >= st.matches.size())
        return QString();
    return st.matches[st.next++];
}

// ---- Write # / Input # ----

QString writeField(const Variant& value)
{
    switch (value.type()) {
    case VarType::Empty: return QString();
    case VarType::Null: return QStringLiteral("#NULL#");
    case VarType::Boolean: return value.toBool() ? QStringLiteral("#TRUE#") : QStringLiteral("#FALSE#");
    case VarType::String: return u'"' + value.stringRef() + u'"';
    case VarType::Error: return QStringLiteral("#ERROR %1#").arg(value.errorCode());
    case VarType::Date: {
        Date d = value.toDate();
        bool hasTime = d.time() != QTime(0, 0);
        bool hasDate = std::trunc(d.serial) != 0 || !hasTime;
        QString out;
        if (hasDate)
            out = d.date().toString(QStringLiteral("yyyy-MM-dd"));
        if (hasTime)
            out += (out.isEmpty() ? QString() : QStringLiteral(" ")) + d.time().toString(QStringLiteral("HH:mm:ss"));
        return u'#' + out + u'#';
    }
    case VarType::Object: raise(13);
    default: return Str(value).trimmed();
    }
}

QString writeFields(const QList<Variant>& values)
{
    QStringList parts;
    for (const Variant& v : values)
        parts.append(writeField(v));
    return parts.join(u',');
}

TextFileReader::TextFileReader(const QString& path) : m_path(resolvePath(path))
{
    QFileInfo fi(m_path);
    if (!fi.exists()) {
        if (!QFileInfo(fi.absolutePath()).isDir())
            raise(76);
        raise(53);
    }
    if (fi.isDir())
        raise(75);
    QFile f(m_path);
    if (!f.open(QIODevice::ReadOnly))
        raise(70);
    QByteArray bytes = f.readAll();
    m_size = bytes.size();
    m_text = Windows1252::decode(bytes);
}

TextFileReader TextFileReader::fromText(const QString& text)
{
    TextFileReader r;
    r.m_text = text;
    r.m_size = text.size();
    return r;
}

bool TextFileReader::atEnd() const { return m_pos >= m_text.size(); }

QString TextFileReader::readLine()
{
    if (atEnd())
        raise(62);
    qsizetype start = m_pos;
    while (m_pos < m_text.size() && m_text[m_pos] != u'\r' && m_text[m_pos] != u'\n')
        ++m_pos;
    QString line = m_text.mid(start, m_pos - start);
    if (m_pos < m_text.size()) {
        if (m_text[m_pos] == u'\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == u'\n')
            m_pos += 2;
        else
            ++m_pos;
    }
    return line;
}

namespace {

bool isFieldBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

// Moves pos to the comma or the line end that closes the field.
void passToDelimiter(const QString& text, qsizetype& pos)
{
    while (pos < text.size() && text[pos] != u',' && !isLineEnd(text[pos]))
        ++pos;
}

// Up to and past the comma or the line end that closes the field.
void passFieldEnd(const QString& text, qsizetype& pos)
{
    while (pos < text.size() && isFieldBlank(text[pos]))
        ++pos;
    if (pos < text.size() && text[pos] == u',') {
        ++pos;
        return;
    }
    if (pos < text.size() && text[pos] == u'\r')
        ++pos;
    if (pos < text.size() && text[pos] == u'\n')
        ++pos;
}

// pos stands on the opening quote; a missing closing quote ends the text at the end of the file.
QString quotedField(const QString& text, qsizetype& pos)
{
    qsizetype close = text.indexOf(u'"', pos + 1);
    if (close < 0)
        close = text.size();
    QString s = text.mid(pos + 1, close - pos - 1);
    pos = std::min(close + 1, text.size());
    // Anything between the closing quote and the delimiter is dropped.
    passToDelimiter(text, pos);
    passFieldEnd(text, pos);
    return s;
}

QString unquotedField(const QString& text, qsizetype& pos)
{
    const qsizetype start = pos;
    passToDelimiter(text, pos);
    QString raw = text.mid(start, pos - start);
    while (raw.endsWith(u' ') || raw.endsWith(u'\t'))
        raw.chop(1);
    passFieldEnd(text, pos);
    return raw;
}

// #TRUE#, #FALSE#, #NULL#, #ERROR n#, #yyyy-mm-dd hh:mm:ss#, #yyyy-mm-dd#, #hh:mm:ss#; anything else stays text.
Variant hashDelimitedValue(const QString& raw)
{
    const QString inner = raw.mid(1, raw.size() - 2).trimmed();
    if (inner.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0)
        return Variant(true);
    if (inner.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) == 0)
        return Variant(false);
    if (inner.compare(QLatin1String("NULL"), Qt::CaseInsensitive) == 0)
        return Variant::null();
    if (inner.startsWith(QLatin1String("ERROR"), Qt::CaseInsensitive))
        return Variant::errorValue(inner.mid(5).trimmed().toInt());
    const QDateTime dt = QDateTime::fromString(inner, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (dt.isValid())
        return Variant(Date::fromDateTime(dt));
    const QDate d = QDate::fromString(inner, QStringLiteral("yyyy-MM-dd"));
    if (d.isValid())
        return Variant(Date::fromDate(d));
    const QTime t = QTime::fromString(inner, QStringLiteral("HH:mm:ss"));
    if (t.isValid())
        return Variant(Date{(t.hour() * 3600 + t.minute() * 60 + t.second()) / 86400.0});
    return Variant(raw);
}

Variant unquotedValue(const QString& raw)
{
    if (raw.size() >= 2 && raw.startsWith(u'#') && raw.endsWith(u'#'))
        return hashDelimitedValue(raw);
    // Unquoted numbers use "." whatever the regional settings say.
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?$"));
    if (number.match(raw).hasMatch())
        return Variant(Val(raw));
    if (raw.isEmpty())
        return Variant();
    return Variant(raw);
}

} // namespace

Variant TextFileReader::readField()
{
    // Blank lines and blanks before a field are skipped.
    while (m_pos < m_text.size() && (isFieldBlank(m_text[m_pos]) || isLineEnd(m_text[m_pos])))
        ++m_pos;
    if (atEnd())
        raise(62);
    if (m_text[m_pos] == u'"')
        return Variant(quotedField(m_text, m_pos));
    if (m_text[m_pos] == u',') {
        ++m_pos;
        return Variant();
    }
    return unquotedValue(unquotedField(m_text, m_pos));
}

QList<Variant> TextFileReader::readFields(int count)
{
    QList<Variant> out;
    for (int i = 0; i < count; ++i)
        out.append(readField());
    return out;
}

QString TextFileReader::readAll()
{
    QString rest = m_text.mid(m_pos);
    m_pos = m_text.size();
    return rest;
}

QStringList TextFileReader::readAllLines()
{
    QStringList lines;
    while (!atEnd())
        lines.append(readLine());
    return lines;
}

TextFileWriter::TextFileWriter(const QString& path, Mode mode) : m_path(resolvePath(path))
{
    QFileInfo fi(m_path);
    if (!QFileInfo(fi.absolutePath()).isDir())
        raise(76);
    if (fi.isDir())
        raise(75);
    m_file.setFileName(m_path);
    QIODevice::OpenMode om = QIODevice::WriteOnly;
    om |= mode == Append ? QIODevice::Append : QIODevice::Truncate;
    if (!m_file.open(om))
        raise(fi.exists() ? 70 : 75);
}

TextFileWriter::~TextFileWriter() { close(); }

void TextFileWriter::put(const QByteArray& bytes)
{
    if (!m_file.isOpen())
        raise(52);
    if (m_file.write(bytes) != bytes.size())
        raise(61);
}

void TextFileWriter::print(const QString& text) { put(Windows1252::encode(text)); }
void TextFileWriter::printLine(const QString& text) { put(Windows1252::encode(text) + "\r\n"); }
void TextFileWriter::writeLine(const QList<Variant>& fields) { printLine(writeFields(fields)); }

void TextFileWriter::close()
{
    if (m_file.isOpen())
        m_file.close();
}

QStringList readTextLines(const QString& path)
{
    TextFileReader r(path);
    return r.readAllLines();
}

void writeTextLines(const QString& path, const QStringList& lines, bool append)
{
    TextFileWriter w(path, append ? TextFileWriter::Append : TextFileWriter::Output);
    for (const QString& l : lines)
        w.printLine(l);
}

// ---- Random files ----

RecordFile::RecordFile(const QString& path, int recordLength) : m_path(resolvePath(path)), m_length(recordLength)
{
    if (recordLength < 1)
        raise(59);
    QFileInfo fi(m_path);
    if (!QFileInfo(fi.absolutePath()).isDir())
        raise(76);
    if (fi.isDir())
        raise(75);
    m_file.setFileName(m_path);
    if (!m_file.open(QIODevice::ReadWrite)) {
        if (!m_file.open(QIODevice::ReadOnly))
            raise(fi.exists() ? 70 : 75);
    }
}

RecordFile::~RecordFile() { close(); }

qint64 RecordFile::recordCount() const
{
    if (!m_file.isOpen())
        raise(52);
    return m_file.size() / m_length;
}

QByteArray RecordFile::getBytes(qint64 recordNumber)
{
    if (!m_file.isOpen())
        raise(52);
    if (recordNumber < 1)
        raise(63);
    QByteArray out;
    qint64 offset = (recordNumber - 1) * m_length;
    if (offset < m_file.size() && m_file.seek(offset))
        out = m_file.read(m_length);
    if (out.size() < m_length)
        out.append(QByteArray(m_length - out.size(), ' '));
    return out;
}

QString RecordFile::get(qint64 recordNumber) { return Windows1252::decode(getBytes(recordNumber)); }

void RecordFile::putBytes(qint64 recordNumber, const QByteArray& record)
{
    if (!m_file.isOpen())
        raise(52);
    if (recordNumber < 1)
        raise(63);
    if (!m_file.isWritable())
        raise(75);
    QByteArray data = record.left(m_length);
    if (data.size() < m_length)
        data.append(QByteArray(m_length - data.size(), ' '));
    qint64 offset = (recordNumber - 1) * m_length;
    // Records skipped past the end are filled with blanks.
    if (offset > m_file.size()) {
        m_file.seek(m_file.size());
        QByteArray gap(offset - m_file.size(), ' ');
        if (m_file.write(gap) != gap.size())
            raise(61);
    }
    if (!m_file.seek(offset) || m_file.write(data) != data.size())
        raise(61);
    m_file.flush();
}

void RecordFile::put(qint64 recordNumber, const QString& record) { putBytes(recordNumber, Windows1252::encode(record)); }

void RecordFile::close()
{
    if (m_file.isOpen())
        m_file.close();
}

QString RecordFile::field(const QString& record, int start, int length)
{
    if (start < 1 || length < 0)
        raise(5);
    return record.mid(start - 1, length);
}

void RecordFile::setField(QString& record, int start, int length, const QString& value)
{
    if (start < 1 || length < 0)
        raise(5);
    int end = start - 1 + length;
    if (record.size() < end)
        record.append(QString(end - record.size(), u' '));
    QString v = value.left(length);
    v.append(QString(length - v.size(), u' '));
    record.replace(start - 1, length, v);
}

} // namespace vb
