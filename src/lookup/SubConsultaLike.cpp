#include "lookup/SubConsultaLike.h"

#include "ado/SqlQuoting.h"
#include "app/AppModule.h"
#include "app/ConfigTable.h"
#include "app/SharedObjects.h"
#include "app/TratamientoErrores.h"
#include "kit/Utilidades.h"
#include "lookup/Consultas.h"
#include "lookup/DefinirConsulta.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/LookupStatement.h"
#include "lookup/MaskFile.h"
#include "ui/DialogService.h"
#include "vb/Error.h"
#include "vb/Files.h"
#include "vb/Strings.h"

#include <algorithm>

namespace lookup {

namespace {

const QString kWarning = QStringLiteral("No hay seleccionados campos personalizados para la consulta de ");
const QString kTitle = QStringLiteral("Aviso al Operador");

bool is(const QString& text, const char* name)
{
    return vb::textEquals(vb::Trim(text), QString::fromLatin1(name));
}

bool has(const QString& text, const char* part)
{
    return text.contains(QLatin1String(part), Qt::CaseInsensitive);
}

bool blank(const QString& text)
{
    return vb::Trim(text).isEmpty();
}

// The name a column of a select list goes by: its alias, else its name without the table.
QString columnName(QString item)
{
    item = vb::Trim(item);
    const qsizetype alias = item.lastIndexOf(QLatin1String(" as "), -1, Qt::CaseInsensitive);
    if (alias >= 0)
        item = vb::Trim(item.mid(alias + 4));
    const qsizetype dot = item.lastIndexOf(u'.');
    if (dot >= 0)
        item = item.mid(dot + 1);
    if (item.startsWith(u'[') && item.endsWith(u']'))
        item = item.mid(1, item.size() - 2);
    return item;
}

bool listsColumn(const QString& columns, const QString& column)
{
    const QStringList items = columns.split(u',');
    for (const QString& item : items) {
        if (vb::textEquals(columnName(item), column))
            return true;
    }
    return false;
}

// How an entity of the plain kind is searched: the column handed back, where its columns come
// from, its FROM texts with and without search text, and what stands in for missing columns.
struct PlainEntity {
    enum class From { Fixed, Accounts, Others };
    const char* tabla;            // nullptr: any other table
    const char* campoDevuelto;
    const char* columnsFrom;      // nullptr: the table as named
    From from;
    const char* fallbackColumns;  // for a list of "*" (or empty); nullptr: the warning instead
    const char* fallbackSearch;   // for an empty search column
    const char* entity;           // the word of the warning; nullptr: the table's name
};

const PlainEntity kPlainEntities[] = {
    {"VT_PROVEEDORES", "CODIGO", "VT_PROVEEDORES", PlainEntity::From::Fixed, nullptr, nullptr, "Proveedores"},
    {"MA_CONTACTOS", "idContacto", "MA_CONTACTOS", PlainEntity::From::Fixed, nullptr, nullptr, "Contactos"},
    {"MA_CUENTAS", "CODIGO", nullptr, PlainEntity::From::Accounts, nullptr, nullptr, "Cuentas"},
    {"VT_MAPINFO_CALLES", "STREET", nullptr, PlainEntity::From::Accounts, " STREET ", " STREET ", nullptr},
    {"MAPINFO_LOCALIDADES", "LOCALIDAD", nullptr, PlainEntity::From::Accounts, " LOCALIDAD,PARTIDO,Cod_postal",
     " LOCALIDAD ", nullptr},
    {"V_MA_EMAIL", "EVENTO", "V_MA_EMAIL", PlainEntity::From::Fixed, "Evento", "Evento", nullptr},
    {"V_TA_TECNICOS", "IDTECNICO", nullptr, PlainEntity::From::Others, nullptr, nullptr, "Tecnicos"},
};
// Any other table hands back its code column (codeColumn), known once its columns are read.
const PlainEntity kOtherTable{nullptr, "", nullptr, PlainEntity::From::Others, nullptr, nullptr, nullptr};

const PlainEntity& plainEntity(const QString& tabla)
{
    for (const PlainEntity& entity : kPlainEntities) {
        if (is(tabla, entity.tabla))
            return entity;
    }
    return kOtherTable;
}

// One search: the caller's arguments and the working values of the statement.
class EntitySearch {
public:
    EntitySearch(QString& tabla, QString& texto, QString& codigo, int porCodigo, const QString& filtro,
                 QString& adicional1, QString& adicional2, QString& adicional3)
        : m_tabla(tabla), m_texto(texto), m_codigo(codigo), m_porCodigo(porCodigo), m_filtro(filtro),
          m_adicional1(adicional1), m_adicional2(adicional2), m_adicional3(adicional3),
          m_trap([](const vb::Error& e) {
              return app::TratamientoErrores(e, vb::Variant::missing(), QStringLiteral("SubConsultaLike"));
          })
    {
    }

