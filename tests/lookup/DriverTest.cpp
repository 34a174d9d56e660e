// The lookup driver on the demo database: the statement of each path as text and as rows,
// the row limit, the members handed to the window and read back, and the resets after every
// lookup, with or without a window.
#include "LookupTestBase.h"

#include "lookup/Consultas.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/LookupStatement.h"
#include "lookup/MaskFile.h"
#include "ui/DialogService.h"

#include <QFile>
#include <algorithm>

namespace {

struct Search {
    explicit Search(QString table) : sql(std::move(table)) {}
    QString sql;
    QString clave;
    QString campoBusqueda;
    QString where;
    QString sentenciaOpcional;
    bool treeView = false;
    QString valoresDefault;
    vb::CollectionPtr cmps;
};

class Driver : public LookupTestBase {
protected:
    Driver()
    {
        openDemo();
        lookup::PrepararConsultas();
        recordWindows();
    }

    lookup::Lib_ClsCons3& consulta() { return lookup::gConsulta(); }

    Search& run(Search& s)
    {
        consulta().ConsultaSearch(s.sql, s.cmps, s.clave, s.campoBusqueda, s.where, s.sentenciaOpcional, s.treeView,
                                  s.valoresDefault);
        return s;
    }

    // The statement the list window received for a lookup of sql.
    QString statementFor(Search s)
    {
        const qsizetype before = listRequests.size();
        run(s);
        return listRequests.size() > before ? listRequests.last().sql : QStringLiteral("<no window>");
    }

    void addMask(const QString& tabla, const QString& campos, const QString& condicion = {})
    {
        lookup::MascaraConsulta record;
        record.Nombre = tabla;
        record.Tabla = tabla;
        record.Campos = campos;
        record.Condicion = condicion;
        lookup::MaskFile::append(consulta().gRutaMascaraConsultas, {record});
    }

