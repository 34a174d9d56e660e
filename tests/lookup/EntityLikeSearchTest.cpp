// The entity search by partial text on the demo database: each entity's statement as the list
// window receives it and the rows it gives, with and without LIKE mode, with apostrophes and
// pattern characters in the text, the query-mask condition, the warnings, and what comes back
// when the operator picks a row or cancels.
#include "LookupDemoBase.h"

#include "lookup/Lib_FrmCons3.h"
#include "lookup/MaskFile.h"
#include "lookup/SubConsultaLike.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>

namespace {

struct Like {
    explicit Like(QString table, QString text = {}) : tabla(std::move(table)), texto(std::move(text)) {}
    QString tabla;
    QString texto;
    QString codigo = QStringLiteral("<untouched>");
    int porCodigo = 0;
    QString filtro;
    QString adicional1 = QStringLiteral("<a1>");
    QString adicional2 = QStringLiteral("<a2>");
    QString adicional3 = QStringLiteral("<a3>");
};

class EntityLikeSearch : public LookupDemoBase {
protected:
    Like& search(Like& like)
    {
        lookup::SubConsultaLike(like.tabla, like.texto, like.codigo, vb::Variant(0), like.porCodigo, like.filtro,
                                like.adicional1, like.adicional2, like.adicional3);
        return like;
    }

    // The statement the list window received, "<no window>" when none opened.
    QString statementFor(Like&& like) { return statementFor(like); }
    QString statementFor(Like& like)
    {
        const qsizetype before = listRequests.size();
        search(like);
        return listRequests.size() > before ? listRequests.last().sql : QStringLiteral("<no window>");
    }

    // A mask file holding only these records.
    void onlyMasks(const QList<lookup::MascaraConsulta>& records)
    {
        QFile::remove(consulta().gRutaMascaraConsultas);
        lookup::MaskFile::append(consulta().gRutaMascaraConsultas, records);
    }

    static lookup::MascaraConsulta mask(const QString& tabla, const QString& campos, const QString& condicion = {})
    {
        lookup::MascaraConsulta record;
        record.Nombre = tabla;
        record.Tabla = tabla;
        record.Campos = campos;
        record.Condicion = condicion;
        return record;
    }

    static QStringList column(const std::vector<QStringList>& table, int index)
    {
        QStringList out;
        for (const QStringList& row : table)
            out << row.value(index);
        out.sort();
        return out;
    }


