#include "AppTestBase.h"

#include "app/AppModule.h"
#include "app/CompanyData.h"

namespace {

class CompanyData : public AppTestBase {
protected:
    void SetUp() override { openDemo(); }

    struct Header {
        QString name, cuit, start, grossIncome, vat, pointOfSale, address;
    };
    Header of(const QString& unit)
    {
        Header h;
        app::DatosEmpresa(unit, h.name, h.cuit, h.start, h.grossIncome, h.vat, h.pointOfSale, h.address);
        return h;
    }
};

TEST_F(CompanyData, AUnitWithItsOwnTaxNumberUsesItsOwnKeys)
{
    setConfig("INICIO_ACTIVIDADES_UN_1", " 15/06/2010 ");
    setConfig("DOMICILIO_UN_1", "Córdoba 1200, Rosario ");
    const Header h = of("   1");
    EXPECT_EQ(h.name, "Quindal Insumos Industriales S.A.");
    EXPECT_EQ(h.cuit, "30-71234567-1");
    EXPECT_EQ(h.start, "15/06/2010");
    EXPECT_EQ(h.grossIncome, "921-765432-1");
    EXPECT_EQ(h.vat, "1");
    EXPECT_EQ(h.pointOfSale, "0001");
    EXPECT_EQ(h.address, "Córdoba 1200, Rosario");
    EXPECT_EQ(app::state().configuration.CondicionIvaTexto, "1");
    EXPECT_EQ(app::state().configuration.CondicionIvaEmpresa, 1);
    ASSERT_GE(handed.size(), 2);
    EXPECT_EQ(handed[0], "SELECT TOP 1  * FROM v_ta_unidadNegocio with(nolock)  WHERE LTRIM(RTRIM(codigo)) ='1'");
    EXPECT_EQ(handed[1],
              "SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = 'INICIO_ACTIVIDADES_UN_1'");
}

TEST_F(CompanyData, MissingUnitKeysFallBackToTheCompanyWideOnes)
{
    for (const char* key : {"INICIO_ACTIVIDADES_UN_1", "INGRESOS_BRUTOS_UN_1", "CONDICIONIVA_UN_1", "DOMICILIO_UN_1"})
        removeConfig(key);
    setConfig("CONDIVAEMPRESA", "4");
    const Header h = of("1");
    EXPECT_EQ(h.name, "Quindal Insumos Industriales S.A.");
    EXPECT_EQ(h.start, "01/03/2004");
    EXPECT_EQ(h.grossIncome, "921-765432-1");
    EXPECT_EQ(h.vat, "4");
    EXPECT_EQ(h.address, "Av. Pellegrini 1450  2 B");
    EXPECT_EQ(app::state().configuration.CondicionIvaEmpresa, 4);
}

TEST_F(CompanyData, AUnitWithoutTaxNumberKeepsOnlyItsPointOfSale)
{
    setConfig("NOMBRE", "Quindal S.A.");
    const Header h = of("   2");
    EXPECT_EQ(h.name, "Quindal S.A.");
    EXPECT_EQ(h.cuit, "30-71234567-1");
    EXPECT_EQ(h.start, "01/03/2004");
    EXPECT_EQ(h.pointOfSale, "0002");
    EXPECT_FALSE(handed.join('\n').contains("_UN_"));
}

TEST_F(CompanyData, WithoutAUnitEverythingButThePointOfSaleIsCompanyWide)
{
    for (const QString& unit : {QString(), QStringLiteral("  77")}) {
        const Header h = of(unit);
        EXPECT_EQ(h.name, "Quindal Insumos Industriales S.A.");
        EXPECT_EQ(h.cuit, "30-71234567-1");
        EXPECT_EQ(h.vat, "1");
        EXPECT_EQ(h.pointOfSale, "");
    }
}

TEST_F(CompanyData, MissingFloorAndFlatLeaveTheirBlanksInTheAddress)
{
    removeConfig("PISO");
    removeConfig("Departamento");
    EXPECT_EQ(of("").address, "Av. Pellegrini 1450     ");
    setConfig("CALLE", "");
    EXPECT_EQ(of("").address, " 1450     ");
}

TEST_F(CompanyData, AVatConditionThatIsNoNumberReachesTheCaller)
{
    removeConfig("CONDIVAEMPRESA");
    QString name, cuit, start, gross, vat, pos, address;
    try {
        app::DatosEmpresa("", name, cuit, start, gross, vat, pos, address);
        FAIL() << "no error";
    } catch (const vb::Error& e) {
        EXPECT_EQ(e.number(), 13);
    }
    EXPECT_EQ(vat, " ");
    EXPECT_EQ(app::state().configuration.CondicionIvaTexto, " ");
    EXPECT_EQ(name, "Quindal Insumos Industriales S.A.");
}

} // namespace