    static std::vector<QStringList> sorted(std::vector<QStringList> rows)
    {
        std::sort(rows.begin(), rows.end());
        return rows;
    }
};

TEST_F(Driver, SuppliersComeFromTheirMaskWithoutTheOnesGivenUp)
{
    Search s{QStringLiteral("VT_PROVEEDORES")};
    run(s);
    ASSERT_EQ(listRequests.size(), 1);
    const QString sql = listRequests[0].sql;
    EXPECT_EQ(sql, QStringLiteral("SELECT TOP 500 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES  with(nolock)  WHERE "
                                  "Dada_De_Baja = 0 ORDER BY RAZON_SOCIAL"));
    EXPECT_EQ(s.campoBusqueda, QStringLiteral("RAZON_SOCIAL"));
    EXPECT_FALSE(listRequests[0].OrdenarPorLwv);

    const auto shown = rows(sql);
    const auto active = rows(QStringLiteral("SELECT Razon_Social, Codigo FROM MA_CUENTAS WHERE Tipo = 'P' AND Dada_De_Baja = 0"));
    ASSERT_GT(active.size(), 10u);
    EXPECT_EQ(sorted(shown), sorted(active));
    EXPECT_LT(active.size(), rows(QStringLiteral("SELECT Codigo FROM MA_CUENTAS WHERE Tipo = 'P'")).size());
}

TEST_F(Driver, TheCallersConditionStandsForAnEmptyMaskConditionAndComesBackWrapped)
{
    Search s{QStringLiteral("vt_clientes")};
    s.where = QStringLiteral("IdVendedor = '   2'");
    run(s);
    ASSERT_EQ(listRequests.size(), 1);
    EXPECT_EQ(s.where, QStringLiteral(" (IdVendedor = '   2') "));
    const QString sql = listRequests[0].sql;
    EXPECT_EQ(sql, QStringLiteral("SELECT TOP 500 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES  with(nolock)  WHERE "
                                  " (IdVendedor = '   2')  ORDER BY RAZON_SOCIAL"));
    EXPECT_EQ(rows(sql).size(), 5u);   // every fifth client belongs to the second seller
}

TEST_F(Driver, AMaskConditionAndTheCallersBothHoldAndKeepOutTheDefault)
{
    addMask(QStringLiteral("V_TA_MotivoCpra"), QStringLiteral("|Descripcion|IdMotivoCpra|"),
            QStringLiteral("IdMotivoCpra <> '   1'") + QChar(0));
    Search s{QStringLiteral("V_TA_MOTIVOCPRA")};
    s.where = QStringLiteral("IdMotivoCpra <> '   2'");
    run(s);
    const QString sql = listRequests.at(0).sql;
    EXPECT_EQ(sql, QStringLiteral("SELECT TOP 500 Descripcion,IdMotivoCpra FROM V_TA_MotivoCpra  with(nolock)  WHERE "
                                  "IdMotivoCpra <> '   1' and  (IdMotivoCpra <> '   2')  ORDER BY Descripcion"));
    const auto all = rows(QStringLiteral("SELECT IdMotivoCpra FROM V_TA_MotivoCpra"));
    EXPECT_EQ(rows(sql).size(), all.size() - 2);

    // A mask condition with an OR of its own keeps it apart from the caller's.
    addMask(QStringLiteral("V_TA_Rubros"), QStringLiteral("|Descripcion|IDRubro|"),
            QStringLiteral("IDRubro = '   1' or IDRubro = '   2'"));
    Search rubros{QStringLiteral("V_TA_Rubros")};
    rubros.where = QStringLiteral("IDRubro <> '   1'");
    const QString filtered = statementFor(rubros);
    EXPECT_TRUE(filtered.contains(QStringLiteral("WHERE (IDRubro = '   1' or IDRubro = '   2') and  (IDRubro <> '   1') ")))
        << filtered.toStdString();
    EXPECT_EQ(rows(filtered), (std::vector<QStringList>{{QStringLiteral("Electricidad"), QStringLiteral("   2")}}));
}

TEST(LookupConditions, AnOrOutsideParenthesesAndQuotesIsKeptApartWhenJoined)
{
    using lookup::LookupStatement;
    EXPECT_EQ(LookupStatement::bothConditions(QStringLiteral("Activo = 1"), QStringLiteral("Zona = 2")),
              QStringLiteral("Activo = 1 and Zona = 2"));
    EXPECT_EQ(LookupStatement::bothConditions(QStringLiteral("  "), QStringLiteral("Zona = 2")), QStringLiteral("Zona = 2"));
    EXPECT_EQ(LookupStatement::bothConditions(QStringLiteral("Activo = 1"), QString()), QStringLiteral("Activo = 1"));
    EXPECT_EQ(LookupStatement::bothConditions(QStringLiteral("A = 1 OR B = 2"), QStringLiteral("C = 3 or D = 4")),
              QStringLiteral("(A = 1 OR B = 2) and (C = 3 or D = 4)"));
    EXPECT_FALSE(LookupStatement::hasTopLevelOr(QStringLiteral("(A = 1 OR B = 2)")));
    EXPECT_FALSE(LookupStatement::hasTopLevelOr(QStringLiteral("Nombre = 'Juan or Pedro'")));
    EXPECT_FALSE(LookupStatement::hasTopLevelOr(QStringLiteral("Origen = 1 AND Orden = 2")));
    EXPECT_TRUE(LookupStatement::hasTopLevelOr(QStringLiteral("Nombre = 'O''Higgins' OR x=1")));
}

TEST_F(Driver, ArticlesShowThePricedViewWithoutSuspendedOnes)
{
    Search s{QStringLiteral("V_MA_ARTICULOS")};
    run(s);
    const QString sql = listRequests.at(0).sql;
    EXPECT_EQ(sql, QStringLiteral("SELECT TOP 500 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  WHERE "
                                  "SUSPENDIDO = 0 ORDER BY DESCRIPCION"));
    const auto shown = rows(sql);
    EXPECT_EQ(shown.size(), size_t(scalar(QStringLiteral("SELECT COUNT(*) FROM MA_ARTICULOS WHERE SUSPENDIDO = 0")).toLong()));
    EXPECT_LT(shown.size(), size_t(scalar(QStringLiteral("SELECT COUNT(*) FROM MA_ARTICULOS")).toLong()));
}

TEST_F(Driver, AOneColumnMaskNeedsASearchColumnFromTheCaller)
{
    addMask(QStringLiteral("V_TA_MotivoCpra"), QStringLiteral("|IdMotivoCpra|"));
    Search s{QStringLiteral("V_TA_MotivoCpra")};
    run(s);
    EXPECT_TRUE(listRequests.isEmpty());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, QStringLiteral("Debe configurar la consulta para esta tabla"));
    EXPECT_EQ(boxes()[0].title, QStringLiteral("Aviso al operador"));
    EXPECT_EQ(boxes()[0].icon, int(ui::vbInformation));
    EXPECT_EQ(boxes()[0].buttons, QList<int>{ui::vbOK});

