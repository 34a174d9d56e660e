// The lookup definitions: every rule as a table of tag and expected columns (checked against
// the demo database where it holds the table), and the lookup shown through the query masks,
// as a plain SELECT, or not at all.
#include "LookupDemoBase.h"

#include "lookup/DefinirConsulta.h"

#include <QFile>

namespace {

struct Rule {
    const char* tag;
    const char* descripcion;
    const char* codigo;
    const char* adicional;
    const char* tabla = nullptr;      // the view queried, when the rule changes it
};

// The caller's texts before the mapping, to see which rules leave them.
const QString kGiven = QStringLiteral("<given>");

const Rule kRules[] = {
    {"vt_proveedores", "Razon_Social", "Codigo", ""},
    {"VT_CLIENTES", "Razon_Social", "Codigo", ""},
    {"TA_COMPROBANTES", "Descripcion", "Codigo", "", "VT_TA_Cpte"},
    {"v_ta_cpte", "Descripcion", "Codigo", "", "VT_TA_Cpte"},
    {"V_TA_PERCEPCION", "DESCRIPCION", "IDPERCEPCION", ""},
    {"V_TA_RETENCIONES", "DESCRIPCION", "IDRETENCION", ""},
    {"V_TA_UNIDADNEGOCIO", "DESCRIPCION", "CODIGO", ""},
    {"V_ta_PoliticaPrecios", "Descripcion", "codigo", ""},
    {"V_TA_CATEGORIAARTICULO", "DESCRIPCION", "idcategoria", ""},
    // Views named by their code column.
    {"V_TA_Cajas", "DESCRIPCION", "IDCajas", ""},
    {"V_TA_Bancos", "DESCRIPCION", "IDBanco", ""},
    {"V_TA_MotivoVta", "DESCRIPCION", "IDMotivoVta", ""},
    {"V_TA_MotivoCpra", "DESCRIPCION", "IDMotivoCpra", ""},
    {"V_TA_Deposito", "DESCRIPCION", "IDDeposito", ""},
    {"V_TA_Tecnicos", "NOMBRE", "IDTecnico", ""},
    {"V_TA_Tareas", "DESCRIPCION", "IDTarea", ""},
    {"V_TA_Unidad", "DESCRIPCION", "IDUnidad", ""},
    {"V_TA_TipoArticulo", "DESCRIPCION", "IDTIPO", ""},
    {"V_TA_Rubros", "DESCRIPCION", "IDRubro", ""},
    {"V_TA_MotivoStock", "DESCRIPCION", "IDMotivoStock", ""},
    {"V_TA_CPRA_VTA", "DESCRIPCION", "IDCOND_CPRA_VTA", ""},
    {"V_TA_CATEGORIA", "DESCRIPCION", "IDCATEGORIA", ""},
    {"V_TA_DESTINO", "DESCRIPCION", "IDDESTINO", ""},
    {"V_TA_ORIGEN", "DESCRIPCION", "IDORIGEN", ""},
    // Personnel tables.
    {"P_TA_NIVELESTUDIO", "Descripcion", "IDNIVELESTUDIO", ""},
    {"P_TA_CONOCIMIENTOS", "Descripcion", "IDCONOCIMIENTO", ""},
    {"P_TA_Categorizacion", "Descripcion", "IDCategorizacion", ""},
    {"P_TA_CentroMedico", "Descripcion", "IDCentroMedico", ""},
    {"P_TA_FormasDePago", "Descripcion", "IDFormasDePago", ""},
    {"P_MA_Empresas", "NombreEmpresa", "IDEmpresa", ""},
    {"P_TA_ZONARESIDENCIA", "Descripcion", "IDZONARESIDENCIA", ""},
    {"P_TA_ObraSocial", "Descripcion", "IDObraSocial", ""},
    {"P_TA_MotivoEgreso", "Descripcion", "IDMotivoEgreso", ""},
    {"P_TA_Grupos", "Descripcion", "IDGrupo", ""},
    {"P_TA_EstadoBusqueda", "Descripcion", "IDEstadoBusqueda", ""},
    {"P_TA_Areas", "Descripcion", "IDAreas", ""},
    {"P_TA_IDIOMAS", "Descripcion", "IDIDIOMA", ""},
    {"P_TA_TITULOs", "Descripcion", "IDTITULO", ""},
    {"P_TA_ESTADOPOSTULANTE", "Descripcion", "IDESTADOPOSTULANTE", ""},
    {"P_TA_Parentesco", "Descripcion", "IDParentesco", ""},
    {"P_TA_EstadoCivil", "Descripcion", "IDEstadoCivil", ""},
    {"P_SINDICATOS", "Descripcion", "IdSindicato", ""},
    {"P_TA_Funciones", "DESCRIPCION", "IDFunciones", ""},
    // Tables named by their code column.
    {"TA_Categoria", "DESCRIPCION", "IDCategoria", ""},
    {"TA_Deposito", "DESCRIPCION", "IDDeposito", ""},
    {"TA_MotivoStock", "DESCRIPCION", "IDMotivoStock", ""},
    {"TA_TipoArticulo", "DESCRIPCION", "IDTIPO", ""},
    {"TA_Rubros", "DESCRIPCION", "IDRubro", ""},
    // Tables that also hand back an extra column.
    {"P_MA_Clientes", "RAZON_SOCIAL", "IDCLIENTE", ""},
    {"TA_Cpte", "DESCRIPCION", "CODIGO", "DESCRIPCION"},
    {"V_TA_VENDEDORES", "NOMBRE", "idvendedor", "NOMBRE"},
    {"V_MA_ARTICULOS", "DESCRIPCION", "IDARTICULO", "DESCRIPCION"},
    {"V_MV_COTIZAR", "COT_OBSERVACIONES", "IDARTICULO", "COT_OBSERVACIONES"},
    {"MA_ARTICULOS", "DESCRIPCION", "IDARTICULO", "DESCRIPCION"},
    {"MA_MODELOS", "NOMBRE", "NOMBRE", "NOMBRE"},
    {"MA_CHOFERES", "APELLIDO, NOMBRES", "CODIGO", "NOMBRES"},
    {"MA_DESTINATARIOS", "NOMBRE", "CODIGO", "NOMBRE"},
    {"MA_VEHICULOS", "PATENTE,TIPO_VEHICULO,MODELO,TIPO", "PATENTE", "MODELO"},
    {"MV_EJERCICIOS", "DESCRIPCION", "PERIODO", "DESCRIPCION"},
    {"TA_USUARIOS", "NOMBRE", "NOMBRE", ""},
    // By prefix.
    {"TA_CPRA_VTA", "DESCRIPCION", "CODIGO", "DESCRIPCION"},
    {"TA_CCOSTO", "DESCRIPCION", "CODIGO", "DESCRIPCION"},
    {"ta_paises", "DESCRIPCION", "CODIGO", "DESCRIPCION"},
    {"MA_PROVEEDORES", "Razon_Social", "Codigo", "Razon_Social"},
    {"ma_vendedores", "Razon_Social", "Codigo", "Razon_Social"},
    {"MA_TRANSPORTES", "Razon_Social", "Codigo", "Razon_Social"},
    {"MA_CONTACTOS", "Razon_Social", "Codigo", "Razon_Social"},
    {"MA_AGENTES", "Razon_Social", "Codigo", "Razon_Social"},
    {"MA_CLIENTES", "Razon_Social", "Codigo", "Codigo_sucursal"},
    {"MA_CUENTAS", "Descripcion", "Codigo", "Descripcion"},
    {"[MA_CAMIONES]", "nombre", "Codigo", "nombre"},
    {"MV_PROYECTOS", "ASUNTO", "ID", "ASUNTO"},
    // The postal codes stand over the prefix rule that took them first.
    {"ta_codigospostales", "LOCALIDAD", "cp", "LOCALIDAD"},
};

// Tags no rule covers: the caller's texts stay.
const char* const kUncovered[] = {"V_MA_MANTENIMIENTOS", "MV_ASIENTOS", "[MA_XX]", "V_TA_FAMILIAS", "P_TA_OTRA", "TA", "MV_"};

class LookupDefinitions : public LookupDemoBase {
protected:
    struct Call {
        explicit Call(QString tag) : tabla(std::move(tag)) {}
        QString tabla;
        QString descripcion = QStringLiteral("Descripcion");
        QString codigo = QStringLiteral("Codigo");
        QString adicional;
        bool abrir = false;
        QString where;
    };

