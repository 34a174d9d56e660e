#include "reportengine/DefinitionReader.h"
#include "kit/MessageText.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportModel.h"
#include <QFile>
#include <QJsonDocument>

namespace reportengine {

ReportDefinition DefinitionReader::readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw ReportError(QStringLiteral("%1: no se puede abrir el archivo del informe (%2)").arg(kit::pathText(path), f.errorString()));
    return readText(f.readAll(), path);
}

ReportDefinition DefinitionReader::readText(const QByteArray& json, const QString& fileName)
{
    DefinitionReader reader(json, fileName);
    return reader.document();
}

ReportDefinition DefinitionReader::document()
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(m_json, &error);
    if (error.error != QJsonParseError::NoError)
        throw ReportError(QStringLiteral("%1:%2: %3").arg(kit::pathText(m_fileName), QString::number(lineOf(error.offset)), error.errorString()));
    if (!doc.isObject())
        throw ReportError(QStringLiteral("%1:1: la definición de un informe es un objeto JSON").arg(kit::pathText(m_fileName)));
    ReportDefinition def = report(doc.object());
    def.fileName = m_fileName;
    try {
        ReportModel::check(def);
    } catch (const ReportError& e) {
        fail(e.message(), e.near());
    }
    return def;
}

ReportDefinition DefinitionReader::report(const QJsonObject& o)
{
    ReportDefinition def;
    def.title = text(o, "title");
    tables(o, def);
    links(o, def);
    def.parameters = namedTexts(o, "parameters", "value");
    def.formulas = namedTexts(o, "formulas", "text");
    def.selection = text(o, "selection");
    def.filter = text(o, "filter");
    for (const QJsonValue& v : array(o, "sort"))
        def.sort.push_back(SortField::parse(v.toString()));
    groups(o, def);
    columns(o, def);
    summaries(o, def);
    def.totalLabel = text(o, "totalLabel");
    def.pageHeader = pageTexts(o, "pageHeader");
    def.pageFooter = pageTexts(o, "pageFooter");
    if (o.contains(QLatin1String("page")))
        def.page = page(object(o.value(QLatin1String("page")), "page"));
    subreports(o, def);
    return def;
}

void DefinitionReader::tables(const QJsonObject& o, ReportDefinition& def)
{
    for (const QJsonValue& v : array(o, "tables")) {
        const QJsonObject t = object(v, "tables");
        TableDef table;
        table.name = text(t, "name", true);
        for (const QJsonValue& f : array(t, "fields"))
            table.fields << f.toString();
        def.tables.push_back(table);
    }
    if (def.tables.empty())
        fail(QStringLiteral("el informe no nombra ninguna tabla"), QStringLiteral("\"tables\""));
}

void DefinitionReader::links(const QJsonObject& o, ReportDefinition& def)
{
    for (const QJsonValue& v : array(o, "links")) {
        const QJsonObject l = object(v, "links");
        LinkDef link;
        link.from = text(l, "from", true);
        link.to = text(l, "to", true);
        const QString type = text(l, "type").toLower();
        if (!type.isEmpty() && type != u"inner" && type != u"left")
            fail(QStringLiteral("el tipo de un vínculo es \"inner\" o \"left\", no \"%1\"").arg(kit::nameText(type)), type);
        link.left = type == u"left";
        def.links.push_back(link);
    }
}

std::vector<NamedText> DefinitionReader::namedTexts(const QJsonObject& o, const char* key, const char* textKey)
{
    std::vector<NamedText> out;
    for (const QJsonValue& v : array(o, key)) {
        const QJsonObject n = object(v, key);
        out.push_back({text(n, "name", true), text(n, textKey)});
    }
    return out;
}

void DefinitionReader::groups(const QJsonObject& o, ReportDefinition& def)
{
    for (const QJsonValue& v : array(o, "groups")) {
        const QJsonObject g = object(v, "groups");
        GroupDef group;
        const SortField field = SortField::parse(text(g, "field", true));
        group.field = field.field;
        group.descending = field.descending;
        group.header = text(g, "header");
        group.footer = text(g, "footer");
        def.groups.push_back(group);
    }
}

void DefinitionReader::columns(const QJsonObject& o, ReportDefinition& def)
{
    for (const QJsonValue& v : array(o, "columns")) {
        const QJsonObject c = object(v, "columns");
        ColumnDef col;
        col.title = text(c, "title");
        col.value = text(c, "value", true);
        col.width = c.value(QLatin1String("width")).toDouble(30);
        if (col.width <= 0 || col.width > 1000)
            fail(QStringLiteral("ancho de columna fuera de rango"), col.value);
        col.align = alignment(c);
        col.format = text(c, "format");
        def.columns.push_back(col);
    }
}

void DefinitionReader::summaries(const QJsonObject& o, ReportDefinition& def)
{
    static const std::pair<const char*, SummaryDef::Function> names[] = {
        {"sum", SummaryDef::Function::Sum}, {"count", SummaryDef::Function::Count},
        {"minimum", SummaryDef::Function::Minimum}, {"maximum", SummaryDef::Function::Maximum},
        {"average", SummaryDef::Function::Average}};
    for (const QJsonValue& v : array(o, "summaries")) {
        const QJsonObject s = object(v, "summaries");
        SummaryDef summary;
        summary.column = s.value(QLatin1String("column")).toInt(-1);
        if (summary.column < 0 || summary.column >= int(def.columns.size()))
            fail(QStringLiteral("un resumen nombra la columna %1, que no existe").arg(summary.column), QStringLiteral("\"summaries\""));
        const QString function = text(s, "function", true).toLower();
        const auto it = std::find_if(std::begin(names), std::end(names), [&](const auto& n) { return function == QLatin1String(n.first); });
        if (it == std::end(names))
            fail(QStringLiteral("función de resumen desconocida \"%1\"").arg(kit::nameText(function)), function);
        summary.function = it->second;
        def.summaries.push_back(summary);
    }
}