    s = Search{QStringLiteral("V_TA_MotivoCpra")};
    s.campoBusqueda = QStringLiteral("IdMotivoCpra");
    run(s);
    const QString sql = listRequests.at(0).sql;
    EXPECT_EQ(sql, QStringLiteral("SELECT TOP 500 IdMotivoCpra FROM V_TA_MotivoCpra  with(nolock)  ORDER BY IdMotivoCpra"));
    EXPECT_EQ(rows(sql).size(), rows(QStringLiteral("SELECT IdMotivoCpra FROM V_TA_MotivoCpra")).size());
}

TEST_F(Driver, AWholeSelectGetsTheCallersConditionAndThePricedArticleView)
{
    Search s{QStringLiteral("  select Codigo, Razon_Social from VT_PROVEEDORES")};
    s.where = QStringLiteral("Dada_De_Baja = 1");
    run(s);
    EXPECT_EQ(s.where, QStringLiteral(" WHERE  (Dada_De_Baja = 1) "));
    EXPECT_EQ(s.campoBusqueda, QString());
    QString sql = listRequests.at(0).sql;
    EXPECT_EQ(sql, QStringLiteral("  select Codigo, Razon_Social from VT_PROVEEDORES WHERE  (Dada_De_Baja = 1) "));
    EXPECT_TRUE(listRequests[0].OrdenarPorLwv);
    EXPECT_EQ(rows(sql).size(), rows(QStringLiteral("SELECT Codigo FROM MA_CUENTAS WHERE Tipo = 'P' AND Dada_De_Baja = 1")).size());

    // A one-character condition stays as it is; so does one that begins with "(".
    s = Search{QStringLiteral("SELECT IdArticulo, Descripcion FROM v_ma_articulos ORDER BY IdArticulo")};
    s.where = QStringLiteral("x");
    EXPECT_EQ(statementFor(s), QStringLiteral("SELECT IdArticulo, Descripcion FROM VT_MA_ARTICULOS ORDER BY IdArticulo WHERE x"));
    EXPECT_FALSE(listRequests.last().OrdenarPorLwv);
    s = Search{QStringLiteral("select Codigo from VT_PROVEEDORES")};
    s.where = QStringLiteral("(Codigo = '1') OR (Codigo = '2')");
    run(s);
    EXPECT_EQ(s.where, QStringLiteral(" WHERE (Codigo = '1') OR (Codigo = '2')"));
}

TEST_F(Driver, ANameThatMerelyContainsSelectIsATableAndNeverGetsAnEmptyOrderBy)
{
    Search s{QStringLiteral("V_SELECTOS")};
    s.where = QStringLiteral("a");
    run(s);
    // The probe of a missing table is reported by the data access; the lookup goes on.
    EXPECT_FALSE(boxes().isEmpty());
    EXPECT_EQ(listRequests.at(0).sql, QStringLiteral("SELECT TOP 500  *  FROM V_SELECTOS WHERE  a"));
    EXPECT_EQ(s.campoBusqueda, QString());
}

TEST_F(Driver, WithoutAMaskTheTableShowsItsOwnColumnsInReverse)
{
    execute(QStringLiteral("CREATE TABLE MA_PRUEBA (ID int, Codigo varchar(10), Descripcion varchar(50), Precio money, "
                           "FECHAHORA_GRABACION datetime)"));
    execute(QStringLiteral("INSERT INTO MA_PRUEBA VALUES (1, 'C1', 'Tuerca', 5, '2024-01-01')"));
    execute(QStringLiteral("INSERT INTO MA_PRUEBA VALUES (2, 'C2', 'Arandela', 50, '2024-01-01')"));
    execute(QStringLiteral("INSERT INTO MA_PRUEBA VALUES (3, 'C3', 'Bulon', 500, '2024-01-01')"));
    Search s{QStringLiteral("MA_PRUEBA")};
    s.campoBusqueda = QStringLiteral("Codigo");
    run(s);
    EXPECT_EQ(s.campoBusqueda, QStringLiteral("Descripcion"));
    QString sql = listRequests.at(0).sql;
    EXPECT_EQ(sql, QStringLiteral("SELECT TOP 500 Precio,Descripcion,Codigo FROM MA_PRUEBA  ORDER BY Descripcion"));
    const auto all = rows(sql);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0][1], QStringLiteral("Arandela"));
    EXPECT_EQ(all[2][1], QStringLiteral("Tuerca"));

    s = Search{QStringLiteral("MA_PRUEBA")};
    s.where = QStringLiteral("Precio > 10");
    run(s);
    sql = listRequests.last().sql;
    EXPECT_EQ(sql, QStringLiteral("SELECT TOP 500 Precio,Descripcion,Codigo FROM MA_PRUEBA WHERE   (Precio > 10)  ORDER BY Descripcion"));
    EXPECT_EQ(rows(sql).size(), 2u);
}

