#pragma once
// Rewrites statement text so that users who are not administrators read the restricted SS_
// views in place of the confidential tables. "@Admin_" before a name keeps the base object
// and never reaches the database.

#include <QString>
#include <QStringList>

namespace data {

class RestrictedViews {
public:
    struct Context {
        bool esAdmin = false;
        bool confidencialidad = false;
        QString exeName;                 // the running program, without extension
    };

    static QString rewrite(const QString& sql, const Context& context);

    // Sibling programs that read the base deposit view or the base family view: configuration.
    static QStringList& depositoExemptPrograms();
    static QStringList& familiasExemptPrograms();

private:
    static void substitute(QString& text, const QString& base, const QString& restricted);
    static QString withoutMarkers(QString text);
    static bool exempt(const QStringList& programs, const QString& exeName);
};

} // namespace data
