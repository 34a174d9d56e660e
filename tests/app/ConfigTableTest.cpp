#include "AppTestBase.h"

#include "app/AppModule.h"
#include "app/ConfigTable.h"
#include "app/StatisticsConnection.h"
#include "vb/DateTime.h"

#include <QFile>

namespace {

class ConfigTable : public AppTestBase {
protected:
    void SetUp() override { openDemo(); }
    vb::Variant row(const QString& column, const QString& key)
    {
        return scalar(QStringLiteral("SELECT %1 FROM TA_CONFIGURACION WHERE Clave = '%2'").arg(column, key));
    }
};

TEST_F(ConfigTable, ReadsTheValueAndItsAuxiliaryWithTheSuiteStatement)
{
    execute("UPDATE TA_CONFIGURACION SET ValorAux = 'aux' WHERE Clave = 'NOMBRE'");
    QString aux = "old";
    EXPECT_EQ(app::Cfg("  NOMBRE ", &aux), "Quindal Insumos Industriales S.A.");
    EXPECT_EQ(aux, "aux");
    EXPECT_EQ(handed, QStringList{"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'NOMBRE'"});
    EXPECT_EQ(app::state().configuration.TablaConfiguracion, "TA_CONFIGURACION");
}

TEST_F(ConfigTable, AMissingKeyReadsOneBlankAndClearsTheAuxiliary)
{
    QString aux = "old";
    EXPECT_EQ(app::Cfg("NO_EXISTE", &aux), " ");
    EXPECT_EQ(aux, "");
    setConfig("VACIA", "");
    execute("UPDATE TA_CONFIGURACION SET Valor = NULL WHERE Clave = 'VACIA'");
    EXPECT_EQ(app::Cfg("VACIA", &aux), "");
}

TEST_F(ConfigTable, ThemeReadsOneWhenBlankButKeepsAStoredZero)
{
    removeConfig("THEME");
    EXPECT_EQ(app::Cfg("theme"), "1");
    setConfig("THEME", "  ");
    EXPECT_EQ(app::Cfg("THEME"), "1");
    setConfig("THEME", "0");
    EXPECT_EQ(app::Cfg("THEME"), "0");
    // Only the key itself, untrimmed, counts.
    removeConfig("THEME");
    EXPECT_EQ(app::Cfg(" THEME"), " ");
}

TEST_F(ConfigTable, DateRangeKeysSendTheWholeStatementInUpperCase)
{
    setConfig("[FECHA DESDE]", "01/01/2024");
    EXPECT_EQ(app::Cfg("[fecha desde]"), "01/01/2024");
    EXPECT_EQ(handed.last(), "SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WITH(NOLOCK)  WHERE CLAVE = '[FECHA DESDE]'");
}

TEST_F(ConfigTable, AGroupOtherThanDatosRestrictsTheRead)
{
    execute("INSERT INTO TA_CONFIGURACION (Grupo, Clave, Valor) VALUES ('VENTAS', 'NOMBRE', 'otra')");
    EXPECT_EQ(app::Cfg("NOMBRE", nullptr, "Ventas"), "otra");
    EXPECT_EQ(handed.last(),
              "SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'NOMBRE' AND GRUPO ='Ventas'");
    EXPECT_EQ(app::Cfg("TituloClientes", nullptr, "Ventas"), " ");
    app::Cfg("NOMBRE", nullptr, "datos");
    EXPECT_FALSE(handed.last().contains("GRUPO"));
}

TEST_F(ConfigTable, ApostrophesInKeysAndGroupsAreDoubled)
{
    setConfig("D'ANGELO", "si");
    EXPECT_EQ(app::Cfg("D'ANGELO"), "si");
    EXPECT_EQ(app::Cfg("X", nullptr, "O'Higgins"), " ");
    EXPECT_TRUE(handed.last().endsWith("WHERE CLAVE = 'X' AND GRUPO ='O''Higgins'"));
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ConfigTable, AClosedSuiteConnectionReadsEmptyWithoutAStatement)
{
    db->gOpenFlag = false;
    QString aux = "kept";
    EXPECT_EQ(app::Cfg("NOMBRE", &aux), "");
    EXPECT_EQ(aux, "kept");
    EXPECT_TRUE(handed.isEmpty());
}

TEST_F(ConfigTable, AFailedReadAsksAndLeavesWithEmptyTextUnlessIgnored)
{
    execute("DROP TABLE TA_CONFIGURACION");
    dialogs.pushMsgBoxAnswer(ui::vbAbort);   // the recordset's own box
    dialogs.pushMsgBoxAnswer(ui::vbRetry);   // Cfg's: Retry leaves too
    EXPECT_EQ(app::Cfg("THEME"), "");
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_TRUE(boxes()[1].title.endsWith(" - Cfg Aviso al operador!!! - 2 "));
    EXPECT_TRUE(moduleLog().contains("Rutina: - Cfg Mensaje "));
    EXPECT_TRUE(moduleLog().endsWith("Respondió : Reintentar\r\n"));

    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);  // goes on: the blank theme reads "1"
    EXPECT_EQ(app::Cfg("THEME"), "1");
    EXPECT_EQ(boxes().size(), 4);
}

