#include "data/DB_Dll.h"
#include "data/OracleDialect.h"

#include "QStringPrinting.h"

#include <gtest/gtest.h>

namespace {

using data::OracleDialect;

TEST(OracleDialect, RewritesEachRule)
{
    struct Case { const char* sql; const char* expected; };
    const Case cases[] = {
        {"SELECT top 10 Codigo FROM T WHERE a = 1 ORDER BY Codigo",
         "SELECT  Codigo FROM T WHERE a = 1    AND ROWNUM <= 10  ORDER BY Codigo"},
        {"SELECT TOP 5 * FROM T", "SELECT  * FROM T  WHERE ROWNUM <= 5  "},
        {"SELECT TOP 3 a, COUNT(*) FROM T WHERE b = 2 GROUP BY a ORDER BY a",
         "SELECT  a, COUNT(*) FROM T WHERE b = 2    AND ROWNUM <= 3 GROUP BY a ORDER BY a "},
        {"SELECT x FROM T WHERE LEN (Nombre) > 3 AND LEN(a) = LEN    (b)",
         "SELECT x FROM T WHERE LENGTH(Nombre) > 3 AND LENGTH(a) = LENGTH(b)"},
        {"SELECT [Mi Campo] FROM T", "SELECT \"Mi Campo\" FROM T"},
        {"SELECT * FROM T WHERE F >= '01/02/2024' AND G < '01/02/2024' AND N = 'ABC'",
         "SELECT * FROM T WHERE F >= TO_DATE('01/02/2024','DD/MM/YYYY') AND G < TO_DATE('01/02/2024','DD/MM/YYYY') AND N = 'ABC'"},
        {"SELECT * FROM T WHERE F = TO_DATE('5/3/2024','DD/MM/YYYY')",
         "SELECT * FROM T WHERE F = TO_DATE('05/03/2024','DD/MM/YYYY')"},
        {"SELECT CHARINDEX('a', b) FROM T", "SELECT InStr('a', b) FROM T"},
        {"SELECT CONVERT(NVARCHAR, Fecha, 103), convert(int, x) FROM T",
         "SELECT TO_CHAR( Fecha, 'DD/MM/YYYY'), TO_NUMBER( x) FROM T"},
        {"SELECT '' AS a, x FROM T WHERE a = '' AND b=''", "SELECT '' AS a, x FROM T WHERE a  IS NULL  AND b IS NULL "},
        {"SELECT x FROM T WHERE y = 103", "SELECT x FROM T WHERE y = 103"},
        {"SELECT SUBSTRING(a,1,2), ISNULL(b,0), 'ISNULL(' FROM T", "SELECT SUBSTR(a,1,2), NVL(b,0), 'NVL(' FROM T"},
        {"SELECT 'abierto FROM T", "SELECT 'abierto FROM T"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OracleDialect::translate(c.sql), QString(c.expected)) << c.sql;
}

TEST(OracleDialect, OnlyOracleConnectionsTranslateAndSingleWordsStayWords)
{
    data::DB_Dll db;
    db.configure([&](data::DbSettings& s) { s.gConnString = "PROVIDER=SQLOLEDB;Server=s;Database =d;"; });
    EXPECT_EQ(db.ORACLE_Dicc("SELECT TOP 1 ISNULL(a,0) FROM T"), "SELECT TOP 1 ISNULL(a,0) FROM T");
    EXPECT_EQ(db.ORACLE_Dicc("LEN"), "LEN");
    db.configure([&](data::DbSettings& s) { s.gConnString = "Provider=OraOLEDB.Oracle.1;Data Source=XE;"; });
    EXPECT_EQ(db.ORACLE_Dicc("len"), "LENGTH");
    EXPECT_EQ(db.ORACLE_Dicc("ISNULL(a,0)"), "ISNULL(a,0)");
    EXPECT_EQ(db.ORACLE_Dicc(""), "");
    EXPECT_EQ(db.ORACLE_Dicc("SELECT ISNULL(a,0) FROM T"), "SELECT NVL(a,0) FROM T");
}

} // namespace
