#include "vb/App.h"
#include "vb/DateTime.h"
#include "vb/Files.h"
#include "vb/TestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace vb;
using vbtest::errorOf;

namespace {
QByteArray readBytes(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}
} // namespace

TEST(Windows1252, AllBytesRoundTrip)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    QString text = Windows1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x41], QChar(u'A'));
    EXPECT_EQ(text[0x80], QChar(0x20AC));    // €
    EXPECT_EQ(text[0x8A], QChar(0x0160));    // Š
    EXPECT_EQ(text[0x93], QChar(0x201C));    // “
    EXPECT_EQ(text[0x96], QChar(0x2013));    // –
    EXPECT_EQ(text[0x9F], QChar(0x0178));    // Ÿ
    EXPECT_EQ(text[0x81], QChar(0x0081));    // unassigned: same number
    EXPECT_EQ(text[0xD1], QChar(0x00D1));    // Ñ
    EXPECT_EQ(text[0xFF], QChar(0x00FF));
    EXPECT_EQ(Windows1252::encode(text), all);
}

TEST(Windows1252, UnmappableBecomesQuestionMark)
{
    EXPECT_EQ(Windows1252::encode(QString::fromUtf8("Año 中 €")), QByteArray("A\xF1o ? \x80"));
    EXPECT_EQ(Windows1252::encode(QString::fromUtf8("x😀y")), QByteArray("x?y"));   // one "?" for a surrogate pair
    EXPECT_EQ(Windows1252::encode(QString(QChar(0x0100))), QByteArray("?"));
    EXPECT_FALSE(Windows1252::canEncode(QChar(0x4E2D)));
    EXPECT_TRUE(Windows1252::canEncode(QChar(0x20AC)));
}

class FilesTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    QString at(const QString& name) const { return tmp.filePath(name); }
};

TEST_F(FilesTest, TextWrittenWithCrLfInWindows1252)
{
    {
        TextFileWriter w(at("out.txt"));
        w.printLine(QString::fromUtf8("Peña €"));
        w.print("a");
        w.print("b");
        w.printLine();
    }
    EXPECT_EQ(readBytes(at("out.txt")), QByteArray("Pe\xF1" "a \x80\r\nab\r\n"));
    {
        TextFileWriter w(at("out.txt"), TextFileWriter::Append);
        w.printLine("c");
    }
    EXPECT_EQ(readBytes(at("out.txt")), QByteArray("Pe\xF1" "a \x80\r\nab\r\nc\r\n"));
    {
        TextFileWriter w(at("out.txt"));
        w.printLine("new");
    }
    EXPECT_EQ(readBytes(at("out.txt")), QByteArray("new\r\n"));
    writeTextLines(at("lines.txt"), {"x", "y"});
    writeTextLines(at("lines.txt"), {"z"}, true);
    EXPECT_EQ(readBytes(at("lines.txt")), QByteArray("x\r\ny\r\nz\r\n"));
}

TEST_F(FilesTest, LinesEndWithCrLfOrCrOrLf)
{
    writeBytes(at("in.txt"), QByteArray("uno\r\ndos\nTres\rcu\xE1tro\r\n\r\nfin"));
    TextFileReader r(at("in.txt"));
    EXPECT_EQ(r.size(), 27);
    QStringList lines;
    while (!r.atEnd())
        lines << r.readLine();
    EXPECT_EQ(lines, QStringList({"uno", "dos", "Tres", QString::fromUtf8("cuátro"), "", "fin"}));
    EXPECT_EQ(errorOf([&] { r.readLine(); }), 62);
    writeBytes(at("end.txt"), QByteArray("a\r\nb\r\n"));
    EXPECT_EQ(readTextLines(at("end.txt")), QStringList({"a", "b"}));   // no empty line after the last CR LF
    writeBytes(at("empty.txt"), QByteArray());
    TextFileReader e(at("empty.txt"));
    EXPECT_TRUE(e.atEnd());
}

TEST_F(FilesTest, MissingFilesAndFolders)
{
    EXPECT_EQ(errorOf([&] { TextFileReader r(at("nope.txt")); }), 53);
    EXPECT_EQ(errorOf([&] { TextFileReader r(at("nofolder/x.txt")); }), 76);
    EXPECT_EQ(errorOf([&] { TextFileWriter w(at("nofolder/x.txt")); }), 76);
    EXPECT_EQ(errorOf([&] { RecordFile f(at("nofolder/x.dat"), 10); }), 76);
    EXPECT_EQ(errorOf([&] { Kill(at("nope.txt")); }), 53);
    EXPECT_EQ(errorOf([&] { FileLen(at("nope.txt")); }), 53);
}

