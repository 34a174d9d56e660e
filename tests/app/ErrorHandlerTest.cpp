#include "AppTestBase.h"

#include "app/TratamientoErrores.h"
#include "vb/DateTime.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

namespace {

class ModuleErrorHandler : public AppTestBase {
protected:
    vb::ClockScope clock{QDateTime(QDate(2024, 11, 5), QTime(17, 4, 9))};
};

TEST_F(ModuleErrorHandler, ShowsTheBoxMarkedTwoAndLogsInTheTempFolder)
{
    vb::Err::set(vb::Error(-2147217900, "x", "Microsoft OLE DB Provider for SQL Server"));
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    const int answer = app::TratamientoErrores(vb::Error(-2147217900, " Sintaxis incorrecta cerca de 'x'. "),
                                               vb::Variant::missing(), "Cfg");
    EXPECT_EQ(answer, ui::vbIgnore);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, "Ha ocurrido el Siguiente Error (-2147217900) Sintaxis incorrecta cerca de 'x'.");
    EXPECT_EQ(boxes()[0].title, "Microsoft OLE DB Provider for SQL Server - Cfg Aviso al operador!!! - 2 ");
    EXPECT_EQ(boxes()[0].style, 18);
    EXPECT_EQ(moduleLog(), "11-05-2024 17:04:09 Rutina: - Cfg Mensaje Ha ocurrido el Siguiente Error (-2147217900) "
                           "Sintaxis incorrecta cerca de 'x'. Respondió : Ignorar\r\n");
    // The data access class keeps its own log in the program folder.
    EXPECT_FALSE(QFile::exists(m_programDir.path() + "/KQERR.LOG"));
}

TEST_F(ModuleErrorHandler, AnswerWordsAndAnOmittedRoutine)
{
    vb::Err::set(vb::Error(11, "", "rp_quindal"));
    const std::pair<int, const char*> answers[] = {{ui::vbAbort, "Abortar"}, {ui::vbRetry, "Reintentar"},
                                                   {ui::vbCancel, "Cancelar"}, {ui::vbNo, "No"},
                                                   {ui::vbOK, ""}};
    for (const auto& [answer, word] : answers) {
        dialogs.pushMsgBoxAnswer(answer);
        EXPECT_EQ(app::TratamientoErrores(vb::Error(11, "Division by zero"), 0), answer);
    }
    EXPECT_EQ(boxes()[0].title, "rp_quindal Aviso al operador!!! - 2 ");
    EXPECT_EQ(boxes()[0].style, 0);
    const QStringList lines = moduleLog().split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(lines[i].startsWith("11-05-2024 17:04:09 Rutina:  Mensaje Ha ocurrido el Siguiente Error (11) "
                                        "Division by zero Respondió : "));
        EXPECT_TRUE(lines[i].endsWith(QString(" : ") + answers[i].second)) << lines[i].toStdString();
    }
}

TEST_F(ModuleErrorHandler, ErrorZeroCreatesAnEmptyLogAndShowsNothing)
{
    EXPECT_EQ(app::TratamientoErrores(vb::Error(0), vb::Variant::missing(), "Cfg"), 0);
    EXPECT_TRUE(boxes().isEmpty());
    ASSERT_TRUE(QFile::exists(moduleLogPath()));
    EXPECT_EQ(QFile(moduleLogPath()).size(), 0);
}

TEST_F(ModuleErrorHandler, WithoutTempTheSystemTemporaryFolderHoldsTheLog)
{
    QTemporaryDir systemTemp;
    const QByteArray savedTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(systemTemp.path()));
    qputenv("TEMP", "   ");
    EXPECT_EQ(app::errorLogPath(), QDir::tempPath() + "/KQERR.LOG");
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    app::TratamientoErrores(vb::Error(5), vb::Variant::missing(), "X");
    qputenv("TMPDIR", savedTmp);
    EXPECT_TRUE(QFile::exists(systemTemp.path() + "/KQERR.LOG"));
    EXPECT_FALSE(QFile::exists(moduleLogPath()));
}

TEST_F(ModuleErrorHandler, ATempFolderThatEndsInASeparatorGetsNoSecondOne)
{
    qputenv("TEMP", QFile::encodeName(m_tempDir.path() + "/"));
    EXPECT_EQ(app::errorLogPath(), m_tempDir.path() + "/KQERR.LOG");
}

TEST_F(ModuleErrorHandler, AnUnwritableLogStillShowsTheBoxAndAnswers)
{
    qputenv("TEMP", QFile::encodeName(m_tempDir.path() + "/no/such/folder"));
    dialogs.pushMsgBoxAnswer(ui::vbRetry);
    EXPECT_EQ(app::TratamientoErrores(vb::Error(53, "File not found")), ui::vbRetry);
    EXPECT_EQ(boxes().size(), 1);
}

TEST_F(ModuleErrorHandler, PassedOverErrorsLeaveALineWithoutABox)
{
    app::logError(vb::Error(-2147217833, "String or binary data would be truncated."), "GrabaDfg");
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(moduleLog(), "11-05-2024 17:04:09 Rutina: - GrabaDfg Mensaje Ha ocurrido el Siguiente Error "
                           "(-2147217833) String or binary data would be truncated. Respondió : \r\n");
}

TEST_F(ModuleErrorHandler, AnEventHandlerErrorGoesToTheBoxAndRetryRunsTheHandlerAgain)
{
    int runs = 0;
    dialogs.pushMsgBoxAnswer(ui::vbRetry);
    app::guardEvent("CmdImprimir_Click", [&] {
        if (++runs == 1)
            vb::raise(3021, "Either BOF or EOF is True", "ADODB.Recordset");
    });
    EXPECT_EQ(runs, 2);
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].title, "ADODB.Recordset - CmdImprimir_Click Aviso al operador!!! - 2 ");
    EXPECT_TRUE(moduleLog().contains("Rutina: - CmdImprimir_Click Mensaje Ha ocurrido el Siguiente Error (3021)"));
}

TEST_F(ModuleErrorHandler, AnEventHandlerEndsOnAbortAndNothingEscapes)
{
    int runs = 0;
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    EXPECT_NO_THROW(app::guardEvent("Form_Load", [&] {
        ++runs;
        vb::raise(13);
    }));
    EXPECT_NO_THROW(app::guardEvent("Timer1_Timer", [] { throw std::runtime_error("vector index out of range"); }));
    EXPECT_EQ(runs, 1);
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_EQ(boxes()[1].text, "Ha ocurrido el Siguiente Error (51) vector index out of range");
}

TEST_F(ModuleErrorHandler, EndingTheProgramPassesThroughAHandler)
{
    EXPECT_THROW(app::guardEvent("CmdCerrar_Click", [] { vb::End(); }), vb::EndRequested);
    EXPECT_THROW(app::guardEventQuietly("CmdCerrar_Click", [] { vb::End(); }), vb::EndRequested);
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ModuleErrorHandler, AQuietEventHandlerOnlyLogs)
{
    int runs = 0;
    app::guardEventQuietly("TxtDesde_LostFocus", [&] {
        ++runs;
        vb::raise(94, "Invalid use of Null");
    });
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_TRUE(moduleLog().endsWith("Rutina: - TxtDesde_LostFocus Mensaje Ha ocurrido el Siguiente Error (94) "
                                     "Invalid use of Null Respondió : \r\n"));
}

} // namespace
