#include "EmbeddedDatabase.h"

#include <gtest/gtest.h>

namespace {

class DialectTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.run(QStringLiteral(
            "CREATE TABLE dbo.MA_ARTICULOS (Codigo varchar(10) NOT NULL PRIMARY KEY, Descripcion varchar(40) NULL,\n"
            "  Precio money NULL, Stock int NULL, Alta datetime NULL, Activo bit NULL, Tipo char(3) NULL)\n"
            "INSERT INTO MA_ARTICULOS VALUES ('A1', 'Tornillo', 10.5, 100, '2024-01-15 00:00:00', 1, 'X')\n"
            "INSERT INTO MA_ARTICULOS VALUES ('A2', 'tuerca', 2.25, 50, '2024-02-20 10:30:00', 0, 'Y')\n"
            "INSERT INTO MA_ARTICULOS VALUES ('B1', 'Ñandú de peluche', 99.99, 0, '2023-12-31 00:00:00', 1, 'X')\n"
            "INSERT INTO MA_ARTICULOS VALUES ('B2', 'arandela  ', NULL, NULL, NULL, NULL, NULL)"));
    }

    EmbeddedDatabase db;
};

TEST_F(DialectTest, TopLimitsRowsAlsoInsideSubSelects)
{
    EXPECT_EQ(db.rows(QStringLiteral("SELECT TOP 2 Codigo FROM MA_ARTICULOS ORDER BY Codigo")),
              QStringList({"A1", "A2"}));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT Codigo FROM MA_ARTICULOS WHERE Codigo IN (SELECT TOP 1 Codigo FROM MA_ARTICULOS ORDER BY Codigo DESC)")),
              QStringList({"B2"}));
    EXPECT_EQ(db.rows(QStringLiteral("SELECT TOP 100 PERCENT Codigo FROM MA_ARTICULOS ORDER BY Codigo")).size(), 4);
}

} // namespace