    void cancelNext() { nextAnswer = lookup::LookupAnswer{QString(), nullptr, nullptr}; }
};

TEST_F(EntityLikeSearch, SuppliersByNameAmongTheActiveOnesAndTheirCodeComesBack)
{
    const QString name = scalar(QStringLiteral("SELECT Razon_Social FROM VT_PROVEEDORES WHERE Dada_De_Baja = 0 ORDER BY Codigo")).toString();
    const QString piece = name.left(5).toLower();
    pick(QStringLiteral("21100003  "));
    Like like{QStringLiteral("VT_Proveedores"), piece};
    search(like);
    ASSERT_EQ(listRequests.size(), 1);
    const QString sql = listRequests[0].sql;
    EXPECT_EQ(sql, QStringLiteral("SELECT top 500 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES  with(nolock) WHERE RAZON_SOCIAL LIKE '%")
                       + piece + QStringLiteral("%' AND Dada_De_Baja = 0"));
    EXPECT_EQ(listRequests[0].CampoDevuelto, QStringLiteral("CODIGO"));
    EXPECT_FALSE(listRequests[0].CmpsDevueltos);
    EXPECT_EQ(column(rows(sql), 1),
              column(rows(QStringLiteral("SELECT Codigo FROM MA_CUENTAS WHERE Tipo = 'P' AND Dada_De_Baja = 0 AND "
                                         "Razon_Social LIKE '%") + piece + QStringLiteral("%'")), 0));
    EXPECT_FALSE(rows(sql).empty());
    EXPECT_EQ(like.codigo, QStringLiteral("21100003"));
    EXPECT_EQ(like.tabla, QStringLiteral("VT_Proveedores"));
    EXPECT_EQ(like.adicional1, QStringLiteral("<a1>"));
    EXPECT_EQ(consulta().CampoDevuelto, QString());

    // Without text every active supplier; a condition of the caller's own replaces the filter
    // of the ones given up.
    EXPECT_EQ(statementFor(Like{QStringLiteral("VT_PROVEEDORES")}),
              QStringLiteral("SELECT top 500 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES  with(nolock)  WHERE Dada_De_Baja = 0"));
    Like zone{QStringLiteral("VT_PROVEEDORES")};
    zone.filtro = QStringLiteral("Dada_De_Baja = 1");
    const QString givenUp = statementFor(zone);
    EXPECT_EQ(givenUp, QStringLiteral("SELECT top 500 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES  with(nolock)  WHERE Dada_De_Baja = 1"));
    EXPECT_EQ(rows(givenUp).size(), rows(QStringLiteral("SELECT Codigo FROM MA_CUENTAS WHERE Tipo = 'P' AND Dada_De_Baja = 1")).size());
}

TEST_F(EntityLikeSearch, TypedTextIsLiteralTextApostrophesAndPatternCharactersIncluded)
{
    execute(QStringLiteral("UPDATE MA_CUENTAS SET Razon_Social = 'Distribuidora D''Amico 50% S_A', Dada_De_Baja = 0 "
                           "WHERE Codigo = '21100002'"));
    Like like{QStringLiteral("VT_PROVEEDORES"), QStringLiteral("D'Amico 50% S_A")};
    const QString sql = statementFor(like);
    EXPECT_TRUE(sql.contains(QStringLiteral("LIKE '%D''Amico 50[%] S[_]A%'"))) << sql.toStdString();
    EXPECT_EQ(rows(sql), (std::vector<QStringList>{{QStringLiteral("Distribuidora D'Amico 50% S_A"), QStringLiteral("21100002")}}));
    EXPECT_TRUE(boxes().isEmpty());

    // "_" and "%" stand for themselves: a name without them is not found.
    execute(QStringLiteral("UPDATE MA_CUENTAS SET Razon_Social = 'Distribuidora D''Amico 50 SXA' WHERE Codigo = '21100002'"));
    EXPECT_TRUE(rows(statementFor(like)).empty());

    // Streets and contacts with an apostrophe of their own.
    const QString streets = statementFor(Like{QStringLiteral("VT_MAPINFO_CALLES"), QStringLiteral("o'hig")});
    EXPECT_EQ(streets, QStringLiteral("SELECT top 500  STREET  FROM VT_MAPINFO_CALLES  with(nolock)   WHERE  STREET  LIKE '%o''hig%'"));
    EXPECT_EQ(rows(streets), (std::vector<QStringList>{{QStringLiteral("O'Higgins")}}));
}

TEST_F(EntityLikeSearch, ContactsShowTheirMaskAndAlsoTheCodeTheyHandBack)
{
    pick(QStringLiteral("     3"));
    Like like{QStringLiteral("MA_CONTACTOS"), QStringLiteral("D'Alessandro")};
    search(like);
    ASSERT_EQ(listRequests.size(), 1);
    const QString sql = listRequests[0].sql;
    EXPECT_EQ(sql, QStringLiteral("SELECT top 500 Nombre_y_Apellido,Domicilio,Localidad,Telefono,idContacto FROM MA_CONTACTOS  "
                                  "with(nolock) WHERE Nombre_y_Apellido LIKE '%D''Alessandro%'"));
    EXPECT_EQ(listRequests[0].CampoDevuelto, QStringLiteral("idContacto"));
    const auto found = rows(sql);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].last(), QStringLiteral("     3"));
    EXPECT_EQ(columnNames(sql).last(), QStringLiteral("idContacto"));
    // A right-aligned code keeps its leading blanks.
    EXPECT_EQ(like.codigo, QStringLiteral("     3"));
}

TEST_F(EntityLikeSearch, ClientsByNameOrDocumentNumberAlwaysWithoutTheOnesGivenUp)
{
    const QString document = scalar(QStringLiteral("SELECT NUMERO_DOCUMENTO FROM VT_CLIENTES ORDER BY Codigo")).toString();
    const QString piece = document.mid(3, 6);
    const QString sql = statementFor(Like{QStringLiteral("VT_CLIENTES"), piece});
    EXPECT_EQ(sql, QStringLiteral("SELECT top 500 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES with(nolock)  WHERE (RAZON_SOCIAL LIKE '%")
                       + piece + QStringLiteral("%' OR NUMERO_DOCUMENTO LIKE '%") + piece
                       + QStringLiteral("%')  AND Dada_De_Baja = 0"));
    const auto found = rows(sql);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0][1], scalar(QStringLiteral("SELECT Codigo FROM VT_CLIENTES ORDER BY Codigo")).toString());

    Like seller{QStringLiteral("VT_CLIENTESvs")};
    seller.filtro = QStringLiteral("IdVendedor = '   2' OR IdVendedor = '   9'");
    const QString bySeller = statementFor(seller);
    EXPECT_EQ(bySeller, QStringLiteral("SELECT top 500 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTESvs with(nolock)   WHERE "
                                       "(IdVendedor = '   2' OR IdVendedor = '   9') and Dada_De_Baja = 0"));
    EXPECT_EQ(rows(bySeller).size(), 5u);

    const QString all = statementFor(Like{QStringLiteral("vt_clientes")});
    EXPECT_TRUE(all.endsWith(QStringLiteral(" WHERE Dada_De_Baja = 0"))) << all.toStdString();
}