TEST_F(FilesTest, WriteAndInputFields)
{
    Date d = Date::fromDate(QDate(2024, 3, 15));
    Date dt = Date::fromDateTime(QDateTime(QDate(2024, 3, 15), QTime(10, 5, 0)));
    {
        TextFileWriter w(at("data.txt"));
        w.writeLine({Variant("Peña, Juan"), Variant(42), Variant(-12.5), Variant(0.5), Variant(true), Variant(d)});
        w.writeLine({Variant(dt), Variant::null(), Variant(), Variant("x")});
    }
    EXPECT_EQ(readBytes(at("data.txt")),
              QByteArray("\"Pe\xF1" "a, Juan\",42,-12.5,.5,#TRUE#,#2024-03-15#\r\n#2024-03-15 10:05:00#,#NULL#,,\"x\"\r\n"));
    TextFileReader r(at("data.txt"));
    QList<Variant> f = r.readFields(10);
    EXPECT_EQ(f[0].toString(), QString::fromUtf8("Peña, Juan"));
    EXPECT_EQ(f[1].type(), VarType::Double);
    EXPECT_EQ(f[1].toDouble(), 42);
    EXPECT_EQ(f[2].toDouble(), -12.5);                     // "." read whatever the regional settings
    EXPECT_EQ(f[3].toDouble(), 0.5);
    EXPECT_EQ(f[4].type(), VarType::Boolean);
    EXPECT_TRUE(f[4].toBool());
    EXPECT_EQ(f[5].type(), VarType::Date);
    EXPECT_EQ(f[5].toDate().serial, d.serial);
    EXPECT_EQ(f[6].toDate().serial, dt.serial);
    EXPECT_TRUE(f[7].isNull());
    EXPECT_TRUE(f[8].isEmpty());
    EXPECT_EQ(f[9].toString(), "x");
    EXPECT_TRUE(r.atEnd());
    EXPECT_EQ(errorOf([&] { r.readField(); }), 62);
}

TEST_F(FilesTest, InputUnquotedFields)
{
    TextFileReader r = TextFileReader::fromText("  abc def  , 12 ,\"q\" junk, last\r\n\r\nnext");
    EXPECT_EQ(r.readField().toString(), "abc def");
    Variant n = r.readField();
    EXPECT_EQ(n.type(), VarType::Double);
    EXPECT_EQ(n.toDouble(), 12);
    EXPECT_EQ(r.readField().toString(), "q");
    EXPECT_EQ(r.readField().toString(), "last");
    EXPECT_EQ(r.readField().toString(), "next");            // blank lines are skipped
    EXPECT_TRUE(r.atEnd());
    TextFileReader q = TextFileReader::fromText("\"unterminated");
    EXPECT_EQ(q.readField().toString(), "unterminated");
}

TEST_F(FilesTest, RecordFiles)
{
    {
        RecordFile f(at("recs.dat"), 10);
        EXPECT_EQ(f.recordCount(), 0);
        f.put(1, "uno");
        f.put(2, QString::fromUtf8("dos con más de diez"));
        f.put(4, QString::fromUtf8("Ñ"));
        EXPECT_EQ(f.recordCount(), 4);
        EXPECT_EQ(f.get(1), "uno       ");
        EXPECT_EQ(f.get(2), QString::fromUtf8("dos con má"));
        EXPECT_EQ(f.get(3), "          ");                  // skipped record is blank
        EXPECT_EQ(f.get(4), QString::fromUtf8("Ñ         "));
        EXPECT_EQ(f.get(9), "          ");                  // past the end
        EXPECT_EQ(errorOf([&] { f.get(0); }), 63);
        EXPECT_EQ(errorOf([&] { f.put(-1, "x"); }), 63);
        f.put(2, "DOS");
        EXPECT_EQ(f.get(2), "DOS       ");
    }
    QByteArray bytes = readBytes(at("recs.dat"));
    EXPECT_EQ(bytes.size(), 40);
    EXPECT_EQ(bytes.mid(30, 10), QByteArray("\xD1         "));
    RecordFile again(at("RECS.DAT"), 10);                       // found without regard to case
    EXPECT_EQ(again.recordCount(), 4);
    EXPECT_EQ(again.get(1), "uno       ");
    EXPECT_EQ(errorOf([&] { RecordFile bad(at("x.dat"), 0); }), 59);
    QString rec;
    RecordFile::setField(rec, 1, 4, "0001");
    RecordFile::setField(rec, 5, 6, "abc");
    RecordFile::setField(rec, 11, 2, "xyz");
    EXPECT_EQ(rec, "0001abc   xy");
    EXPECT_EQ(RecordFile::field(rec, 5, 6), "abc   ");
}