TEST_F(Driver, BuiltInColumnChoices)
{
    Search s{QStringLiteral("V_TA_STATUS")};
    EXPECT_EQ(statementFor(s), QStringLiteral("SELECT TOP 500 Descripcion,Tipo,CodigoEstado FROM V_TA_STATUS  ORDER BY CodigoEstado"));
    run(s);
    EXPECT_EQ(s.campoBusqueda, QStringLiteral("CodigoEstado"));
    EXPECT_EQ(statementFor(Search{QStringLiteral("v_ta_unidad")}),
              QStringLiteral("SELECT TOP 500 Descripcion,IdUnidad FROM v_ta_unidad  ORDER BY IdUnidad"));

    // The tropa stock view keeps its id, other tables lose it.
    const QString tropa = statementFor(Search{QStringLiteral("V_MV_TROPA_STOCK")});
    EXPECT_EQ(tropa, QStringLiteral("SELECT TOP 500 idPlanilla,fecha,comprador,kg,lado,secuencia,categoria,idTropa,id "
                                    "FROM V_MV_TROPA_STOCK  ORDER BY id"));
    EXPECT_EQ(columnNames(tropa).size(), 9);
}

TEST_F(Driver, TheUserLookupNeverShowsThePasswordColumn)
{
    consulta().CampoDevuelto = QStringLiteral("NOMBRE");
    Search s{QStringLiteral("TA_USUARIOS")};
    run(s);
    const QString sql = listRequests.at(0).sql;
    EXPECT_EQ(sql, QStringLiteral("SELECT TOP 500 Email,IdVendedor,verproforma,clasepusa,UNegocio,NombreCompleto,Sistema,"
                                  "Administrador,Nombre FROM TA_USUARIOS  ORDER BY Nombre"));
    EXPECT_FALSE(columnNames(sql).contains(QStringLiteral("PassWord"), Qt::CaseInsensitive));
    EXPECT_EQ(rows(sql).size(), 3u);
    EXPECT_EQ(listRequests[0].CampoDevuelto, QStringLiteral("NOMBRE"));
}

TEST_F(Driver, AnOptionalStatementStandsOnlyForTheBuiltInColumns)
{
    Search s{QStringLiteral("V_TA_MotivoCpra")};
    s.sentenciaOpcional = QStringLiteral("select IdMotivoCpra from V_TA_MotivoCpra");
    s.campoBusqueda = QStringLiteral("x");
    s.where = QStringLiteral("1 = 0");
    run(s);
    EXPECT_EQ(listRequests.at(0).sql, QStringLiteral("select IdMotivoCpra from V_TA_MotivoCpra"));
    EXPECT_EQ(s.campoBusqueda, QStringLiteral("x"));

    s = Search{QStringLiteral("VT_PROVEEDORES")};
    s.sentenciaOpcional = QStringLiteral("select 1");
    EXPECT_TRUE(statementFor(s).startsWith(QStringLiteral("SELECT TOP 500 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES")));
}

TEST_F(Driver, WithoutMasksOrWithoutTheMaskFileTheTableGivesItsColumns)
{
    const QString expected = QStringLiteral("FROM VT_PROVEEDORES  ORDER BY Nombre");
    consulta().gUsarMascarasConsultas = false;
    EXPECT_TRUE(statementFor(Search{QStringLiteral("VT_PROVEEDORES")}).endsWith(expected));
    consulta().gUsarMascarasConsultas = true;
    ASSERT_TRUE(QFile::remove(consulta().gRutaMascaraConsultas));
    EXPECT_TRUE(statementFor(Search{QStringLiteral("VT_PROVEEDORES")}).endsWith(expected));
}