TEST_F(ConfigTable, WritingAMissingKeyAddsItTrimmedAndUpperCased)
{
    app::GrabaDfg(" Nueva_Clave ", vb::Variant(QString("  valor ")), "", false, "DATOS", true, false);
    EXPECT_EQ(handed,
              QStringList{"SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = ' Nueva_Clave '"});
    EXPECT_EQ(configRows("NUEVA_CLAVE"), 1);
    EXPECT_EQ(row("Clave", "NUEVA_CLAVE").toString(), "NUEVA_CLAVE");
    EXPECT_EQ(row("Valor", "NUEVA_CLAVE").toString(), "valor");
    EXPECT_EQ(row("Grupo", "NUEVA_CLAVE").toString(), "DATOS");
    EXPECT_FALSE(row("PoliticaNegocio", "NUEVA_CLAVE").toBool());
    EXPECT_TRUE(row("ValorAux", "NUEVA_CLAVE").isNull());
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_FALSE(QFile::exists(moduleLogPath()));
}

TEST_F(ConfigTable, WritingAnExistingKeyUpdatesItsRowAndKeepsAnOmittedAuxiliary)
{
    execute("UPDATE TA_CONFIGURACION SET ValorAux = 'guardado' WHERE Clave = 'CALLE'");
    app::GrabaDfg("CALLE", vb::Variant(QString(" San Martín ")), "", true, "DATOS", false, false);
    EXPECT_EQ(configRows("CALLE"), 1);
    EXPECT_EQ(row("Valor", "CALLE").toString(), " San Martín ");
    EXPECT_EQ(row("ValorAux", "CALLE").toString(), "guardado");
    EXPECT_TRUE(row("PoliticaNegocio", "CALLE").toBool());

    app::GrabaDfg("CALLE", vb::Variant(QString("Mitre")), "  nuevo ", false, "DATOS", true, false);
    EXPECT_EQ(row("ValorAux", "CALLE").toString(), "nuevo");
    app::GrabaDfg("CALLE", vb::Variant(QString("Mitre")), "  nuevo ", false, "DATOS", false, false);
    EXPECT_EQ(row("ValorAux", "CALLE").toString(), "  nuevo ");
    EXPECT_EQ(app::Cfg("CALLE"), "Mitre");
}

TEST_F(ConfigTable, AnotherGroupTakesPartInTheSearchAndIsWritten)
{
    app::GrabaDfg("NOMBRE", vb::Variant(QString("Sucursal")), "", false, "Ventas", true, false);
    EXPECT_EQ(handed.last(), "SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'NOMBRE' AND GRUPO = 'Ventas'");
    EXPECT_EQ(configRows("NOMBRE"), 2);
    EXPECT_EQ(app::Cfg("NOMBRE", nullptr, "VENTAS"), "Sucursal");
    EXPECT_EQ(app::Cfg("NOMBRE", nullptr, "DATOS"), "Quindal Insumos Industriales S.A.");
}