    void run();

private:
    bool step(const std::function<void()>& body) { return m_trap.run(body); }

    // Common start.
    void start();
    void scanMask();

    // Entity cases.
    void plain(const PlainEntity& entity);
    void clients();
    void articles();
    void prepareArticleColumns();
    void recipients();
    void tropa();

    // Pieces shared by the cases.
    void readColumns(const QString& table);
    QString codeColumn() const;
    bool hasColumn(const QString& column) const;
    void addReturnedColumn(const QString& column, const QString& qualifier = {});
    void warn(const QString& entity);
    QString pattern() const;
    QString top() const { return QStringLiteral("SELECT top ") + QString::number(m_top) + u' '; }
    QString andK() const { return blank(m_k) ? QString() : QStringLiteral(" AND ") + m_k; }
    QString whereK() const { return blank(m_k) ? QString() : QStringLiteral(" WHERE ") + m_k; }
    void show(const QString& sql, bool withColumnList);
    QString picked() const;
    void takeCode();

    QString& m_tabla;
    QString& m_texto;
    QString& m_codigo;
    int m_porCodigo;
    QString m_filtro;
    QString& m_adicional1;
    QString& m_adicional2;
    QString& m_adicional3;
    vb::Trap m_trap;

    bool m_imagen = false;
    qint32 m_top = 1000;
    QString m_k;                  // the condition
    QString m_l;                  // the column list
    QString m_s;                  // the search column
    QString m_j;                  // the price join of articles
    QString m_b;                  // the table as the caller named it
    QString m_typed;              // the text as the operator typed it, before any blank became "%"
    bool m_found = false;
};

void EntitySearch::run()
{
    m_b = m_tabla;
    start();
    if (m_trap.left())
        return;
    if (is(m_tabla, "VT_CLIENTES") || is(m_tabla, "VT_CLIENTESvs"))
        clients();
    else if (is(m_tabla, "V_MA_ARTICULOS"))
        articles();
    else if (is(m_tabla, "MA_DESTINATARIOS"))
        recipients();
    else if (is(m_tabla, "V_MV_TROPA"))
        tropa();
    else
        plain(plainEntity(m_tabla));
}

void EntitySearch::start()
{
    // A search that ends without a lookup (a warning, a message, an error) hands back no
    // earlier lookup's choice either.
    step([&] { gConsulta().clearResults(); });
    step([&] { m_imagen = vb::textEquals(app::Cfg(QStringLiteral("ConsultaArticuloConImagen")), QStringLiteral("SI")); });
    step([&] {
        m_top = LookupStatement::rowLimit(app::Cfg(QStringLiteral("TopConsArt")));
        app::state().lookup.TopConsultaLike = m_top;
    });
    step([&] { m_k = m_filtro; });
    step([&] {
        if (is(m_tabla, "STK_MA_ARTICULOS"))
            m_tabla = QStringLiteral("V_MA_ARTICULOS");
    });
    step([&] {
        if (vb::textEquals(m_texto, app::state().configuration.TituloClientes))
            m_texto.clear();
        if (vb::textEquals(m_texto, app::state().configuration.TituloProveedores))
            m_texto.clear();
        m_typed = m_texto;
    });
    step([&] { scanMask(); });
    // A table the file does not know yet may be one whose defaults are written on demand; the
    // file is read once more after that. The caller's table name stays the one it gave.
    step([&] {
        if (!m_found && vb::FileExists(rutaMascaraConsultas())) {
            ConsultasTropaPorDefecto(m_tabla);
            scanMask();
        }
    });
}

void EntitySearch::scanMask()
{
    const QString path = rutaMascaraConsultas();
    if (!vb::FileExists(path))
        return;
    const std::optional<MascaraConsulta> record = MaskFile::find(path, m_tabla);
    if (!record)
        return;
    const QString mask = vb::Trim(app::gUtil().QuitarCaracteres(record->Condicion, vb::Chr(0), vb::Chr(255)));
    m_k = LookupStatement::bothConditions(mask, m_k);
    m_found = true;
}

// ---------------------------------------------------------------- the plain entities

void EntitySearch::plain(const PlainEntity& entity)
{
    QString campoDevuelto = QString::fromLatin1(entity.campoDevuelto);
    step([&] {
        if (is(m_tabla, "VT_PROVEEDORES") && blank(m_k))
            m_k = QStringLiteral("Dada_De_Baja = 0");
    });
    step([&] { gConsulta().CampoDevuelto = campoDevuelto; });
    step([&] { readColumns(entity.columnsFrom ? QString::fromLatin1(entity.columnsFrom) : m_tabla); });
    step([&] {
        if (entity.fallbackSearch && blank(m_s))
            m_s = QString::fromLatin1(entity.fallbackSearch);
        if (entity.fallbackColumns && (blank(m_l) || vb::Trim(m_l) == u'*'))
            m_l = QString::fromLatin1(entity.fallbackColumns);
        if (!entity.tabla) {
            campoDevuelto = codeColumn();
            gConsulta().CampoDevuelto = campoDevuelto;
        }
        addReturnedColumn(campoDevuelto);
    });
    if (m_trap.left())
        return;
    if (vb::Trim(m_l) == u'*') {
        warn(entity.entity ? QString::fromLatin1(entity.entity) : vb::Trim(m_tabla));
        return;
    }
    QString fromWith, fromWithout;
    switch (entity.from) {
    case PlainEntity::From::Fixed:
        fromWith = QStringLiteral(" FROM %1  with(nolock) WHERE ").arg(QString::fromLatin1(entity.columnsFrom));
        fromWithout = QStringLiteral(" FROM %1  with(nolock) ").arg(QString::fromLatin1(entity.columnsFrom));
        break;
    case PlainEntity::From::Accounts:
        fromWith = QStringLiteral(" FROM ") + m_tabla + QStringLiteral("  with(nolock)   WHERE ");
        fromWithout = QStringLiteral(" FROM ") + m_tabla + QStringLiteral("  with(nolock) ");
        break;
    case PlainEntity::From::Others:
        fromWith = QStringLiteral(" FROM ") + m_tabla + QStringLiteral(" with(nolock)    WHERE ");
        fromWithout = QStringLiteral(" FROM ") + m_tabla + QStringLiteral(" with(nolock)  ");
        break;
    }
    QString sql;
    step([&] {
        if (!m_texto.isEmpty())
            sql = top() + m_l + fromWith + m_s + QStringLiteral(" LIKE '%") + pattern() + QStringLiteral("%'") + andK();
        else
            sql = top() + m_l + fromWithout + whereK();
    });
    step([&] { show(sql, false); });
    step([&] { takeCode(); });
}

// ---------------------------------------------------------------- clients

void EntitySearch::clients()
{
    step([&] { m_k = LookupStatement::bothConditions(m_k, QStringLiteral("Dada_De_Baja = 0")); });
    step([&] { gConsulta().CampoDevuelto = QStringLiteral("CODIGO"); });
    step([&] { readColumns(QStringLiteral("VT_CLIENTES")); });
    step([&] { addReturnedColumn(QStringLiteral("CODIGO")); });
    if (m_trap.left())
        return;
    if (vb::Trim(m_l) == u'*') {
        // Without chosen columns the clients are still shown, whole and unfiltered, and the
        // pick comes back as from any list.
        warn(QStringLiteral("Clientes"));
        step([&] { show(top() + m_l + QStringLiteral(" FROM VT_CLIENTES  with(nolock) "), false); });
        step([&] { takeCode(); });
        return;
    }
    QString sql;
    step([&] {
        if (!m_texto.isEmpty()) {
            const QString t = pattern();
            sql = top() + m_l + QStringLiteral(" FROM ") + m_tabla + QStringLiteral(" with(nolock)  WHERE (") + m_s
                + QStringLiteral(" LIKE '%") + t + QStringLiteral("%' OR NUMERO_DOCUMENTO LIKE '%") + t
                + QStringLiteral("%') ") + andK();
        } else {
            sql = top() + m_l + QStringLiteral(" FROM ") + m_tabla + QStringLiteral(" with(nolock)  ") + whereK();
        }
    });
    step([&] { show(sql, false); });
    step([&] { takeCode(); });
}

// ---------------------------------------------------------------- articles

void EntitySearch::articles()
{
    if (app::state().configuration.ExigeClaveConsultaLike && blank(m_texto)) {
        ui::MsgBox(QStringLiteral("Atención, por la gran cantidad de Artículos existentes al consultar se debe "
                                  "ingresar al menos parte de la clave..."),
                   ui::vbQuestion + ui::vbOKOnly, kTitle);
        return;
    }
    step([&] {
        gConsulta().CampoDevuelto = QStringLiteral("IDARTICULO");
        m_j.clear();
    });
    step([&] {
        if (has(m_k, "idlista"))
            m_j = QStringLiteral(" LEFT OUTER JOIN V_MA_Precios ON ") + m_b + QStringLiteral(".IdArticulo = V_MA_Precios.IdArticulo ");
    });
    QString sql;
    if (!m_texto.isEmpty()) {
        step([&] {
            if (m_porCodigo != 0) {
                // The code is searched among the articles not suspended, whatever the caller
                // asked: its price join goes with its condition, or each article would come
                // once per price list.
                m_k = QStringLiteral("SUSPENDIDO = 0");
                m_j.clear();
                prepareArticleColumns();
                m_s = QStringLiteral("IdArticulo");
            } else {
                prepareArticleColumns();
            }
        });
        bool likeMode = false;
        step([&] { likeMode = likeSearchConfigured(); });
        const bool anywhere = m_porCodigo == 0 && likeMode;
        step([&] {
            if (anywhere)
                m_texto.replace(u' ', u'%');
        });
        step([&] {
            QString t = pattern();
            if (anywhere)
                t.replace(u' ', u'%');
            const QString with = likeMode ? QStringLiteral(" with(nolock)  ") : QStringLiteral("  with(nolock) ");
            const QString like = likeMode ? QStringLiteral(" LIKE '%") : QStringLiteral(" LIKE '");
            sql = top() + m_l + QStringLiteral(" FROM ") + m_b + with + m_j + QStringLiteral(" WHERE ") + m_s + like + t
                + QStringLiteral("%' ") + andK();
        });
    } else {
        step([&] { prepareArticleColumns(); });
        step([&] {
            sql = top() + m_l + QStringLiteral(" FROM ") + m_b + QStringLiteral("  with(nolock) ") + m_j
                + (blank(m_k) ? QString() : QStringLiteral(" where ")) + m_k;
        });
    }
    step([&] { show(sql, true); });
    step([&] { takeCode(); });
}

void EntitySearch::prepareArticleColumns()
{
    readColumns(m_b);
    // Articles without a query mask are searched by their description.
    if (blank(m_s))
        m_s = QStringLiteral("Descripcion");
    addReturnedColumn(QStringLiteral("IdArticulo"), m_b);
    if (m_imagen)
        m_l += has(m_l, "STK_MA_ARTICULOS") ? QStringLiteral(",STK_MA_ARTICULOS.RutaImagen ") : QStringLiteral(",RutaImagen ");
    if (has(m_k, "idlista")) {
        m_l = vb::Trim(vb::Replace(m_l, QStringLiteral("STK_MA_ARTICULOS.PRECIO"), QStringLiteral("V_MA_PRECIOS.PRECIO"), 1, -1,
                                   vb::CompareMethod::Text));
        m_l = vb::Trim(vb::Replace(m_l, QStringLiteral("V_MA_ARTICULOS.PRECIO"), QStringLiteral("V_MA_PRECIOS.PRECIO"), 1, -1,
                                   vb::CompareMethod::Text));
    }
}

// ---------------------------------------------------------------- recipients and tropa records

void EntitySearch::recipients()
{
    step([&] { gConsulta().CampoDevuelto = QStringLiteral("ID"); });
    QString sql;
    step([&] {
        if (!m_texto.isEmpty())
            sql = QStringLiteral("SELECT  Nombre, Domicilio, Cliente + Codigo + Sucursal AS Id From ma_destinatarios WHERE "
                                 "Nombre LIKE '%")
                + pattern() + QStringLiteral("%'  ") + andK();
        else
            sql = QStringLiteral("SELECT  Nombre, Domicilio, Cliente + Codigo + Sucursal AS Id From ma_destinatarios ")
                + whereK();
    });
    step([&] { show(sql, true); });
    // The id joins client (4), recipient code (16) and branch (6), each as long as its column.
    // A cancel leaves the three parts as the caller passed them.
    step([&] {
        const QString id = picked();
        m_codigo = id;
        if (id.isEmpty())
            return;
        m_codigo = vb::RTrim(vb::Mid(id, 5, 16));
        m_adicional1 = vb::RTrim(vb::Mid(id, 21, 6));
        m_adicional2.clear();
        m_adicional3 = vb::RTrim(vb::Mid(id, 1, 4));
    });
}

void EntitySearch::tropa()
{
    step([&] { gConsulta().CampoDevuelto = QStringLiteral("DTE"); });
    step([&] { readColumns(QStringLiteral("V_MV_TROPA")); });
    step([&] {
        m_s = QStringLiteral("DTe");
        addReturnedColumn(QStringLiteral("DTE"));
    });
    if (m_trap.left())
        return;
    if (vb::Trim(m_l) == u'*') {
        warn(QStringLiteral("Tropas"));
        return;
    }
    // The record's id comes back beside its DTE.
    step([&] {
        gConsulta().CmpsDevueltos->add(QStringLiteral("DTE"));
        gConsulta().CmpsDevueltos->add(QStringLiteral("id"));
    });
    QString sql;
    step([&] {
        if (!m_texto.isEmpty())
            sql = top() + m_l + QStringLiteral(", id FROM ") + m_tabla + QStringLiteral("  with(nolock) WHERE ") + m_s
                + QStringLiteral(" LIKE '%") + pattern() + QStringLiteral("%'") + andK();
        else
            sql = top() + m_l + QStringLiteral(",id FROM ") + m_tabla + QStringLiteral("  with(nolock) ") + whereK();
    });
    step([&] { show(sql, true); });
    step([&] { takeCode(); });
    step([&] {
        const vb::CollectionPtr valores = gConsulta().Valores;
        m_adicional1 = valores && valores->count() >= 2 ? app::gUtil().ValorTexto(valores->item(2)) : QString();
    });
}

// ---------------------------------------------------------------- shared pieces

// The code column of a table the search has no case for: the one its lookup definition names
// when the table has it (the definitions' catch-all rules name a column many tables lack),
// else the first listed column named Codigo or Id..., else the list's first column.
QString EntitySearch::codeColumn() const
{
    DefinicionConsulta definicion{m_tabla, {}, {}, {}};
    if (DefinicionDeConsulta(definicion) && hasColumn(definicion.CampoCodigo))
        return definicion.CampoCodigo;
    const QStringList items = m_l.split(u',');
    for (const QString& item : items) {
        const QString name = columnName(item);
        if (vb::textEquals(name, QStringLiteral("Codigo")) || name.startsWith(QLatin1String("Id"), Qt::CaseInsensitive))
            return name;
    }
    return columnName(m_s);
}

// A column the mask lists or the table has. The table is asked only when the mask lacks the
// column, and asked itself rather than its catalogue, which on some engines answers yes to any
// column.
bool EntitySearch::hasColumn(const QString& column) const
{
    if (blank(column))
        return false;
    if (listsColumn(m_l, column))
        return true;
    const QStringList columns = app::gDB().tableColumns(m_tabla);
    return std::any_of(columns.begin(), columns.end(),
                       [&](const QString& name) { return vb::textEquals(name, vb::Trim(column)); });
}

void EntitySearch::readColumns(const QString& table)
{
    CamposConsultaArticulos(table, m_l, m_s, QStringLiteral("4"));
}

// A list window can only hand back a column it shows: a mask without the returned column gets it.
void EntitySearch::addReturnedColumn(const QString& column, const QString& qualifier)
{
    if (column.isEmpty() || vb::Trim(m_l) == u'*' || blank(m_l) || listsColumn(m_l, column))
        return;
    m_l += u',' + (qualifier.isEmpty() ? column : qualifier + u'.' + column);
}

void EntitySearch::warn(const QString& entity)
{
    ui::MsgBox(kWarning + entity, ui::vbCritical + ui::vbOKOnly, kTitle);
}

QString EntitySearch::pattern() const
{
    return ado::escapeLikeText(vb::Trim(m_typed));
}

void EntitySearch::show(const QString& sql, bool withColumnList)
{
    Lib_ClsCons3& consulta = gConsulta();
    vb::CollectionPtr none;
    QString clave, campoBusqueda, where, sentenciaOpcional, valoresDefault;
    bool treeView = false;
    consulta.ConsultaSearch(sql, withColumnList ? consulta.CmpsDevueltos : none, clave, campoBusqueda, where,
                            sentenciaOpcional, treeView, valoresDefault);
}

QString EntitySearch::picked() const
{
    return vb::RTrim(app::gUtil().ValorTexto(gConsulta().ValorDevuelto));
}

void EntitySearch::takeCode()
{
    m_codigo = picked();
}

} // namespace

void SubConsultaLike(QString& Tabla, QString& Texto, QString& Codigo, const vb::Variant&, int PorCodigo, const QString& Filtro,
                     QString& Adicional1, QString& Adicional2, QString& Adicional3)
{
    const QString asGiven = Tabla;
    EntitySearch(Tabla, Texto, Codigo, PorCodigo, Filtro, Adicional1, Adicional2, Adicional3).run();
    // Whatever way the search ends, the caller's table name is the one it gave.
    Tabla = asGiven;
}

} // namespace lookup
