#pragma once
// Statements on TA_CONFIG_FORM, the table of saved control states and window templates.
// Every value is cut to what its column takes (form key 100, the other key columns 50, the
// value whole) and placed between apostrophes with its own apostrophes doubled. The key
// columns are cut the same way in deletes and lookups as in inserts, so a row is always
// found again by the text that wrote it.

#include <QString>

namespace app {

// One remembered property of a control: the six columns that find it again, and its value.
struct StoredProperty {
    QString typeName;
    QString name;
    QString dataField;
    QString property;
    QString value;
};

class ConfigFormSql {
public:
    static constexpr int FormKeyLength = 100;
    static constexpr int ColumnLength = 50;

    // The rows of a form key and user; with a control name, only that control's rows: those
    // named after it and those of its type name, as the save writes both again.
    static QString deleteRows(const QString& formKey, const QString& user, const QString& controlName = {});
    static QString insertRow(const QString& formKey, const QString& user, const StoredProperty& row);
    // The rows of one property, oldest first (the value of the row is not part of the key).
    static QString lookup(const QString& formKey, const QString& user, const StoredProperty& key);

    // The rows of one form key, whatever their user: a template.
    static QString deleteForm(const QString& formKey);
    // Form keys that hold "@" & templateKey & "@".
    static QString templateForms(const QString& templateKey);

    // A key column's literal: cut to its length, apostrophes doubled (without the quotes).
    static QString keyText(const QString& text, int length);
    static QString valueText(const QString& text);
};

} // namespace app
