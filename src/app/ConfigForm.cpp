#include "ConfigForm.h"

#include "ConfigFormSql.h"
#include "ControlState.h"
#include "FormPlacement.h"
#include "SharedObjects.h"
#include "TratamientoErrores.h"

#include "data/DB_Dll.h"
#include "data/SessionValues.h"
#include "kit/Utilidades.h"
#include "ui/Control.h"
#include "vb/Error.h"
#include "vb/Strings.h"

#include <QWidget>

namespace app {

namespace {

constexpr int noSuchProperty = 438;

struct FormKey {
    QString form;
    QString user;
};

// Templates (a suffix with "@") belong to every user.
FormKey formKeyOf(const QWidget* form, const QString& suffix)
{
    const bool shared = suffix.contains(u'@');
    return {ui::Control::name(form) + suffix, shared ? QString() : data::gUsuarioActual};
}

bool rowWanted(const StoredProperty& row, const QString& controlName)
{
    return controlName.isEmpty() || vb::textEquals(controlName, row.typeName) || vb::textEquals(controlName, row.name);
}

// False when the statement failed (EjecutaConsultaSQL logged it and raised nothing).
bool run(QString sql)
{
    return data::gDB().EjecutaConsultaSQL(sql);
}

QStringList storedValues(const FormKey& key, const StoredProperty& property, bool firstOnly)
{
    QString sql = ConfigFormSql::lookup(key.form, key.user, property);
    ado::RecordsetPtr rs;
    data::DB_Dll& db = data::gDB();
    db.AbrirRecordset(sql, rs, {}, ado::adOpenForwardOnly, ado::adLockReadOnly, -1, true);
    QStringList values;
    if (rs && rs->State() == ado::adStateOpen) {
        for (; !rs->Eof(); rs->MoveNext()) {
            values.append(gUtil().ValorTexto(rs->Value(QStringLiteral("VALOR"))));
            if (firstOnly)
                break;
        }
    }
    db.CierraRecordset(rs);
    return values;
}

// The rows of one save reach the database in one transaction: on the embedded engine each
// statement on its own costs a commit to disk, which made saving a window the size of the
// report window take half a second or more (bench_app). A save that fails part of the way is
// rolled back, so that the state saved before stays whole; so is one whose commit fails.
class OneCommit {
public:
    OneCommit()
    {
        vb::Trap::skipping().run([this] {
            m_connection = data::gDB().gCnn();
            if (m_connection && m_connection->State() == ado::adStateOpen) {
                m_connection->BeginTrans();
                m_open = true;
            }
        });
    }
    ~OneCommit() { rollback(); }
    OneCommit(const OneCommit&) = delete;
    OneCommit& operator=(const OneCommit&) = delete;

    // True when the rows are stored (also when no transaction could be opened and each
    // statement stored its own).
    bool commit()
    {
        if (!m_open)
            return true;
        m_open = false;
        vb::Trap commit([](const vb::Error& error) {
            logError(error, QStringLiteral("GuardarConfigForm"));
            return int(vb::Abort);
        });
        // A commit that did not happen leaves the transaction open: every later write of the
        // run would go into it and never be stored, and the database would stay locked.
        if (commit.run([this] { m_connection->CommitTrans(); }))
            return true;
        vb::Trap::skipping().run([this] { m_connection->RollbackTrans(); });
        return false;
    }

    void rollback()
    {
        if (!m_open)
            return;
        m_open = false;
        vb::Trap::skipping().run([this] { m_connection->RollbackTrans(); });
    }

private:
    ado::ConnectionPtr m_connection;
    bool m_open = false;
};

StoredValues tableValues(const FormKey& key)
{
    return {[key](const StoredProperty& property) -> std::optional<QString> {
                const QStringList values = storedValues(key, property, true);
                return values.isEmpty() ? std::nullopt : std::optional<QString>(values.first());
            },
            [key](const StoredProperty& property) { return storedValues(key, property, false); }};
}

} // namespace

bool GuardarConfigForm(QWidget* Frm, const QString& Sufijo, const QString& NombreControl, bool IncluirListas)
{
    if (!Frm)
        return true;
    const FormKey key = formKeyOf(Frm, Sufijo);
    OneCommit unit;
    bool written = false;
    bool refused = false;   // a statement failed: nothing more is sent
    // Once part of the state is stored, the rest is stored as far as it can be.
    vb::Trap trap([&](const vb::Error& error) {
        logError(error, QStringLiteral("GuardarConfigForm"));
        return error.number() == noSuchProperty || written ? vb::Ignore : vb::Abort;
    });
    const auto send = [&](const QString& sql) {
        if (!refused)
            refused = !run(sql);
    };
    const auto write = [&](const QList<StoredProperty>& rows) {
        for (const StoredProperty& row : rows) {
            if (!rowWanted(row, NombreControl))
                continue;
            send(ConfigFormSql::insertRow(key.form, key.user, row));
            written = true;
        }
    };

    trap.run([&] { send(ConfigFormSql::deleteRows(key.form, key.user, NombreControl)); });
    const QList<QObject*> controls = ui::Control::controls(Frm);
    for (const QObject* control : controls) {
        if (refused)
            break;
        trap.run([&] { write(ControlState::rowsOf(control, IncluirListas)); });
    }
    if (Sufijo.isEmpty())
        trap.run([&] { write(FormPlacement::rowsOf(Frm, ControlState::formRowsDataField(controls))); });
    if (refused || trap.left()) {
        unit.rollback();
        return false;
    }
    return unit.commit();
}

void CargarConfigForm(QWidget* Frm, const QString& Sufijo, const QString& NombreControl)
{
    if (!Frm)
        return;
    const StoredValues values = tableValues(formKeyOf(Frm, Sufijo));
    const QList<QObject*> controls = ui::Control::controls(Frm);
    // A control whose stored value cannot be put back is left as it is.
    vb::Trap perControl = vb::Trap::skipping();
    for (QObject* control : controls) {
        if (ControlState::kindOf(control) == SavedKind::Other)
            continue;
        if (!NombreControl.isEmpty() && !vb::textEquals(NombreControl, ui::Control::name(control)))
            continue;
        perControl.run([&] { ControlState::restore(control, values); });
    }
    if (Sufijo.isEmpty()) {
        vb::Trap placement = vb::Trap::skipping();
        placement.run([&] { FormPlacement::restore(Frm, ControlState::formRowsDataField(controls), values); });
    }
}

} // namespace app