TEST_F(EntityLikeSearch, ArticlesAnywhereInLikeModeAndByTheirStartOtherwise)
{
    // The first and the last word of an article's description, the way an operator remembers it.
    const QStringList words = scalar(QStringLiteral("SELECT Descripcion FROM MA_ARTICULOS ORDER BY IdArticulo")).toString().split(u' ');
    const QString first = words.first().toLower();
    const QString last = words.last();
    Like like{QStringLiteral("V_MA_ARTICULOS"), first + u' ' + last};
    const QString anywhere = statementFor(like);
    EXPECT_EQ(like.texto, first + u'%' + last);
    const QString pattern = QStringLiteral("'%") + first + u'%' + QString(last).replace(u'\'', QStringLiteral("''")) + QStringLiteral("%'");
    EXPECT_EQ(anywhere, QStringLiteral("SELECT top 500 VT_MA_ARTICULOS.DESCRIPCION,VT_MA_ARTICULOS.IDARTICULO FROM VT_MA_ARTICULOS "
                                       "with(nolock)   WHERE VT_MA_ARTICULOS.DESCRIPCION LIKE ") + pattern + u' ');
    EXPECT_EQ(listRequests.last().CampoDevuelto, QStringLiteral("IDARTICULO"));
    EXPECT_EQ(column(rows(anywhere), 1),
              column(rows(QStringLiteral("SELECT IdArticulo FROM MA_ARTICULOS WHERE Descripcion LIKE ") + pattern), 0));
    EXPECT_FALSE(rows(anywhere).empty());

    setConfig(QStringLiteral("UsaConsultaLIKE"), QStringLiteral("NO"));
    Like start{QStringLiteral("V_MA_ARTICULOS"), first + u' '};
    const QString prefix = statementFor(start);
    EXPECT_EQ(start.texto, first + u' ');
    EXPECT_EQ(prefix, QStringLiteral("SELECT top 500 VT_MA_ARTICULOS.DESCRIPCION,VT_MA_ARTICULOS.IDARTICULO FROM VT_MA_ARTICULOS  "
                                     "with(nolock)  WHERE VT_MA_ARTICULOS.DESCRIPCION LIKE '") + first + QStringLiteral("%' "));
    EXPECT_EQ(rows(prefix).size(),
              rows(QStringLiteral("SELECT IdArticulo FROM MA_ARTICULOS WHERE Descripcion LIKE '") + first + QStringLiteral("%'")).size());
    EXPECT_FALSE(rows(prefix).empty());
    const QString inner = statementFor(Like{QStringLiteral("V_MA_ARTICULOS"), QStringLiteral("galvanizado")});
    EXPECT_TRUE(rows(inner).empty()) << inner.toStdString();   // no description begins with a qualifier

    // A value stored with blanks around it is still "SI".
    setConfig(QStringLiteral("UsaConsultaLIKE"), QStringLiteral("SI "));
    const QString blanks = statementFor(Like{QStringLiteral("V_MA_ARTICULOS"), last});
    EXPECT_TRUE(blanks.contains(QStringLiteral(" LIKE '%"))) << blanks.toStdString();
    EXPECT_FALSE(rows(blanks).empty());
}

TEST_F(EntityLikeSearch, ArticlesByCodeOnceEachAndTheStockViewKeepingItsName)
{
    pick(QStringLiteral("01-00007"));
    Like like{QStringLiteral("V_MA_ARTICULOS"), QStringLiteral("-0000")};
    like.porCodigo = 1;
    like.filtro = QStringLiteral("V_MA_Precios.IdLista = '   1'");
    const QString sql = statementFor(like);
    // The caller's condition gives way, and so does the price join it asked for: each article once.
    EXPECT_EQ(sql, QStringLiteral("SELECT top 500 VT_MA_ARTICULOS.DESCRIPCION,VT_MA_ARTICULOS.IDARTICULO FROM VT_MA_ARTICULOS "
                                  "with(nolock)   WHERE IdArticulo LIKE '%-0000%'  AND SUSPENDIDO = 0"));
    const auto found = rows(sql);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found.size(),
              rows(QStringLiteral("SELECT IdArticulo FROM MA_ARTICULOS WHERE IdArticulo LIKE '%-0000%' AND SUSPENDIDO = 0")).size());
    for (const QStringList& row : found)
        EXPECT_TRUE(row[1].contains(QStringLiteral("-0000"))) << row[1].toStdString();
    EXPECT_EQ(like.codigo, QStringLiteral("01-00007"));

    // The stock view borrows the article mask and is searched under the caller's name.
    Like stock{QStringLiteral("stk_ma_articulos"), QStringLiteral("cable")};
    const QString fromStock = statementFor(stock);
    EXPECT_EQ(fromStock, QStringLiteral("SELECT top 500 stk_ma_articulos.DESCRIPCION,stk_ma_articulos.IDARTICULO,Deposito FROM "
                                        "stk_ma_articulos with(nolock)   WHERE stk_ma_articulos.DESCRIPCION LIKE '%cable%' "));
    EXPECT_EQ(stock.tabla, QStringLiteral("stk_ma_articulos"));
    EXPECT_EQ(rows(fromStock).size(),
              rows(QStringLiteral("SELECT IdArticulo FROM STK_MA_ARTICULOS WHERE Descripcion LIKE '%cable%'")).size());

    // Pictures: the image column joins the list.
    setConfig(QStringLiteral("ConsultaArticuloConImagen"), QStringLiteral("SI"));
    const QString pictured = statementFor(Like{QStringLiteral("STK_MA_ARTICULOS")});
    EXPECT_TRUE(pictured.startsWith(QStringLiteral("SELECT top 500 STK_MA_ARTICULOS.DESCRIPCION,STK_MA_ARTICULOS.IDARTICULO,"
                                                   "Deposito,STK_MA_ARTICULOS.RutaImagen  FROM STK_MA_ARTICULOS  with(nolock) ")))
        << pictured.toStdString();
    EXPECT_FALSE(rows(pictured).empty());
}

