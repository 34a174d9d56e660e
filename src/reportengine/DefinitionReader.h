#pragma once
// Reads a .rpt file (our JSON report definition) and checks it, so that a report that names an
// unknown table, field or formula fails when it is loaded, with the file and line of the fault.

#include "reportengine/ReportDefinition.h"
#include <QJsonArray>
#include <QJsonObject>

namespace reportengine {

class DefinitionReader {
public:
    static ReportDefinition readFile(const QString& path);                       // raises ReportError
    static ReportDefinition readText(const QByteArray& json, const QString& fileName = QStringLiteral("<text>"));

private:
    DefinitionReader(const QByteArray& json, const QString& fileName) : m_json(json), m_fileName(fileName) {}
    ReportDefinition document();
    ReportDefinition report(const QJsonObject& o);
    void tables(const QJsonObject& o, ReportDefinition& def);
    void links(const QJsonObject& o, ReportDefinition& def);
    std::vector<NamedText> namedTexts(const QJsonObject& o, const char* key, const char* textKey);
    void groups(const QJsonObject& o, ReportDefinition& def);
    void columns(const QJsonObject& o, ReportDefinition& def);
    void summaries(const QJsonObject& o, ReportDefinition& def);
    std::vector<PageText> pageTexts(const QJsonObject& o, const char* key);
    PageSetup page(const QJsonObject& o);
    void subreports(const QJsonObject& o, ReportDefinition& def);

    QJsonArray array(const QJsonObject& o, const char* key);
    QJsonObject object(const QJsonValue& v, const char* what);
    QString text(const QJsonObject& o, const char* key, bool required = false);
    Qt::Alignment alignment(const QJsonObject& o);
    int lineOf(qsizetype offset) const;
    int lineNear(const QString& snippet) const;
    [[noreturn]] void fail(const QString& message, const QString& near) const;

    QByteArray m_json;
    QString m_fileName;
};

} // namespace reportengine