TEST_F(Driver, TheMaskFileIsFoundWhateverItsLetterCase)
{
    ASSERT_TRUE(QFile::rename(consulta().gRutaMascaraConsultas, programFile(QStringLiteral("CONSULTAS.QZT"))));
    EXPECT_TRUE(statementFor(Search{QStringLiteral("VT_PROVEEDORES")}).startsWith(QStringLiteral("SELECT TOP 500 RAZON_SOCIAL,CODIGO ")));
}

TEST_F(Driver, TheRowLimitComesFromTheConfiguration)
{
    const struct {
        const char* text;
        int top;
    } cases[] = {{"", 1000}, {"0", 1000}, {"abc", 1000}, {"250", 250}, {"12.5", 12}, {"13.5", 14}, {"-5", 1000},
                 {"0.4", 1000}, {"7abc", 7}, {"3000000000", 2147483647}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        setConfig(QStringLiteral("TopConsArt"), QString::fromLatin1(c.text));
        EXPECT_EQ(statementFor(Search{QStringLiteral("V_TA_STATUS")}),
                  QStringLiteral("SELECT TOP %1 Descripcion,Tipo,CodigoEstado FROM V_TA_STATUS  ORDER BY CodigoEstado").arg(c.top));
    }
    setConfig(QStringLiteral("TopConsArt"), vb::Variant::null());
    EXPECT_TRUE(statementFor(Search{QStringLiteral("V_TA_STATUS")}).startsWith(QStringLiteral("SELECT TOP 1000 ")));

    setConfig(QStringLiteral("TopConsArt"), QStringLiteral("12.5"));
    EXPECT_EQ(rows(statementFor(Search{QStringLiteral("VT_PROVEEDORES")})).size(), 12u);
}

TEST_F(Driver, ConstructionReadsTheStockColoursAndSwitches)
{
    setConfig(QStringLiteral("Stk_Nivel1"), QString());
    setConfig(QStringLiteral("Stk_Nivel2"), vb::Variant::null());
    setConfig(QStringLiteral("Stk_Nivel3"), QStringLiteral("255"));
    setConfig(QStringLiteral("UsaConsultaLike"), QStringLiteral("si"));
    lookup::Lib_ClsCons3 fresh;
    EXPECT_TRUE(fresh.StkNivel1.sameAs(vb::Variant(0)));
    EXPECT_TRUE(fresh.StkNivel2.sameAs(vb::Variant(QStringLiteral(" "))));
    EXPECT_TRUE(fresh.StkNivel3.sameAs(vb::Variant(QStringLiteral("255"))));
    EXPECT_EQ(fresh.MuestraStock, QStringLiteral("SI"));
    EXPECT_TRUE(fresh.usaConsultaLike());
    ASSERT_TRUE(fresh.CmpsDevueltos);
    EXPECT_EQ(fresh.CmpsDevueltos->count(), 0);
    ASSERT_TRUE(fresh.Valores);
    EXPECT_FALSE(fresh.Cantidades);

    // Blanks around the value count for nothing, as in every other reading of it.
    setConfig(QStringLiteral("UsaConsultaLike"), QStringLiteral(" SI "));
    EXPECT_TRUE(lookup::Lib_ClsCons3().usaConsultaLike());
    setConfig(QStringLiteral("UsaConsultaLike"), QStringLiteral("SIN"));
    EXPECT_FALSE(lookup::Lib_ClsCons3().usaConsultaLike());
}