TEST_F(EntityLikeSearch, ArticlesWithoutAMaskSearchTheDescriptionUnderTheCallersName)
{
    onlyMasks({mask(QStringLiteral("VT_PROVEEDORES"), QStringLiteral("|RAZON_SOCIAL|CODIGO|"))});
    Like like{QStringLiteral("stk_ma_articulos"), QStringLiteral("Candado")};
    const QString sql = statementFor(like);
    EXPECT_EQ(sql, QStringLiteral("SELECT top 500 * FROM stk_ma_articulos with(nolock)   WHERE Descripcion LIKE '%Candado%' "));
    EXPECT_EQ(like.tabla, QStringLiteral("stk_ma_articulos"));
    const auto found = rows(sql);
    EXPECT_EQ(found.size(), rows(QStringLiteral("SELECT IdArticulo FROM STK_MA_ARTICULOS WHERE Descripcion LIKE '%Candado%'")).size());
    EXPECT_FALSE(found.empty());
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(EntityLikeSearch, ArticlesNeedTextWhenTheConfigurationSaysSo)
{
    app::state().configuration.ExigeClaveConsultaLike = true;
    Like like{QStringLiteral("STK_MA_ARTICULOS"), QStringLiteral("   ")};
    EXPECT_EQ(statementFor(like), QStringLiteral("<no window>"));
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, QStringLiteral("Atención, por la gran cantidad de Artículos existentes al consultar se debe "
                                              "ingresar al menos parte de la clave..."));
    EXPECT_EQ(boxes()[0].icon, 32);
    EXPECT_EQ(boxes()[0].title, QStringLiteral("Aviso al Operador"));
    EXPECT_EQ(like.tabla, QStringLiteral("STK_MA_ARTICULOS"));
    EXPECT_EQ(like.codigo, QStringLiteral("<untouched>"));

    like.texto = QStringLiteral("ca");
    EXPECT_NE(statementFor(like), QStringLiteral("<no window>"));
}

TEST_F(EntityLikeSearch, RecipientsHandBackTheirCodeBranchAndClientFromOneId)
{
    Like like{QStringLiteral("MA_DESTINATARIOS"), QStringLiteral("o'higgins")};
    const QString sql = statementFor(like);
    EXPECT_EQ(sql, QStringLiteral("SELECT  Nombre, Domicilio, Cliente + Codigo + Sucursal AS Id From ma_destinatarios WHERE "
                                  "Nombre LIKE '%o''higgins%'  "));
    const auto found = rows(sql);
    ASSERT_EQ(found.size(), 1u);
    const QString id = found[0][2];
    EXPECT_EQ(id.size(), 26);

    pick(id);
    Like chosen{QStringLiteral("MA_DESTINATARIOS"), QStringLiteral("o'higgins")};
    search(chosen);
    EXPECT_EQ(listRequests.last().CampoDevuelto, QStringLiteral("ID"));
    EXPECT_EQ(chosen.codigo, QStringLiteral("PLANTA-2"));
    EXPECT_EQ(chosen.adicional1, QStringLiteral("0002"));
    EXPECT_EQ(chosen.adicional2, QString());
    EXPECT_EQ(chosen.adicional3, QStringLiteral("   5"));   // the client number keeps its alignment

    const QString all = statementFor(Like{QStringLiteral("ma_destinatarios")});
    EXPECT_EQ(all, QStringLiteral("SELECT  Nombre, Domicilio, Cliente + Codigo + Sucursal AS Id From ma_destinatarios "));
    EXPECT_EQ(rows(all).size(), 6u);

    cancelNext();
    Like cancelled{QStringLiteral("MA_DESTINATARIOS"), QStringLiteral("obra")};
    search(cancelled);
    EXPECT_EQ(cancelled.codigo, QString());
    EXPECT_EQ(cancelled.adicional1, QStringLiteral("<a1>"));
    EXPECT_EQ(cancelled.adicional2, QStringLiteral("<a2>"));
    EXPECT_EQ(cancelled.adicional3, QStringLiteral("<a3>"));
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_FALSE(errorLogged());
}

