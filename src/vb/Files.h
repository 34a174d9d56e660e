#pragma once
// Files of the Windows suite: Windows-1252 text with CR LF, the original's Input #/Write # field
// syntax, fixed-length record files, and file names looked up without regard to case.

#include "vb/Variant.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace vb {

// Windows-1252 in both directions: every byte has a character (0x81, 0x8D, 0x8F, 0x90, 0x9D
// map to the control characters of the same number, as Windows does); a character without a
// byte becomes "?".
class Windows1252 {
public:
    static QString decode(const QByteArray& bytes);
    static QByteArray encode(const QString& text);
    static QChar toUnicode(std::uint8_t byte);
    static std::uint8_t fromUnicode(QChar c);     // '?' when there is no byte for it
    static bool canEncode(QChar c);
};

// Paths: "\" and "/" both separate folders; every part that exists under another case is found.
QString normalizeSeparators(const QString& path);                  // "\" -> "/"
QString findFileNoCase(const QString& folder, const QString& name); // existing path, or "" when none
QString resolvePath(const QString& path);                          // parts found without regard to case; the rest kept
bool FileExists(const QString& path);
bool FolderExists(const QString& path);
qint64 FileLen(const QString& path);                               // error 53 when missing
void Kill(const QString& path);                                    // error 53 when missing, 70 when it cannot be deleted
void MkDir(const QString& path);                                   // error 75 when it exists or cannot be made
void FileCopy(const QString& source, const QString& destination);  // error 53 / 75
void Name(const QString& from, const QString& to);                 // rename; error 53 / 58
// Dir(pattern): first name matching the pattern's "*" and "?" (without regard to case), "" when none;
// Dir() continues with the next match, as the original does.
QString Dir(const QString& pattern);
QString Dir();

// The original's Write # field syntax: texts quoted, numbers with ".", #yyyy-mm-dd#, #TRUE#, #NULL#.
QString writeField(const Variant& value);
QString writeFields(const QList<Variant>& values);                 // separated by commas, no line end

// A text file opened for Input: Line Input #, Input #, EOF, LOF. Windows-1252 unless told otherwise.
class TextFileReader {
public:
    explicit TextFileReader(const QString& path);                  // error 53 when missing, 76 when the folder is
    static TextFileReader fromText(const QString& text);           // for parsers and tests
    bool atEnd() const;                                            // EOF
    qint64 size() const { return m_size; }                         // LOF
    QString readLine();                                            // Line Input #: CR, LF or CR LF end a line; 62 at the end
    Variant readField();                                           // Input #: one field; 62 at the end
    QList<Variant> readFields(int count);
    QString readAll();                                             // the rest of the file
    QStringList readAllLines();
    const QString& path() const { return m_path; }
private:
    TextFileReader() = default;
    QString m_path;
    QString m_text;
    qsizetype m_pos = 0;
    qint64 m_size = 0;
};

// A text file opened for Output (truncated) or Append: Print # and Write #, lines end with CR LF.
class TextFileWriter {
public:
    enum Mode { Output, Append };
    TextFileWriter(const QString& path, Mode mode = Output);        // error 76 when the folder is missing, 70/75 when it cannot be opened
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;
    void print(const QString& text);                               // Print #f, text;
    void printLine(const QString& text = {});                      // Print #f, text
    void writeLine(const QList<Variant>& fields);                  // Write #f, a, b, c
    void close();
    const QString& path() const { return m_path; }
private:
    void put(const QByteArray& bytes);
    QString m_path;
    QFile m_file;
};

// Lines of a whole text file, and the whole file written at once (CR LF after every line).
QStringList readTextLines(const QString& path);
void writeTextLines(const QString& path, const QStringList& lines, bool append = false);

// A Random file of fixed-length records: record numbers from 1, blanks pad short records,
// the record count comes from the file size. Error 63 on a record number below 1.
class RecordFile {
public:
    RecordFile(const QString& path, int recordLength);              // created when missing; error 59 on a length below 1
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;
    int recordLength() const { return m_length; }
    qint64 recordCount() const;
    QString get(qint64 recordNumber);                              // blanks past the end of the file
    QByteArray getBytes(qint64 recordNumber);
    void put(qint64 recordNumber, const QString& record);          // cut or padded to the length
    void putBytes(qint64 recordNumber, const QByteArray& record);
    void close();
    const QString& path() const { return m_path; }

    // Fixed-width fields inside a record, positions from 1.
    static QString field(const QString& record, int start, int length);
    static void setField(QString& record, int start, int length, const QString& value);
private:
    QString m_path;
    int m_length;
    QFile m_file;
};

} // namespace vb
