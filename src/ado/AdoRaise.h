#pragma once

#include <QString>

namespace ado {

// The object that raises an error names its source, as "ADODB.Recordset" does.
enum class AdoObject { Connection, Command, Recordset, Field, Errors, Parameters };

// Raises the vb::Error ADO raises itself (3021, 3265, 3704 ...), with ADO's text and source.
[[noreturn]] void raiseAdo(int number, AdoObject raisedBy = AdoObject::Recordset);
QString adoSource(AdoObject object);
QString adoDescription(int number);

// Lost-connection errors are remembered by number and text, so that the vb::Error alone
// tells (isConnectionLost) even after Errors was cleared or on another connection.
void rememberLostConnection(int number, const QString& description);
bool wasLostConnection(int number, const QString& description);
// Forgets them all, for a fresh start of the program in the same process.
void forgetLostConnections();

} // namespace ado