TEST_F(EntityLikeSearch, TropaRecordsGetTheirDefaultMaskAndHandBackTheRecordsId)
{
    recordColumnNames();
    pick(QStringLiteral("0002-00004410"), {QStringLiteral("0002-00004410"), QStringLiteral("3")});
    Like like{QStringLiteral("V_MV_TROPA"), QStringLiteral("0002-")};
    const QString sql = statementFor(like);
    EXPECT_EQ(sql, QStringLiteral("SELECT top 500 FechaDte,Dte,IdTropa,Patente,Chofer,NroGuia,CuitVendedor, id FROM V_MV_TROPA  "
                                  "with(nolock) WHERE DTe LIKE '%0002-%'"));
    EXPECT_EQ(handedNames, (QStringList{QStringLiteral("DTE"), QStringLiteral("id")}));
    EXPECT_EQ(listRequests.last().CampoDevuelto, QStringLiteral("DTE"));
    EXPECT_EQ(column(rows(sql), 7), (QStringList{QStringLiteral("3"), QStringLiteral("4")}));
    search(like);
    EXPECT_EQ(like.codigo, QStringLiteral("0002-00004410"));
    EXPECT_EQ(like.adicional1, QStringLiteral("3"));
    // The defaults went into the mask file once.
    EXPECT_TRUE(lookup::MaskFile::find(consulta().gRutaMascaraConsultas, QStringLiteral("v_mv_tropa")).has_value());
    EXPECT_EQ(QFile(consulta().gRutaMascaraConsultas).size(), 12 * 1202);

    EXPECT_EQ(statementFor(Like{QStringLiteral("V_MV_TROPA")}),
              QStringLiteral("SELECT top 500 FechaDte,Dte,IdTropa,Patente,Chofer,NroGuia,CuitVendedor,id FROM V_MV_TROPA  with(nolock) "));

    cancelNext();
    Like cancelled{QStringLiteral("V_MV_TROPA"), QStringLiteral("T-1")};
    search(cancelled);
    EXPECT_EQ(cancelled.codigo, QString());
    EXPECT_EQ(cancelled.adicional1, QString());
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_FALSE(errorLogged());
}