TEST_F(Driver, TheWindowGetsTheLookupsMembersAndTheDriverReadsItsAnswer)
{
    consulta().gConnString.clear();
    consulta().Checks = true;
    consulta().CampoDevuelto = QStringLiteral("CODIGO");
    consulta().UsaCantidades = true;
    Search s{QStringLiteral("VT_PROVEEDORES")};
    s.clave = QStringLiteral("ab");
    s.valoresDefault = QStringLiteral("10,12");
    s.cmps = vb::Collection::create();
    s.cmps->add(QStringLiteral("CODIGO"));
    s.cmps->add(QStringLiteral("RAZON_SOCIAL"));
    const vb::CollectionPtr callersList = s.cmps;
    int columnsSeen = 0;
    nextAnswer.ValorDevuelto = QStringLiteral("21100003");
    nextAnswer.Valores = vb::Collection::create();
    nextAnswer.Valores->add(QStringLiteral("21100003"));
    nextAnswer.Cantidades = vb::Collection::create();
    lookup::LookupWindows::setListRunner([&](const lookup::ListLookupRequest& request) {
        listRequests.append(request);
        columnsSeen = request.CmpsDevueltos ? request.CmpsDevueltos->count() : -1;
        return nextAnswer;
    });
    run(s);

    ASSERT_EQ(listRequests.size(), 1);
    const lookup::ListLookupRequest& r = listRequests[0];
    EXPECT_TRUE(r.StkNivel1.sameAs(vb::Variant(QStringLiteral("0"))));
    EXPECT_TRUE(r.StkNivel2.sameAs(vb::Variant(QStringLiteral("10"))));
    EXPECT_TRUE(r.StkNivel3.sameAs(vb::Variant(QStringLiteral("50"))));
    EXPECT_TRUE(r.StkNivel4.sameAs(vb::Variant(QStringLiteral("100"))));
    EXPECT_EQ(r.MuestraStock, QStringLiteral("SI"));
    EXPECT_TRUE(r.CfgUsaConsultaLIKE);
    EXPECT_FALSE(r.OrdenarPorLwv);
    EXPECT_EQ(r.FiltroInicial, QStringLiteral("ab"));
    EXPECT_EQ(r.CampoBusqueda, QStringLiteral("RAZON_SOCIAL"));
    EXPECT_EQ(r.gConnString, db->settings().gConnString);
    EXPECT_FALSE(r.gConnString.isEmpty());
    EXPECT_EQ(r.CampoDevuelto, QStringLiteral("CODIGO"));
    EXPECT_TRUE(r.CheckBoxes);
    EXPECT_TRUE(r.UsaCantidades);
    EXPECT_EQ(r.ValoresDefault, QStringLiteral("10,12"));
    EXPECT_EQ(r.CmpsDevueltos, callersList);
    EXPECT_EQ(columnsSeen, 2);

    EXPECT_TRUE(consulta().ValorDevuelto.sameAs(vb::Variant(QStringLiteral("21100003"))));
    EXPECT_EQ(consulta().Valores, nextAnswer.Valores);
    EXPECT_EQ(consulta().Cantidades, nextAnswer.Cantidades);
    EXPECT_FALSE(consulta().Checks);
    EXPECT_EQ(consulta().CampoDevuelto, QString());
    // The caller's column list is emptied, not taken away.
    EXPECT_EQ(s.cmps, callersList);
    EXPECT_EQ(callersList->count(), 0);

    // The connection string taken from the data access stays for later lookups.
    const QString first = consulta().gConnString;
    EXPECT_EQ(first, db->settings().gConnString);
    db->configure([&](data::DbSettings& s) { s.gConnString = QStringLiteral("otra"); });
    run(s);
    EXPECT_EQ(listRequests.last().gConnString, first);
}

TEST_F(Driver, TheObjectsOwnColumnListSurvivesTheLookupsItServes)
{
    consulta().CampoDevuelto = QStringLiteral("CODIGO");
    consulta().CmpsDevueltos->add(QStringLiteral("CODIGO"));
    const vb::CollectionPtr own = consulta().CmpsDevueltos;
    QString clave, busqueda, where, sentencia, valores;
    bool tree = false;
    consulta().ConsultaSearch(QStringLiteral("VT_Proveedores"), consulta().CmpsDevueltos, clave, busqueda, where,
                              sentencia, tree, valores);
    ASSERT_EQ(listRequests.size(), 1);
    EXPECT_EQ(listRequests[0].CmpsDevueltos, own);
    ASSERT_TRUE(consulta().CmpsDevueltos);
    EXPECT_EQ(consulta().CmpsDevueltos, own);
    EXPECT_EQ(own->count(), 0);

    consulta().ConsultaSearch(QStringLiteral("VT_Proveedores"), consulta().CmpsDevueltos, clave, busqueda, where,
                              sentencia, tree, valores);
    EXPECT_EQ(listRequests.size(), 2);
    EXPECT_EQ(listRequests[1].CmpsDevueltos, own);
}

