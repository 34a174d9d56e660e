#pragma once
// INSERT and UPDATE texts built from column and value pairs, collected in a script that the
// transaction script runner (TransactionScriptRunner.h) sends as one transaction.
//
// Protocol of the module's one column list: AgregarCampo with Nuevo true for the first column
// and false for each further one, then ArmarSentencia (or ArmarValores when the caller writes
// the statement's head itself). ArmarValores with Limpiar leaves the list empty, ArmarSentencia
// without Mantener leaves one blank pair: either way the next statement starts with Nuevo true.
// One statement is assembled and flushed before the next begins (interface thread only).

#include <QList>
#include <QString>
#include <QStringList>

namespace app {

// One pair: the column name as written and the value already in its SQL form (a quoted text,
// a number or the word Null).
struct CampoValor {
    QString Campo;
    QString Valor;
};
using ListaCampos = QList<CampoValor>;

// The module's column list.
ListaCampos& gCampos();

// Appends one pair. A value that reads "NULL" in any letter case is the word Null; any other
// goes through the data access object's SQLValue with the kind Tipo ("'": between apostrophes,
// each apostrophe inside doubled, "" gives ''; "@": a number). The caller's value is never
// changed. Nuevo empties the list first; adding to a list emptied by ArmarValores without
// Nuevo raises error 9.
void AgregarCampo(const QString& Campo, const QString& Valor, const QString& Tipo, bool Nuevo,
                  ListaCampos& campos = gCampos());

// Appends "(" columns ")" " VALUES (" values ")" to Sentencia, each list joined by "," without
// blanks. Limpiar empties the list afterwards.
void ArmarValores(QString& Sentencia, ListaCampos& campos, bool Limpiar);

// Appends one statement to Script: "INSERT INTO T (A,B) VALUES ('x',2)", or with Actualizar
// "UPDATE T SET A = 'x',B = 2 " followed by Where. A Where that does not hold the word WHERE
// (any case, anywhere) becomes " WHERE " + Where, in the caller's variable too. Without
// Mantener the list is left with one blank pair.
void ArmarSentencia(ListaCampos& campos, QStringList& Script, const QString& Tabla, bool Actualizar, QString& Where,
                    bool Mantener);

// The text for the connected engine: unchanged unless the shared connection's string names
// Oracle. There the single word LEN becomes LENGTH, and "SELECT TOP n *" loses its TOP in
// favour of a "ROWNUM <= n" condition, joined to an existing WHERE with AND. A TOP whose count
// is not followed by "*" raises error 5.
QString AdaptarSQLMotor(const QString& sql);

} // namespace app
