#pragma once

#include <QString>

namespace ado {

// Raises the vb::Error ADO raises itself (3021, 3265, 3704 ...), with ADO's text.
[[noreturn]] void raiseAdo(int number);
QString adoDescription(int number);

// Lost-connection errors are remembered by number and text, so that the vb::Error alone
// tells (isConnectionLost) even after Errors was cleared or on another connection.
void rememberLostConnection(int number, const QString& description);
bool wasLostConnection(int number, const QString& description);

} // namespace ado