TEST_F(FilesTest, CaseInsensitiveLookupAndPaths)
{
    QDir(tmp.path()).mkpath("Datos/Sub");
    writeBytes(at("Datos/Sub/BASES.TXT"), "x");
    EXPECT_EQ(findFileNoCase(at("Datos/Sub"), "bases.txt"), at("Datos/Sub/BASES.TXT"));
    EXPECT_EQ(findFileNoCase(at("Datos/Sub"), "BASES.TXT"), at("Datos/Sub/BASES.TXT"));
    EXPECT_EQ(findFileNoCase(at("Datos/Sub"), "otro.txt"), "");
    EXPECT_EQ(resolvePath(tmp.path() + "\\datos\\SUB\\Bases.txt"), at("Datos/Sub/BASES.TXT"));
    EXPECT_EQ(resolvePath(tmp.path() + "/DATOS/sub/nuevo.txt"), at("Datos/Sub/nuevo.txt"));
    // What does not exist keeps its spelling after the last existing folder.
    EXPECT_EQ(resolvePath(tmp.path() + "/datos/Nuevo/a.ini"), at("Datos/Nuevo/a.ini"));
    EXPECT_EQ(resolvePath(tmp.path() + "/DATOS/"), at("Datos/"));
    EXPECT_EQ(resolvePath(""), "");
    EXPECT_TRUE(FileExists(tmp.path() + "/datos/sub/bases.txt"));
    EXPECT_FALSE(FileExists(tmp.path() + "/datos/sub"));
    EXPECT_TRUE(FolderExists(tmp.path() + "/datos/sub"));
    EXPECT_EQ(FileLen(tmp.path() + "/datos/sub/bases.txt"), 1);
    TextFileReader r(tmp.path() + "\\DATOS\\SUB\\bases.txt");
    EXPECT_EQ(r.readLine(), "x");
    {
        TextFileWriter w(tmp.path() + "/datos/sub/bases.txt");   // overwrites the existing file, not a twin
        w.printLine("y");
    }
    EXPECT_EQ(QDir(at("Datos/Sub")).entryList(QDir::Files), QStringList({"BASES.TXT"}));
    EXPECT_EQ(normalizeSeparators("a\\b\\c"), "a/b/c");
}

TEST_F(FilesTest, DirKillCopyName)
{
    writeBytes(at("A1.TXT"), "1");
    writeBytes(at("a2.txt"), "2");
    writeBytes(at("b.log"), "3");
    EXPECT_EQ(Dir(tmp.path() + "/*.txt"), "A1.TXT");
    EXPECT_EQ(Dir(), "a2.txt");
    EXPECT_EQ(Dir(), "");
    EXPECT_EQ(Dir(tmp.path() + "/B.LOG"), "b.log");
    EXPECT_EQ(Dir(tmp.path() + "/none.*"), "");
    FileCopy(at("b.log"), at("c.log"));
    EXPECT_EQ(readBytes(at("c.log")), QByteArray("3"));
    Name(at("c.log"), at("d.log"));
    EXPECT_TRUE(FileExists(at("d.log")));
    EXPECT_EQ(errorOf([&] { Name(at("d.log"), at("b.log")); }), 58);
    Kill(at("d.log"));
    EXPECT_FALSE(FileExists(at("d.log")));
    MkDir(at("nueva"));
    EXPECT_TRUE(FolderExists(at("nueva")));
    EXPECT_EQ(errorOf([&] { MkDir(at("nueva")); }), 75);
}

TEST(App, PathNameTitleCommand)
{
    EXPECT_FALSE(App::path().isEmpty());
    EXPECT_EQ(App::exeName(), "tests_vb");
    App::setPath("/opt/quindal/");
    EXPECT_EQ(App::path(), "/opt/quindal");
    App::setPath("C:\\Quindal");
    EXPECT_EQ(App::path(), "C:/Quindal");
    EXPECT_EQ(App::title(), "tests_vb");
    App::setTitle("Reportes");
    EXPECT_EQ(App::title(), "Reportes");
    char prog[] = "rp_quindal", a1[] = "@Server=datos", a2[] = "@User=juan";
    char* argv[] = {prog, a1, a2};
    App::init(3, argv);
    EXPECT_EQ(Command(), "@Server=datos @User=juan");
    App::setCommandLine("");
    EXPECT_EQ(Command(), "");
}

TEST(App, Environ)
{
    qputenv("RPQ_TEST_VAR", "valor");
    EXPECT_EQ(Environ("RPQ_TEST_VAR"), "valor");
    EXPECT_EQ(Environ("rpq_test_var"), "valor");
    EXPECT_EQ(Environ("RPQ_NOT_SET_ANYWHERE"), "");
    EXPECT_TRUE(Environ(1).contains(u'='));
    EXPECT_EQ(Environ(100000), "");
    EXPECT_EQ(errorOf([] { Environ(0); }), 5);
}