    Call& define(Call& call)
    {
        lookup::DefinirConsulta(call.tabla, call.descripcion, call.codigo, call.adicional, call.abrir, call.where);
        return call;
    }

};

TEST_F(LookupDefinitions, EveryRuleGivesItsColumnsAndTheDemoHoldsThem)
{
    int checkedOnTheDemo = 0;
    for (const Rule& rule : kRules) {
        SCOPED_TRACE(rule.tag);
        lookup::DefinicionConsulta d{QString::fromLatin1(rule.tag), kGiven, kGiven, kGiven};
        EXPECT_TRUE(lookup::DefinicionDeConsulta(d));
        EXPECT_EQ(d.Tabla, rule.tabla ? QString::fromLatin1(rule.tabla) : QString::fromLatin1(rule.tag));
        EXPECT_EQ(d.CampoDescripcion, QString::fromLatin1(rule.descripcion));
        EXPECT_EQ(d.CampoCodigo, QString::fromLatin1(rule.codigo));
        EXPECT_EQ(d.CampoAdicional, QString::fromLatin1(rule.adicional));

        // Where the demo has the table, the mapped columns select from it.
        const QString exists = QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE lower(name) = lower('%1')").arg(d.Tabla);
        if (scalar(exists).toLong() == 0)
            continue;
        QString columns = d.CampoDescripcion + u',' + d.CampoCodigo;
        if (!d.CampoAdicional.isEmpty())
            columns += u',' + d.CampoAdicional;
        EXPECT_NO_THROW(rows(QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM ") + d.Tabla));
        ++checkedOnTheDemo;
    }
    EXPECT_EQ(checkedOnTheDemo, 66);   // every rule whose table the demo has
}

TEST_F(LookupDefinitions, CodeColumnsKeepTheTagsOwnLettersAndOnlyAFinalSGoes)
{
    const auto codeOf = [](const char* tag) {
        lookup::DefinicionConsulta d{QString::fromLatin1(tag), {}, {}, {}};
        lookup::DefinicionDeConsulta(d);
        return d.CampoCodigo;
    };
    EXPECT_EQ(codeOf("V_TA_Rubros"), QStringLiteral("IDRubro"));
    EXPECT_EQ(codeOf("v_ta_rubros"), QStringLiteral("IDrubro"));
    EXPECT_EQ(codeOf("V_TA_Tareas"), QStringLiteral("IDTarea"));
    EXPECT_EQ(codeOf("P_TA_TITULOs"), QStringLiteral("IDTITULO"));
    EXPECT_EQ(codeOf("P_TA_Areas"), QStringLiteral("IDAreas"));
    EXPECT_EQ(codeOf("P_TA_Funciones"), QStringLiteral("IDFunciones"));
    EXPECT_EQ(codeOf("TA_Categoria"), QStringLiteral("IDCategoria"));
    EXPECT_EQ(codeOf("V_MA_ARTICULOS"), QStringLiteral("IDARTICULO"));
}

TEST_F(LookupDefinitions, ATagNoRuleCoversKeepsTheCallersTexts)
{
    for (const char* tag : kUncovered) {
        SCOPED_TRACE(tag);
        lookup::DefinicionConsulta d{QString::fromLatin1(tag), kGiven, QStringLiteral("<code>"), QStringLiteral("<extra>")};
        EXPECT_FALSE(lookup::DefinicionDeConsulta(d));
        EXPECT_EQ(d.Tabla, QString::fromLatin1(tag));
        EXPECT_EQ(d.CampoDescripcion, kGiven);
        EXPECT_EQ(d.CampoCodigo, QStringLiteral("<code>"));
        EXPECT_EQ(d.CampoAdicional, QStringLiteral("<extra>"));
    }
}

TEST_F(LookupDefinitions, WithTheMaskFileTheTablesMaskIsShownAndTheCodeComesBack)
{
    pick(QStringLiteral("   2"));
    Call tareas{QStringLiteral("V_TA_Tareas")};
    define(tareas);
    ASSERT_EQ(listRequests.size(), 1);
    const QString sql = listRequests[0].sql;
    EXPECT_EQ(sql, QStringLiteral("SELECT TOP 500 Descripcion,IdTarea FROM V_TA_Tareas  with(nolock)  ORDER BY Descripcion"));
    EXPECT_EQ(rows(sql).size(), 2u);
    EXPECT_EQ(listRequests[0].CampoDevuelto, QStringLiteral("IDTarea"));
    EXPECT_EQ(tareas.descripcion, QStringLiteral("DESCRIPCION"));
    EXPECT_EQ(tareas.codigo, QStringLiteral("   2"));
    EXPECT_EQ(tareas.adicional, QString());

    // Suppliers and clients always hand back their CODIGO column.
    pick(QStringLiteral("21100004"));
    Call proveedores{QStringLiteral("VT_PROVEEDORES")};
    define(proveedores);
    EXPECT_EQ(listRequests.last().CampoDevuelto, QStringLiteral("CODIGO"));
    EXPECT_TRUE(listRequests.last().sql.startsWith(QStringLiteral("SELECT TOP 500 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES")));
    EXPECT_EQ(proveedores.codigo, QStringLiteral("21100004"));

    // A tag no rule covers still gets its lookup, with the caller's columns.
    Call mantenimientos{QStringLiteral("V_MA_MANTENIMIENTOS")};
    mantenimientos.descripcion = QStringLiteral("DESCRIPCION");
    mantenimientos.codigo = QStringLiteral("CODIGO");
    pick(QStringLiteral("M1"));
    define(mantenimientos);
    EXPECT_EQ(listRequests.last().sql,
              QStringLiteral("SELECT TOP 500 DESCRIPCION,CODIGO FROM V_MA_MANTENIMIENTOS  with(nolock)  ORDER BY DESCRIPCION"));
    EXPECT_EQ(mantenimientos.codigo, QStringLiteral("M1"));
}

TEST_F(LookupDefinitions, WithoutAMaskRecordTheMappedColumnsAreShownAndTheExtraValueComesBack)
{
    recordColumnNames();
    pick(QStringLiteral("OC"), {QStringLiteral("Orden de compra")});
    Call cpte{QStringLiteral("TA_Cpte")};
    cpte.where = QStringLiteral("Sistema = 'Compras'");
    define(cpte);
    ASSERT_EQ(listRequests.size(), 1);
    const QString sql = listRequests[0].sql;
    EXPECT_EQ(sql, QStringLiteral("select DESCRIPCION,CODIGO from TA_Cpte where Sistema = 'Compras'"));
    EXPECT_EQ(handedNames, QStringList{QStringLiteral("DESCRIPCION")});
    EXPECT_EQ(listRequests[0].CampoDevuelto, QStringLiteral("CODIGO"));
    EXPECT_EQ(rows(sql).size(), 3u);
    EXPECT_EQ(cpte.codigo, QStringLiteral("OC"));
    EXPECT_EQ(cpte.adicional, QStringLiteral("Orden de compra"));
    EXPECT_EQ(cpte.where, QStringLiteral(" (Sistema = 'Compras') "));
    EXPECT_EQ(consulta().CmpsDevueltos->count(), 0);

    // The comprobante tags are looked up in their own view.
    pick(QStringLiteral("RMC"));
    Call comprobantes{QStringLiteral("TA_COMPROBANTES")};
    define(comprobantes);
    EXPECT_EQ(comprobantes.tabla, QStringLiteral("VT_TA_Cpte"));
    EXPECT_EQ(listRequests.last().sql, QStringLiteral("select Descripcion,Codigo from VT_TA_Cpte "));
    EXPECT_EQ(rows(listRequests.last().sql).size(), 8u);
    EXPECT_EQ(comprobantes.codigo, QStringLiteral("RMC"));
}

TEST_F(LookupDefinitions, ACancelledLookupHandsBackEmptyTextsWithoutAnError)
{
    nextAnswer = lookup::LookupAnswer{QString(), nullptr, nullptr};
    Call cpte{QStringLiteral("TA_Cpte")};
    define(cpte);
    EXPECT_EQ(cpte.codigo, QString());
    EXPECT_EQ(cpte.adicional, QString());
    EXPECT_EQ(cpte.descripcion, QStringLiteral("DESCRIPCION"));

    QFile::remove(consulta().gRutaMascaraConsultas);
    Call plain{QStringLiteral("MA_CHOFERES")};
    plain.abrir = true;
    define(plain);
    EXPECT_EQ(listRequests.last().sql, QStringLiteral("select APELLIDO, NOMBRES,CODIGO from MA_CHOFERES "));
    EXPECT_EQ(plain.codigo, QString());
    EXPECT_EQ(plain.adicional, QString());
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_FALSE(errorLogged());
}

TEST_F(LookupDefinitions, WithoutTheMaskFileOnlyAnOpeningCallShowsAPlainSelect)
{
    QFile::remove(consulta().gRutaMascaraConsultas);
    Call quiet{QStringLiteral("V_TA_Rubros")};
    define(quiet);
    EXPECT_TRUE(listRequests.isEmpty());
    EXPECT_EQ(quiet.codigo, QStringLiteral("IDRubro"));

    pick(QStringLiteral("AB123CD"));
    Call vehiculos{QStringLiteral("MA_VEHICULOS")};
    vehiculos.abrir = true;
    vehiculos.where = QStringLiteral("TIPO = 'Chasis'");
    define(vehiculos);
    ASSERT_EQ(listRequests.size(), 1);
    const QString sql = listRequests[0].sql;
    EXPECT_EQ(sql, QStringLiteral("select PATENTE,TIPO_VEHICULO,MODELO,TIPO,PATENTE from MA_VEHICULOS where TIPO = 'Chasis'"));
    EXPECT_EQ(rows(sql).size(), 1u);
    EXPECT_EQ(listRequests[0].CampoDevuelto, QStringLiteral("PATENTE"));
    EXPECT_EQ(vehiculos.codigo, QStringLiteral("AB123CD"));
    EXPECT_EQ(vehiculos.adicional, QStringLiteral("MODELO"));
    EXPECT_EQ(vehiculos.where, QStringLiteral("TIPO = 'Chasis'"));

    // No description column: every column is shown.
    Call unknown{QStringLiteral("V_MV_TROPA_STOCK")};
    unknown.descripcion = QString();
    unknown.codigo = QStringLiteral("idTropa");
    unknown.abrir = true;
    define(unknown);
    EXPECT_EQ(listRequests.last().sql, QStringLiteral("select  * ,idTropa from V_MV_TROPA_STOCK "));
    EXPECT_EQ(rows(listRequests.last().sql).size(), 4u);
}

} // namespace