TEST_F(ConfigTable, DeletingRemovesTheRowAndAMissingKeyWritesNothing)
{
    app::GrabaDfg("PISO", vb::Variant(), "", false, "DATOS", true, true);
    EXPECT_EQ(configRows("PISO"), 0);
    app::GrabaDfg("NUNCA_ESTUVO", vb::Variant(QString("x")), "", false, "DATOS", true, true);
    EXPECT_EQ(configRows("NUNCA_ESTUVO"), 0);
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_FALSE(QFile::exists(moduleLogPath()));
}

TEST_F(ConfigTable, AFailedWriteLeavesALogLineAndNoBox)
{
    vb::ClockScope clock(QDateTime(QDate(2024, 6, 3), QTime(8, 0, 0)));
    app::GrabaDfg("NOMBRE", vb::Variant(QString(300, u'x')), "", false, "DATOS", true, false);
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_EQ(app::Cfg("NOMBRE"), "Quindal Insumos Industriales S.A.");
    const QStringList lines = moduleLog().split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith("06-03-2024 08:00:00 Rutina: - GrabaDfg Mensaje Ha ocurrido el Siguiente Error ("));
    EXPECT_TRUE(lines[0].endsWith(" Respondió : "));
}

TEST_F(ConfigTable, AWriteBeforeAnyReadStillFindsTheTable)
{
    app::state().configuration.TablaConfiguracion.clear();
    app::GrabaDfg("CLetra", vb::Variant(std::int32_t(255)));
    EXPECT_EQ(row("Valor", "CLetra").toString(), "255");
    EXPECT_EQ(configRows("CLetra"), 1);
}

class StatisticsConfigTable : public ConfigTable {
protected:
    void SetUp() override
    {
        openDemo();
        app::ConectarEstadisticas();
        ASSERT_TRUE(stats->gOpenFlag);
        handedStatistics.clear();
    }
    vb::Variant statisticsRow(const QString& column, const QString& key)
    {
        return scalarStatistics(QStringLiteral("SELECT %1 FROM TA_CONFIGURACION WHERE Clave = '%2'").arg(column, key));
    }
};

TEST_F(StatisticsConfigTable, ReadsByKeyAloneOnTheStatisticsDatabase)
{
    QString aux = "x";
    EXPECT_EQ(app::CfgKQ(" TimeOut ", &aux), "60");
    EXPECT_EQ(aux, "");
    EXPECT_EQ(handedStatistics,
              QStringList{"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'"});
    EXPECT_TRUE(handed.isEmpty());
    EXPECT_EQ(app::CfgKQ("NOMBRE"), " ");
    EXPECT_EQ(app::CfgKQ("THEME"), "1");
}

TEST_F(StatisticsConfigTable, TheGroupIsOnlyWrittenAndTheAuxiliaryAlwaysTrimmed)
{
    app::GrabaCfgKQ("TimeOut", vb::Variant(QString("90")), "  nota ", false, "Otro", false);
    EXPECT_EQ(handedStatistics, QStringList{"SELECT * FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'TimeOut'"});
    EXPECT_EQ(scalarStatistics("SELECT COUNT(*) FROM TA_CONFIGURACION").toLong(), 1);
    EXPECT_EQ(statisticsRow("Grupo", "TimeOut").toString(), "Otro");
    EXPECT_EQ(statisticsRow("Clave", "TimeOut").toString(), "TIMEOUT");
    EXPECT_EQ(statisticsRow("ValorAux", "TimeOut").toString(), "nota");
    EXPECT_EQ(app::CfgKQ("TimeOut"), "90");
}

TEST_F(StatisticsConfigTable, RetryRunsTheFailingStepAgainOnlyOnTheStatisticsReader)
{
    executeStatistics("DROP TABLE TA_CONFIGURACION");
    for (int answer : {ui::vbAbort, ui::vbRetry, ui::vbAbort})
        dialogs.pushMsgBoxAnswer(answer);
    EXPECT_EQ(app::CfgKQ("TimeOut"), "");
    ASSERT_EQ(boxes().size(), 3);
    EXPECT_TRUE(boxes()[1].title.endsWith(" - CfgKQ Aviso al operador!!! - 2 "));
    EXPECT_EQ(boxes()[2].title, boxes()[1].title);
    EXPECT_EQ(dialogs.unusedAnswers(), 0);
}

} // namespace
