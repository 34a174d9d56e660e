#include "DataTestBase.h"

#include "data/ErrorLog.h"
#include "vb/DateTime.h"

#include <QRegularExpression>

namespace {

class ErrorDialog : public DataTestBase {
protected:
    vb::ClockScope clock{QDateTime(QDate(2024, 3, 7), QTime(9, 5, 4))};
};

TEST_F(ErrorDialog, ShowsTheStandardBoxAndLogsTheAnswerWithTheRoutine)
{
    vb::Err::set(vb::Error(-2147467259, "x", "Proveedor"));
    dialogs.pushMsgBoxAnswer(ui::vbRetry);
    const int answer = db->TratamientoErrores(vb::Error(-2147467259, "  Falla de red  ", "Proveedor"),
                                              vb::Variant::missing(), "AbrirRecordset");
    EXPECT_EQ(answer, ui::vbRetry);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, "Ha ocurrido el Siguiente Error (-2147467259) Falla de red");
    EXPECT_EQ(boxes()[0].title, "Proveedor - AbrirRecordset Aviso al operador!!! - 5 ");
    EXPECT_EQ(boxes()[0].style, 18);
    EXPECT_EQ(logText(), "03-07-2024 09:05:04 Rutina: - AbrirRecordset Mensaje Ha ocurrido el Siguiente Error "
                         "(-2147467259) Falla de red Respondió : Reintentar\r\n");
}

TEST_F(ErrorDialog, WithoutRoutineAndWithOkOnlyTheLineHasEmptyParts)
{
    vb::Err::set(vb::Error(13, "", "VBRUN"));
    dialogs.pushMsgBoxAnswer(ui::vbOK);
    EXPECT_EQ(db->TratamientoErrores(vb::Error(13), 0), ui::vbOK);
    EXPECT_EQ(boxes()[0].title, "VBRUN Aviso al operador!!! - 5 ");
    EXPECT_EQ(boxes()[0].style, 0);
    EXPECT_TRUE(logText().contains(" Rutina:  Mensaje Ha ocurrido el Siguiente Error (13) "));
    EXPECT_TRUE(logText().endsWith(" Respondió : \r\n"));
}

TEST_F(ErrorDialog, LinesAppendInWindows1252)
{
    for (int answer : {ui::vbAbort, ui::vbIgnore, ui::vbYes}) {
        dialogs.pushMsgBoxAnswer(answer);
        db->TratamientoErrores(vb::Error(5), 4 + 16, "R");
    }
    const QStringList lines = logText().split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines[0].endsWith("Abortar"));
    EXPECT_TRUE(lines[1].endsWith("Ignorar"));
    EXPECT_TRUE(lines[2].endsWith("Sí"));
    QFile raw(logPath());
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    EXPECT_TRUE(bytes.contains("Respondi\xF3 : Abortar\r\n")) << bytes.toHex().toStdString();
}

TEST_F(ErrorDialog, ErrorZeroShowsNothingAndWritesNothing)
{
    EXPECT_EQ(db->TratamientoErrores(vb::Error(0)), 0);
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_FALSE(QFile::exists(logPath()));
}

TEST_F(ErrorDialog, LogPathFollowsTheMemberOrTheProgramFolder)
{
    EXPECT_EQ(data::ErrorLog::defaultPath("C:\\"), "C:\\KQERR.LOG");
    EXPECT_EQ(data::ErrorLog::defaultPath("/opt/rp/"), "/opt/rp/KQERR.LOG");
    EXPECT_EQ(data::ErrorLog::defaultPath("/opt/rp"), "/opt/rp/KQERR.LOG");

    const QString other = m_programDir.path() + "/otro.log";
    db->setArchivoErrores(other);
    EXPECT_EQ(db->ArchivoErrores().toString(), other);
    db->TratamientoErrores(vb::Error(5), 0, "X");
    EXPECT_TRUE(QFile::exists(other));
    EXPECT_FALSE(QFile::exists(logPath()));
}

TEST_F(ErrorDialog, AnUnwritableLogStillShowsTheBoxAndAnswers)
{
    db->configure([&](data::DbSettings& s) { s.gLogErr = m_programDir.path() + "/missing/folder/KQERR.LOG"; });
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    EXPECT_EQ(db->TratamientoErrores(vb::Error(5)), ui::vbIgnore);
    EXPECT_EQ(boxes().size(), 1);
}

} // namespace