std::vector<PageText> DefinitionReader::pageTexts(const QJsonObject& o, const char* key)
{
    std::vector<PageText> out;
    for (const QJsonValue& v : array(o, key)) {
        const QJsonObject t = object(v, key);
        out.push_back({text(t, "text", true), alignment(t)});
    }
    return out;
}

PageSetup DefinitionReader::page(const QJsonObject& o)
{
    PageSetup p;
    const QString size = text(o, "size");
    if (!size.isEmpty()) {
        static const std::pair<const char*, QPageSize::PageSizeId> sizes[] = {
            {"a4", QPageSize::A4}, {"letter", QPageSize::Letter}, {"legal", QPageSize::Legal}, {"a3", QPageSize::A3}};
        const auto it = std::find_if(std::begin(sizes), std::end(sizes), [&](const auto& s) { return size.compare(QLatin1String(s.first), Qt::CaseInsensitive) == 0; });
        if (it == std::end(sizes))
            fail(QStringLiteral("tamaño de papel desconocido \"%1\"").arg(kit::nameText(size)), size);
        p.size = it->second;
    }
    const QString orientation = text(o, "orientation").toLower();
    if (!orientation.isEmpty() && orientation != u"portrait" && orientation != u"landscape")
        fail(QStringLiteral("orientation es \"portrait\" o \"landscape\""), orientation);
    if (orientation == u"landscape")
        p.orientation = QPageLayout::Landscape;
    p.margin = o.value(QLatin1String("margin")).toDouble(p.margin);
    p.fontSize = o.value(QLatin1String("fontSize")).toDouble(p.fontSize);
    if (p.margin < 0 || p.margin > 50 || p.fontSize < 4 || p.fontSize > 30)
        fail(QStringLiteral("margen (0 a 50 mm) o tamaño de letra (4 a 30 puntos) fuera de rango"), QStringLiteral("\"page\""));
    p.keepWithHeading = o.value(QLatin1String("keepWithHeading")).toInt(p.keepWithHeading);
    if (p.keepWithHeading < 1 || p.keepWithHeading > 10)
        fail(QStringLiteral("keepWithHeading va de 1 a 10 líneas"), QStringLiteral("\"keepWithHeading\""));
    return p;
}

void DefinitionReader::subreports(const QJsonObject& o, ReportDefinition& def)
{
    for (const QJsonValue& v : array(o, "subreports")) {
        const QJsonObject s = object(v, "subreports");
        SubreportDef sub;
        sub.name = text(s, "name", true);
        const QJsonObject link = object(s.value(QLatin1String("link")), "link");
        sub.field = text(link, "field", true);
        sub.subField = text(link, "subField", true);
        sub.report = std::make_shared<ReportDefinition>(report(object(s.value(QLatin1String("report")), "report")));
        def.subreports.push_back(sub);
    }
}

QJsonArray DefinitionReader::array(const QJsonObject& o, const char* key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isUndefined() || v.isNull())
        return {};
    if (!v.isArray())
        fail(QStringLiteral("\"%1\" debe ser una lista").arg(QLatin1String(key)), QStringLiteral("\"%1\"").arg(QLatin1String(key)));
    return v.toArray();
}

QJsonObject DefinitionReader::object(const QJsonValue& v, const char* what)
{
    if (!v.isObject())
        fail(QStringLiteral("\"%1\" debe contener objetos { }").arg(QLatin1String(what)), QStringLiteral("\"%1\"").arg(QLatin1String(what)));
    return v.toObject();
}

QString DefinitionReader::text(const QJsonObject& o, const char* key, bool required)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (v.isString())
        return v.toString();
    if (v.isUndefined() && !required)
        return {};
    fail(QStringLiteral("\"%1\" debe ser un texto").arg(QLatin1String(key)), QStringLiteral("\"%1\"").arg(QLatin1String(key)));
}

Qt::Alignment DefinitionReader::alignment(const QJsonObject& o)
{
    const QString a = text(o, "align").toLower();
    if (a.isEmpty() || a == u"left")
        return Qt::AlignLeft;
    if (a == u"right")
        return Qt::AlignRight;
    if (a == u"center")
        return Qt::AlignHCenter;
    fail(QStringLiteral("align es \"left\", \"right\" o \"center\", no \"%1\"").arg(kit::nameText(a)), a);
}

int DefinitionReader::lineOf(qsizetype offset) const
{
    return int(m_json.left(offset).count('\n')) + 1;
}

int DefinitionReader::lineNear(const QString& snippet) const
{
    if (snippet.isEmpty())
        return 1;
    const QString all = QString::fromUtf8(m_json);
    qsizetype at = all.indexOf(snippet, 0, Qt::CaseInsensitive);
    if (at < 0)   // the snippet may carry quotes that JSON escaped
        at = all.indexOf(QString(snippet).replace(u'"', QStringLiteral("\\\"")), 0, Qt::CaseInsensitive);
    return at < 0 ? 1 : int(all.left(at).count(u'\n')) + 1;
}

void DefinitionReader::fail(const QString& message, const QString& near) const
{
    throw ReportError(QStringLiteral("%1:%2: %3").arg(kit::pathText(m_fileName), QString::number(lineNear(near)), message));
}

} // namespace reportengine
