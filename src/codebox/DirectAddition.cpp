#include "codebox/DirectAddition.h"

#include "codebox/CodeText.h"

#include "ado/SqlQuoting.h"
#include "kit/Utilidades.h"
#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Strings.h"

namespace codebox {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

bool same(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

bool isPurchaseMotive(const QString& table)
{
    return same(table, "V_TA_MotivoCpra");
}

bool isSaleMotive(const QString& table)
{
    return same(table, "V_TA_MotivoVta");
}

QString text(const QString& value)
{
    return ado::escapeSqlText(value);
}

} // namespace

QString DirectAddition::storedDescription(const QString& typed)
{
    // Cut to the column's 50 characters, without commas and apostrophes, and without the
    // blanks a removed comma leaves at either end.
    const kit::Utilidades util;
    return vb::Trim(util.QuitarCaracteres(util.CortarTexto(vb::Trim(typed), 50), QStringLiteral(","), QStringLiteral("'")));
}

QString DirectAddition::duplicateCheck(const AdditionRequest& r, const QString& stored)
{
    return QStringLiteral("SELECT ") + r.descriptionColumn + QStringLiteral(" FROM ") + r.table + QStringLiteral(" where ltrim(rtrim(")
        + r.descriptionColumn + QStringLiteral(")) = '") + text(stored) + QStringLiteral("' ");
}

QString DirectAddition::maximumCode(const AdditionRequest& r)
{
    const QString& c = r.codeColumn;
    return QStringLiteral("SELECT MAX(") + c + QStringLiteral(") as ") + c + QStringLiteral(" FROM ") + r.table
        + QStringLiteral(" where (left(") + c + QStringLiteral(",1) = ' ' or left(") + c + QStringLiteral(",1) = '9') ");
}

QString DirectAddition::nextCode(const vb::Variant& maximum, int width, bool& fits)
{
    const std::int32_t n = maximum.isNull() || maximum.isEmpty() ? 1 : vb::CLng(vb::Val(maximum.toString()) + 1);
    const QString digits = QString::number(n);
    fits = digits.size() <= width;
    return digits.rightJustified(width, u' ');
}

QString DirectAddition::insertStatement(const AdditionRequest& r, const QString& code, const QString& stored, const QDate& today)
{
    const QString head = QStringLiteral("INSERT INTO ") + r.table + u'(' + r.codeColumn + u',' + r.descriptionColumn;
    const QString values = QStringLiteral(" VALUES ('") + text(code) + QStringLiteral("','") + text(stored) + u'\'';
    if (same(r.table, "V_TA_Cpra_Vta")) {
        // The creation date as a literal every server reads alike, not in the regional form.
        return head + QStringLiteral(",CantidadDias,HabilitadoPara,DtoMaximo,FechaHora_Grabacion)") + values
            + QStringLiteral(",1,'VC',100,") + kit::Utilidades().FechaSQL(vb::Date::fromDate(today)) + u')';
    }
    if (same(r.table, "V_MA_MANTENIMIENTOS"))
        return head + QStringLiteral(", CUENTA)") + values + QStringLiteral(",'") + text(vb::Trim(r.cuenta)) + QStringLiteral("')");
    return head + u')' + values + u')';
}

QString DirectAddition::accountTemplate(const QString& table)
{
    if (isSaleMotive(table))
        return QStringLiteral("SELECT top 1 * FROM V_TA_Input_Ventas order by idMotivoVta asc");
    if (isPurchaseMotive(table))
        return QStringLiteral("SELECT top 1 * FROM V_TA_Input_compras order by idMotivoCpra asc");
    return {};
}

const QStringList& DirectAddition::accountColumns(const QString& table)
{
    static const QStringList shared{"Repuestos", "Servicios", "otros", "V_DFI_CTAVTA", "V_DFI_IMPINT", "V_DFI_PERCIB",
                                    "V_DFI_PERCIVA", "V_DFI_PERCGAN", "V_DFI_DESCUENTO", "C_CFI_CTACPRA", "C_CFI_IMPINT",
                                    "C_CFI_PERCIB", "C_CFI_PERCIVA", "C_CFI_PERCGAN", "C_CFI_DESCUENTO", "PG_DESCUENTO",
                                    "PG_RETGAN", "PG_RETIB", "PG_RETIVA", "PG_ANTICIPOS", "CB_DESCUENTO", "CB_RETGAN",
                                    "CB_RETIB", "CB_RETIVA", "CB_ANTICIPOS"};
    static const QStringList purchase = shared + QStringList{"CFI_IVARI", "CFI_IVARNI", "C_CFI_IMPITC", "CFI_IVARI1", "CFI_IVARI2"};
    static const QStringList sale = shared + QStringList{"DFI_IVARI", "DFI_IVARNI", "COSTO_MERCADERIA", "V_DFI_IMPITC"};
    return isSaleMotive(table) ? sale : purchase;
}

QString DirectAddition::accountRow(const QString& table, const QString& code, const QString& vat, const QStringList& values)
{
    const QStringList& columns = accountColumns(table);
    QString sql;
    if (isSaleMotive(table)) {
        sql = QStringLiteral("INSERT INTO [dbo].[V_TA_Input_Ventas] ( [IdMotivoVta] , [CondIva]");
        for (int i = 0; i < columns.size(); ++i) {
            const QString name = columns[i] == QLatin1String("otros") ? QStringLiteral("Otros") : columns[i];
            sql += (i < 9 ? QStringLiteral(" , [") : QStringLiteral(" ,[")) + name + (i + 1 == columns.size() ? QStringLiteral("])") : QStringLiteral("]"));
        }
        sql += QStringLiteral(" Values  ( '") + text(code) + QStringLiteral("' ,'") + text(vat) + u'\'';
        for (int i = 0; i < values.size(); ++i)
            sql += QStringLiteral(" ,'") + text(values[i]) + (i + 1 == values.size() ? QStringLiteral("')") : QStringLiteral("'"));
        return sql;
    }
    sql = QStringLiteral("INSERT INTO V_TA_Input_Compras                   ([IdMotivoCpra]  ,[CondIva]");
    for (int i = 0; i < columns.size(); ++i) {
        const QString name = columns[i] == QLatin1String("otros") ? QStringLiteral("Otros") : columns[i];
        sql += QStringLiteral("  ,[") + name + (i + 1 == columns.size() ? QStringLiteral("])") : QStringLiteral("]"));
    }
    sql += QStringLiteral(" vALUES           (  '") + text(code) + QStringLiteral("'  ,'") + text(vat) + u'\'';
    for (const QString& value : values)
        sql += QStringLiteral("  ,'") + text(value) + u'\'';
    return sql + QStringLiteral("  )");
}

QString DirectAddition::failureMessage(const QString& table, const QString& insert)
{
    return QStringLiteral("ERROR EN EL ALTA DIRECTA, UTILICE LA OPCION DEL MENÚ CORRESPONDIENTE.") + kCrLf + table + kCrLf + insert;
}

QString DirectAddition::accountBatch(const QString& table, const QString& code)
{
    const ado::RecordsetPtr model = m_run(accountTemplate(table), nullptr);
    if (model->Eof())
        return {};
    QStringList values;
    for (const QString& column : accountColumns(table))
        values << CodeText::FieldVal(model->Value(column));
    QString batch;
    for (int vat = 1; vat <= 8; ++vat)
        batch += kCrLf + accountRow(table, code, QString::number(vat).rightJustified(4, u' '), values);
    return batch;
}

DirectAddition::Outcome DirectAddition::add(const AdditionRequest& r, const QDate& today)
{
    const QString stored = storedDescription(r.typed);
    // A text that is nothing but commas and apostrophes would be stored as a nameless row:
    // it ends as an empty one does.
    if (vb::Trim(r.table).isEmpty() || stored.isEmpty() || r.codeColumn.isEmpty() || r.descriptionColumn.isEmpty())
        return {};
    try {
        // The check compares what would be stored, so a second row of the same stored
        // description cannot slip in through a comma or a long text.
        if (!m_run(duplicateCheck(r, stored), nullptr)->Eof())
            return {false, {}, QStringLiteral("El detalle ingresado ya existe, seleccionelo de la lista")};
        const ado::RecordsetPtr maximum = m_run(maximumCode(r), nullptr);
        bool fits = true;
        const QString code = nextCode(maximum->Eof() ? vb::Variant::null() : maximum->Fields()->Item(0)->Value(), r.codeWidth, fits);
        if (!fits) {
            return {false, {}, QStringLiteral("NO QUEDAN CODIGOS LIBRES EN ") + r.table + QStringLiteral(": EL PROXIMO (") + vb::Trim(code)
                                   + QStringLiteral(") TIENE MAS DE ") + QString::number(r.codeWidth) + QStringLiteral(" DIGITOS.") + kCrLf
                                   + QStringLiteral("UTILICE LA OPCION DEL MENÚ CORRESPONDIENTE.")};
        }
        return write(r, code, stored, today);
    } catch (const vb::Error& e) {
        vb::Err::set(e);
        return {false, {}, failureMessage(r.table, QString())};
    }
}

DirectAddition::Outcome DirectAddition::write(const AdditionRequest& r, const QString& code, const QString& stored, const QDate& today)
{
    const QString insert = insertStatement(r, code, stored, today);
    // The row and a motive's account rows stand or fall together.
    m_connection->BeginTrans();
    try {
        qint64 affected = 0;
        m_run(insert, &affected);
        if (affected <= 0) {
            m_connection->RollbackTrans();
            return {false, {}, failureMessage(r.table, insert)};
        }
        if (!accountTemplate(r.table).isEmpty()) {
            const QString batch = accountBatch(r.table, code);
            if (!batch.isEmpty())
                m_run(batch, nullptr);
        }
        m_connection->CommitTrans();
        return {true, code, {}};
    } catch (const vb::Error& e) {
        vb::Err::set(e);
        try {
            m_connection->RollbackTrans();
        } catch (const vb::Error&) {
        }
        return {false, {}, failureMessage(r.table, insert)};
    }
}

} // namespace codebox