TEST_F(Driver, ALookupThatShowsNoWindowNeverHandsBackThePreviousChoice)
{
    nextAnswer.ValorDevuelto = QStringLiteral("21100001");
    nextAnswer.Valores = vb::Collection::create();
    nextAnswer.Valores->add(QStringLiteral("21100001"));
    nextAnswer.Cantidades = vb::Collection::create();
    consulta().ConsultaSearch(QStringLiteral("VT_PROVEEDORES"));
    ASSERT_TRUE(consulta().ValorDevuelto.sameAs(vb::Variant(QStringLiteral("21100001"))));

    addMask(QStringLiteral("V_TA_MotivoCpra"), QStringLiteral("|IdMotivoCpra|"));
    consulta().Checks = true;
    consulta().CampoDevuelto = QStringLiteral("IdMotivoCpra");
    Search s{QStringLiteral("V_TA_MotivoCpra")};
    s.cmps = vb::Collection::create();
    s.cmps->add(QStringLiteral("IdMotivoCpra"));
    run(s);
    EXPECT_EQ(listRequests.size(), 1);
    EXPECT_EQ(boxes().size(), 1);
    EXPECT_TRUE(consulta().ValorDevuelto.isEmpty());
    EXPECT_FALSE(consulta().Valores);
    EXPECT_FALSE(consulta().Cantidades);
    EXPECT_FALSE(consulta().Checks);
    EXPECT_EQ(consulta().CampoDevuelto, QString());
    ASSERT_TRUE(s.cmps);
    EXPECT_EQ(s.cmps->count(), 0);
}

TEST_F(Driver, TheTreeWindowGetsTheStatementTheReturnedColumnAndTheTicks)
{
    consulta().Checks = true;
    consulta().CampoDevuelto = QStringLiteral("IdFamilia");
    nextAnswer.ValorDevuelto = QStringLiteral("0101");
    Search s{QStringLiteral("select IdFamilia, Descripcion from V_TA_FAMILIAS")};
    s.treeView = true;
    run(s);
    EXPECT_TRUE(listRequests.isEmpty());
    ASSERT_EQ(treeRequests.size(), 1);
    EXPECT_EQ(treeRequests[0].sql, QStringLiteral("select IdFamilia, Descripcion from V_TA_FAMILIAS"));
    EXPECT_EQ(treeRequests[0].CampoDevuelto, QStringLiteral("IdFamilia"));
    EXPECT_TRUE(treeRequests[0].CheckBoxes);
    EXPECT_TRUE(consulta().ValorDevuelto.sameAs(vb::Variant(QStringLiteral("0101"))));
    EXPECT_FALSE(consulta().Checks);
    EXPECT_EQ(consulta().CampoDevuelto, QString());
}

TEST_F(Driver, TheRowLimitReadsItsNumberWithAPointAndHalvesToEven)
{
    EXPECT_EQ(lookup::LookupStatement::rowLimit(QStringLiteral(" ")), 1000);
    EXPECT_EQ(lookup::LookupStatement::rowLimit(QStringLiteral("12,5")), 12);
    EXPECT_EQ(lookup::LookupStatement::rowLimit(QStringLiteral("2.5")), 2);
    EXPECT_EQ(lookup::LookupStatement::rowLimit(QStringLiteral("1.5")), 2);
    EXPECT_EQ(lookup::LookupStatement::rowLimit(QStringLiteral("0.5")), 1000);
    EXPECT_EQ(lookup::LookupStatement::rowLimit(QStringLiteral("1e30")), 2147483647);
}

TEST_F(Driver, OnlyATextStartingWithTheWordSelectIsAStatement)
{
    using lookup::LookupStatement;
    EXPECT_TRUE(LookupStatement::isSelectText(QStringLiteral("\r\n select a from b")));
    EXPECT_TRUE(LookupStatement::isSelectText(QStringLiteral("SELECT*FROM b")));
    EXPECT_FALSE(LookupStatement::isSelectText(QStringLiteral("V_SELECTOS")));
    EXPECT_FALSE(LookupStatement::isSelectText(QStringLiteral("SELECTOS")));
    EXPECT_FALSE(LookupStatement::isSelectText(QStringLiteral("SELECT_X")));
    EXPECT_FALSE(LookupStatement::isSelectText(QStringLiteral("TA (select)")));
}

} // namespace
