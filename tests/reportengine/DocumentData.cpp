#include "DocumentData.h"

#include "ado/SqlQuoting.h"

DocumentData::DocumentData(int count)
{
    m_db.exec(QStringLiteral(
        "CREATE TABLE C_MV_CPTE (IdComprobante TEXT COLLATE NOCASE, TC TEXT COLLATE NOCASE, Cuenta TEXT COLLATE NOCASE,"
        " Fecha DATETIME, FINALIZADO BIT, Anulada BIT, Importe REAL, UNEGOCIO TEXT COLLATE NOCASE, USUARIO TEXT COLLATE NOCASE);"
        "CREATE TABLE MA_CUENTAS (Cuenta TEXT COLLATE NOCASE, Nombre TEXT COLLATE NOCASE);"
        "CREATE TABLE C_MV_CPTEINSUMOS (IdComprobante TEXT COLLATE NOCASE, IdArticulo TEXT COLLATE NOCASE, Cantidad INT);"));
    const char* users[] = {"jperez", "MGOMEZ", "o'brien", "Ana"};
    QStringList sql{QStringLiteral("BEGIN")};
    for (int i = 0; i < 12; ++i)
        sql << QStringLiteral("INSERT INTO MA_CUENTAS VALUES ('%1', 'Proveedor %2')").arg(1000 + i * 10).arg(i);
    for (int i = 0; i < count; ++i) {
        Document d;
        d.id = QStringLiteral("0001%1A").arg(i + 1, 8, 10, QChar(u'0'));
        d.kind = i % 5 == 0 ? QStringLiteral("OC") : QStringLiteral("RMC");
        d.account = QString::number(1000 + (i * 7 % 11) * 10);   // account 1110 has no name row
        d.date = QDate(2024, 1, 1).addDays(i * 3 % 120);
        d.finished = i % 3 == 0;
        d.annulled = i % 17 == 0;
        d.amount = double((i * 37) % 1000) + (i % 4) * 0.25;
        d.unit = i % 9 == 0 ? QString() : QStringLiteral("0%1").arg(i % 3 + 1);
        d.user = QString::fromUtf8(users[i % 4]);
        m_documents.push_back(d);
        sql << QStringLiteral("INSERT INTO C_MV_CPTE VALUES (%1, '%2', '%3', '%4 00:00:00', %5, %6, %7, %8, %9)")
                   .arg(ado::quoteSqlText(d.id), d.kind, d.account, d.date.toString(Qt::ISODate))
                   .arg(int(d.finished)).arg(int(d.annulled)).arg(d.amount)
                   .arg(d.unit.isEmpty() ? QStringLiteral("NULL") : ado::quoteSqlText(d.unit), ado::quoteSqlText(d.user));
        for (int line = 0; line < i % 3; ++line)
            sql << QStringLiteral("INSERT INTO C_MV_CPTEINSUMOS VALUES (%1, 'ART%2', %3)").arg(ado::quoteSqlText(d.id)).arg(line + 1).arg(line + i % 5);
    }
    sql << QStringLiteral("COMMIT");
    m_db.exec(sql.join(u';'));
}

QByteArray DocumentData::definitionJson(const QString& extra)
{
    return QString::fromUtf8(R"json({
  "title": "Remitos de compra",
  "tables": [
    {"name": "C_MV_CPTE", "fields": ["IdComprobante", "TC", "Cuenta", "Fecha", "FINALIZADO", "Anulada", "Importe", "UNEGOCIO", "USUARIO"]},
    {"name": "MA_CUENTAS", "fields": ["Cuenta", "Nombre"]}
  ],
  "links": [{"from": "{C_MV_CPTE.Cuenta}", "to": "{MA_CUENTAS.Cuenta}", "type": "left"}],
  "formulas": [
    {"name": "Nombreempresa", "text": "''"},
    {"name": "Estados", "text": "''"},
    {"name": "Neto", "text": "{C_MV_CPTE.Importe} * 2"}
  ],
  "pageHeader": [
    {"text": "{@Nombreempresa}"},
    {"text": "'Página ' & totext(PageNumber) & ' de ' & totext(TotalPageCount)", "align": "right"}
  ],
  "pageFooter": [{"text": "'Impreso el ' & totext(PrintDate)"}],
  "sort": ["+{C_MV_CPTE.IdComprobante}"],
  "columns": [
    {"title": "Número", "value": "{C_MV_CPTE.IdComprobante}", "width": 35},
    {"title": "Fecha", "value": "{C_MV_CPTE.Fecha}", "width": 22, "format": "dd/MM/yyyy"},
    {"title": "Proveedor", "value": "{MA_CUENTAS.Nombre}", "width": 40},
    {"title": "Usuario", "value": "{C_MV_CPTE.USUARIO}", "width": 25},
    {"title": "Importe", "value": "{C_MV_CPTE.Importe}", "width": 30, "align": "right", "format": "#,##0.00"}
  ]%1
})json").arg(extra).toUtf8();
}

QByteArray DocumentData::formulaChainJson(int count, const QString& step, const QString& first)
{
    QStringList formulas{QStringLiteral(R"({"name": "f0", "text": "%1"})").arg(first)};
    for (int i = 1; i < count; ++i)
        formulas << QStringLiteral(R"({"name": "f%1", "text": "%2"})").arg(i).arg(step.arg(QStringLiteral("{@f%1}").arg(i - 1)));
    return QString::fromUtf8(R"json({
  "title": "Cadena de fórmulas",
  "tables": [{"name": "C_MV_CPTE", "fields": ["IdComprobante", "Importe"]}],
  "formulas": [
    %1
  ],
  "pageFooter": [{"text": "'Último valor ' & totext({@%2})"}],
  "sort": ["+{C_MV_CPTE.IdComprobante}"],
  "columns": [
    {"title": "Número", "value": "{C_MV_CPTE.IdComprobante}", "width": 35},
    {"title": "Valor", "value": "{@%2}", "width": 100, "align": "right", "format": "#,##0.00"}
  ]
})json").arg(formulas.join(QStringLiteral(",\n    ")), QStringLiteral("f%1").arg(count - 1)).toUtf8();
}
