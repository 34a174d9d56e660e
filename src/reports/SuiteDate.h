#pragma once
// What the report window takes as a date: a text the regional date reading takes, of a day the
// suite's database can hold. SQL Server's datetime begins on 1 January 1753; an earlier day (a
// year cut short, "15/03/202") would select from a day no document has, or make the server's
// query fail. Nor is a text a date where one of the separators / - . comes first or two stand
// together: the reading passes over the empty part, but there stood what the date boxes do not
// let through ("1-feb-24" typed is "1--24", which the reading takes for 24 January).

#include <QString>

namespace reports {

bool isSuiteDate(const QString& text);

} // namespace reports
