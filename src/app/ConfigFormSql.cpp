#include "ConfigFormSql.h"

#include "SharedObjects.h"

#include "ado/SqlQuoting.h"
#include "kit/Utilidades.h"

namespace app {

QString ConfigFormSql::keyText(const QString& text, int length)
{
    return ado::escapeSqlText(gUtil().CortarTexto(text, length));
}

QString ConfigFormSql::valueText(const QString& text)
{
    return ado::escapeSqlText(text);
}

QString ConfigFormSql::deleteRows(const QString& formKey, const QString& user, const QString& controlName)
{
    QString sql = QStringLiteral("DELETE TA_CONFIG_FORM WHERE FORMULARIO = '") + keyText(formKey, FormKeyLength)
                + QStringLiteral("' AND USUARIO= '") + keyText(user, ColumnLength) + u'\'';
    if (!controlName.isEmpty()) {
        const QString name = keyText(controlName, ColumnLength);
        sql += QStringLiteral(" and (Nombre = '") + name + QStringLiteral("' or TipoObjeto = '") + name
             + QStringLiteral("')");
    }
    return sql;
}

QString ConfigFormSql::insertRow(const QString& formKey, const QString& user, const StoredProperty& row)
{
    return QStringLiteral("INSERT INTO TA_CONFIG_FORM (FORMULARIO,USUARIO,TIPOOBJETO,NOMBRE,PROPIEDAD,DATAFIELD,VALOR) "
                          "VALUES ('")
         + keyText(formKey, FormKeyLength) + QStringLiteral("','") + keyText(user, ColumnLength)
         + QStringLiteral("','") + keyText(row.typeName, ColumnLength) + QStringLiteral("','")
         + keyText(row.name, ColumnLength) + QStringLiteral("','") + keyText(row.property, ColumnLength)
         + QStringLiteral("','") + keyText(row.dataField, ColumnLength) + QStringLiteral("','")
         + valueText(row.value) + QStringLiteral("')");
}

QString ConfigFormSql::lookup(const QString& formKey, const QString& user, const StoredProperty& key)
{
    return QStringLiteral("SELECT * FROM TA_CONFIG_FORM  with(nolock)  WHERE FORMULARIO = '")
         + keyText(formKey, FormKeyLength) + QStringLiteral("' AND USUARIO = '") + keyText(user, ColumnLength)
         + QStringLiteral("' AND TIPOOBJETO = '") + keyText(key.typeName, ColumnLength)
         + QStringLiteral("' AND NOMBRE='") + keyText(key.name, ColumnLength) + QStringLiteral("' AND DATAFIELD='")
         + keyText(key.dataField, ColumnLength) + QStringLiteral("' AND PROPIEDAD='")
         + keyText(key.property, ColumnLength) + QStringLiteral("' order by id");
}

QString ConfigFormSql::deleteForm(const QString& formKey)
{
    return QStringLiteral("Delete ta_config_form where formulario = '") + keyText(formKey, FormKeyLength)
         + u'\'';
}

QString ConfigFormSql::templateForms(const QString& templateKey)
{
    return QStringLiteral("select formulario from ta_config_form where formulario like '%@")
         + ado::escapeSqlText(templateKey) + QStringLiteral("@%' group by formulario");
}

} // namespace app