TEST_F(EntityLikeSearch, StreetsLocalitiesAndMailEventsFallBackToTheirOwnColumns)
{
    const QString places = statementFor(Like{QStringLiteral("MAPINFO_LOCALIDADES"), QStringLiteral("villa")});
    EXPECT_EQ(places, QStringLiteral("SELECT top 500  LOCALIDAD,PARTIDO,Cod_postal FROM MAPINFO_LOCALIDADES  with(nolock)   WHERE  "
                                     "LOCALIDAD  LIKE '%villa%'"));
    EXPECT_EQ(column(rows(places), 0), (QStringList{QStringLiteral("Villa Carlos Paz"), QStringLiteral("Villa Gobernador Gálvez")}));
    EXPECT_EQ(listRequests.last().CampoDevuelto, QStringLiteral("LOCALIDAD"));

    const QString mail = statementFor(Like{QStringLiteral("V_MA_EMAIL"), QStringLiteral("orden de")});
    EXPECT_EQ(mail, QStringLiteral("SELECT top 500 Evento FROM V_MA_EMAIL  with(nolock) WHERE Evento LIKE '%orden de%'"));
    EXPECT_EQ(rows(mail).size(), 2u);
    EXPECT_EQ(listRequests.last().CampoDevuelto, QStringLiteral("EVENTO"));

    const QString streets = statementFor(Like{QStringLiteral("VT_MAPINFO_CALLES")});
    EXPECT_EQ(streets, QStringLiteral("SELECT top 500  STREET  FROM VT_MAPINFO_CALLES  with(nolock) "));
    EXPECT_EQ(rows(streets).size(), rows(QStringLiteral("SELECT STREET FROM VT_MAPINFO_CALLES")).size());

    // A text of blanks is a text: it matches every row.
    EXPECT_EQ(rows(statementFor(Like{QStringLiteral("V_MA_EMAIL"), QStringLiteral("  ")})).size(), 5u);
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(EntityLikeSearch, AccountsAndTechniciansFromTheirMasksWithTheirRightAlignedCodes)
{
    const QString accounts = statementFor(Like{QStringLiteral("MA_CUENTAS"), QStringLiteral("caja")});
    EXPECT_EQ(accounts, QStringLiteral("SELECT top 500 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock)   WHERE DESCRIPCION LIKE '%caja%'"));
    EXPECT_EQ(column(rows(accounts), 1), (QStringList{QStringLiteral("1110"), QStringLiteral("11100001")}));

    pick(QStringLiteral("   2"));
    Like like{QStringLiteral("V_TA_TECNICOS")};
    const QString technicians = statementFor(like);
    EXPECT_EQ(technicians, QStringLiteral("SELECT top 500 NOMBRE,IDTECNICO FROM V_TA_TECNICOS with(nolock)  "));
    EXPECT_EQ(rows(technicians).size(), 2u);
    search(like);
    EXPECT_EQ(like.codigo, QStringLiteral("   2"));
    EXPECT_EQ(listRequests.last().CampoDevuelto, QStringLiteral("IDTECNICO"));
}

TEST_F(EntityLikeSearch, TheMaskConditionAndTheCallersBothHoldForAnyOtherTable)
{
    onlyMasks({mask(QStringLiteral("V_TA_Rubros"), QStringLiteral("|Descripcion|IDRubro|"), QStringLiteral("IDRubro <> '   3'"))});
    Like like{QStringLiteral("V_TA_Rubros")};
    like.filtro = QStringLiteral("IDRubro <> '   1'");
    const QString sql = statementFor(like);
    EXPECT_EQ(sql, QStringLiteral("SELECT top 500 Descripcion,IDRubro FROM V_TA_Rubros with(nolock)   WHERE IDRubro <> '   3' and "
                                  "IDRubro <> '   1'"));
    EXPECT_EQ(rows(sql), (std::vector<QStringList>{{QStringLiteral("Electricidad"), QStringLiteral("   2")}}));
    EXPECT_EQ(listRequests.last().CampoDevuelto, QStringLiteral("IDRubro"));

    const QString text = statementFor(Like{QStringLiteral("V_TA_Rubros"), QStringLiteral("ferre")});
    EXPECT_EQ(text, QStringLiteral("SELECT top 500 Descripcion,IDRubro FROM V_TA_Rubros with(nolock)    WHERE Descripcion LIKE "
                                   "'%ferre%' AND IDRubro <> '   3'"));
    EXPECT_EQ(rows(text).size(), 1u);
}

// Any other table hands back the picked row's code: the column its lookup definition names
// (shown even when the mask leaves it out), else the listed code column.
TEST_F(EntityLikeSearch, AnyOtherTableHandsBackTheCodeOfThePickedRow)
{
    onlyMasks({mask(QStringLiteral("V_TA_Rubros"), QStringLiteral("|Descripcion|")),
               mask(QStringLiteral("V_TA_FAMILIAS"), QStringLiteral("|Descripcion|IdFamilia|"))});
    lookup::LookupWindows::setListRunner({});
    dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3"), [](QDialog* dialog) {
        auto* window = static_cast<lookup::Lib_FrmCons3*>(dialog);
        window->ListView1()->setCurrentItem(window->ListView1()->topLevelItem(0));
        window->CmdAceptar()->click();
        return int(window->result());
    });
    const auto rubros = rows(QStringLiteral("SELECT IDRubro FROM V_TA_Rubros WHERE Descripcion LIKE '%ferre%'"));
    ASSERT_EQ(rubros.size(), 1u);
    Like rubro{QStringLiteral("V_TA_Rubros"), QStringLiteral("ferre")};
    search(rubro);
    EXPECT_EQ(rubro.codigo, rubros[0][0]);
    EXPECT_EQ(consulta().ValorDevuelto.toString(), rubros[0][0]);

    // A table no definition covers: the code column among the listed ones.
    const QString family = scalar(QStringLiteral("SELECT Descripcion FROM V_TA_FAMILIAS WHERE IdFamilia = '0103'")).toString();
    Like families{QStringLiteral("V_TA_FAMILIAS"), family};
    search(families);
    EXPECT_EQ(families.codigo, QStringLiteral("0103"));
    EXPECT_TRUE(boxes().isEmpty());
}

// The definitions' rules by prefix name a Codigo column these tables lack: each hands back the
// code column its mask lists, else its first listed column, and its list is read without error.
class EntityLikeSearchOfTablesWithoutCodigo : public EntityLikeSearch {
protected:
    struct Table {
        QString tabla, campos, codigo;
    };
    const QList<Table> tables = {
        {QStringLiteral("MA_POSICIONES"), QStringLiteral("|Descripcion|IDPOSICION|"), QStringLiteral("IDPOSICION")},
        {QStringLiteral("TA_TAREAS"), QStringLiteral("|TAREA|USUARIO|Id|"), QStringLiteral("Id")},
        {QStringLiteral("TA_CONFIGURACION"), QStringLiteral("|Clave|Valor|Grupo|"), QStringLiteral("Clave")},
        {QStringLiteral("TA_CONFIG_FORM"), QStringLiteral("|FORMULARIO|NOMBRE|"), QStringLiteral("FORMULARIO")},
        {QStringLiteral("TA_MENU"), QStringLiteral("|Nombre|Clave|"), QStringLiteral("Nombre")},
        {QStringLiteral("TA_REPORTES"), QStringLiteral("|NOMBRE|Descripcion|"), QStringLiteral("NOMBRE")},
    };

    EntityLikeSearchOfTablesWithoutCodigo()
    {
        execute(QStringLiteral("INSERT INTO TA_CONFIG_FORM (FORMULARIO, USUARIO, TIPOOBJETO, NOMBRE, PROPIEDAD, DATAFIELD, VALOR) "
                               "VALUES ('Rp_Quindal@Mensual@OC', '', 'TextBox', 'txtFields', 'Text', 'Cliente_desde', '21100001')"));
        QList<lookup::MascaraConsulta> masks;
        for (const Table& table : tables)
            masks << mask(table.tabla, table.campos);
        onlyMasks(masks);
        lookup::LookupWindows::setListRunner({});
        dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3"), [this](QDialog* dialog) {
            auto* window = static_cast<lookup::Lib_FrmCons3*>(dialog);
            listed = window->ListView1()->topLevelItemCount();
            window->ListView1()->setCurrentItem(window->ListView1()->topLevelItem(0));
            window->CmdAceptar()->click();
            return int(window->result());
        });
    }

    // Each table lists its rows, the picked row's code comes back, and nothing goes wrong.
    void expectEachListsItsRowsAndHandsBackItsCode()
    {
        for (const Table& table : tables) {
            listed = -1;
            Like like{table.tabla};
            search(like);
            EXPECT_GT(listed, 0) << table.tabla.toStdString();
            EXPECT_TRUE(column(rows(QStringLiteral("SELECT ") + table.codigo + QStringLiteral(" FROM ") + table.tabla), 0)
                            .contains(like.codigo))
                << table.tabla.toStdString() << " " << like.codigo.toStdString();
            EXPECT_TRUE(boxes().isEmpty()) << table.tabla.toStdString() << " "
                                           << (boxes().isEmpty() ? "" : boxes().last().text.toStdString());
        }
        EXPECT_FALSE(errorLogged());
    }

    int listed = -1;
};

TEST_F(EntityLikeSearchOfTablesWithoutCodigo, ListTheirRowsAndHandBackTheirCode)
{
    expectEachListsItsRowsAndHandsBackItsCode();
}

// On Oracle the catalogue probe answers yes to any column, so the table itself is asked: once
// per search, and only when the mask does not list the definition's column.
TEST_F(EntityLikeSearchOfTablesWithoutCodigo, OnOracleTheTableItselfSaysWhichColumnsItHas)
{
    db->configure([](data::DbSettings& s) { s.gProveedor = QStringLiteral("OraOLEDB.Oracle.1"); });
    ASSERT_TRUE(db->ExisteCampoDB(QStringLiteral("MA_POSICIONES"), QStringLiteral("Codigo")));
    handed.clear();
    expectEachListsItsRowsAndHandsBackItsCode();
    EXPECT_EQ(handed.filter(QStringLiteral(" WHERE 1 = 0")).size(), tables.size());
    EXPECT_TRUE(handed.contains(QStringLiteral("SELECT * FROM MA_POSICIONES WHERE 1 = 0"))) << handed.join(u'\n').toStdString();

    // A table that has the definition's column hands it back whether its mask lists it or not;
    // only when the mask does not is the table asked.
    const QString rubro = scalar(QStringLiteral("SELECT IDRubro FROM V_TA_Rubros WHERE Descripcion LIKE '%ferre%'")).toString();
    for (const QString& campos : {QStringLiteral("|Descripcion|"), QStringLiteral("|Descripcion|IDRubro|")}) {
        SCOPED_TRACE(campos.toStdString());
        onlyMasks({mask(QStringLiteral("V_TA_Rubros"), campos)});
        handed.clear();
        Like rubros{QStringLiteral("V_TA_Rubros"), QStringLiteral("ferre")};
        search(rubros);
        EXPECT_EQ(handed.filter(QStringLiteral(" WHERE 1 = 0")),
                  campos.contains(QLatin1String("IDRubro")) ? QStringList{} : QStringList{QStringLiteral("SELECT * FROM V_TA_Rubros WHERE 1 = 0")});
        EXPECT_EQ(rubros.codigo, rubro);
    }
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(EntityLikeSearch, WithoutChosenColumnsTheOperatorIsWarned)
{
    onlyMasks({mask(QStringLiteral("V_TA_Tareas"), QStringLiteral("|Descripcion|IdTarea|"))});
    pick(QStringLiteral("   4"), {QStringLiteral("   4")});
    Like tasks{QStringLiteral("V_TA_Tareas")};
    search(tasks);
    Like suppliers{QStringLiteral("VT_PROVEEDORES"), QStringLiteral("a")};
    EXPECT_EQ(statementFor(suppliers), QStringLiteral("<no window>"));
    EXPECT_EQ(suppliers.codigo, QStringLiteral("<untouched>"));
    // No list, so no choice: not even the one of the lookup before.
    EXPECT_TRUE(consulta().ValorDevuelto.isEmpty());
    EXPECT_FALSE(consulta().Valores);
    Like other{QStringLiteral("V_TA_Bancos")};
    EXPECT_EQ(statementFor(other), QStringLiteral("<no window>"));
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_EQ(boxes()[0].text, QStringLiteral("No hay seleccionados campos personalizados para la consulta de Proveedores"));
    EXPECT_EQ(boxes()[0].icon, 16);
    EXPECT_EQ(boxes()[0].title, QStringLiteral("Aviso al Operador"));
    EXPECT_EQ(boxes()[1].text, QStringLiteral("No hay seleccionados campos personalizados para la consulta de V_TA_Bancos"));

    // The clients are shown whole after the warning, and the pick comes back.
    pick(QStringLiteral("11200004"));
    Like clients{QStringLiteral("VT_CLIENTES"), QStringLiteral("x")};
    const QString sql = statementFor(clients);
    EXPECT_EQ(sql, QStringLiteral("SELECT top 500 * FROM VT_CLIENTES  with(nolock) "));
    EXPECT_EQ(boxes().last().text, QStringLiteral("No hay seleccionados campos personalizados para la consulta de Clientes"));
    EXPECT_EQ(rows(sql).size(), rows(QStringLiteral("SELECT Codigo FROM VT_CLIENTES")).size());
    EXPECT_EQ(clients.codigo, QStringLiteral("11200004"));
    EXPECT_TRUE(consulta().ValorDevuelto.sameAs(vb::Variant(QStringLiteral("11200004"))));
}

TEST_F(EntityLikeSearch, RowLimitTitlesAndTheMissingMaskFile)
{
    setConfig(QStringLiteral("TopConsArt"), QStringLiteral("250"));
    EXPECT_TRUE(statementFor(Like{QStringLiteral("MA_CUENTAS")}).startsWith(QStringLiteral("SELECT top 250 ")));
    EXPECT_EQ(app::state().lookup.TopConsultaLike, 250);
    setConfig(QStringLiteral("TopConsArt"), vb::Variant());
    EXPECT_TRUE(statementFor(Like{QStringLiteral("MA_CUENTAS")}).startsWith(QStringLiteral("SELECT top 1000 ")));
    setConfig(QStringLiteral("TopConsArt"), QStringLiteral("abc"));
    EXPECT_TRUE(statementFor(Like{QStringLiteral("MA_CUENTAS")}).startsWith(QStringLiteral("SELECT top 1000 ")));

    app::state().configuration.TituloProveedores = QStringLiteral("Proveedores");
    Like titled{QStringLiteral("VT_PROVEEDORES"), QStringLiteral("PROVEEDORES")};
    EXPECT_EQ(statementFor(titled),
              QStringLiteral("SELECT top 1000 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES  with(nolock)  WHERE Dada_De_Baja = 0"));
    EXPECT_EQ(titled.texto, QString());

    // Without the mask file nothing is merged or written, and the fixed columns stand in.
    QFile::remove(consulta().gRutaMascaraConsultas);
    Like filtered{QStringLiteral("MAPINFO_LOCALIDADES")};
    filtered.filtro = QStringLiteral("PARTIDO = 'Rosario'");
    const QString sql = statementFor(filtered);
    EXPECT_EQ(sql, QStringLiteral("SELECT top 1000  LOCALIDAD,PARTIDO,Cod_postal FROM MAPINFO_LOCALIDADES  with(nolock)  WHERE "
                                  "PARTIDO = 'Rosario'"));
    EXPECT_EQ(rows(sql).size(), 3u);
    EXPECT_FALSE(QFile::exists(consulta().gRutaMascaraConsultas));
    EXPECT_EQ(statementFor(Like{QStringLiteral("V_MV_TROPA")}), QStringLiteral("<no window>"));
    EXPECT_EQ(boxes().last().text, QStringLiteral("No hay seleccionados campos personalizados para la consulta de Tropas"));
}

} // namespace
