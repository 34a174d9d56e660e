#pragma once
// Runs a script of statements on the shared connection as one server-side transaction.
//
// The script's blank elements are skipped; the rest go in one batch, each after a carriage
// return: "BEGIN TRANSACTION " CR CR, then CR + statement for each, then CR. The batch relies
// on the server's batch behaviour: an error ends its statement, not the batch, and every error
// of the batch is in the connection's error collection afterwards. Any error rolls the whole
// transaction back ("ROLLBACK TRANSACTION"), leaves an AUX_ERR row with the batch and, when
// asked, the "Aviso al Operador!" box; otherwise "COMMIT TRANSACTION", and a commit that fails
// fails the batch the same way (its transaction would otherwise stay open under later batches).
// A batch or commit that never reached the database (a closed connection leaves no error in the
// collection) fails too, with the error that stopped it.

#include <QString>
#include <QStringList>
#include <cstdint>

namespace app {

// Fallo: true when the batch failed. NumError: the native error of the first error, 0 on
// success. SQLEjecutado: the batch as sent. Mensaje: one line per reported error ("number :
// description" CR LF; with two or more errors the last one is left out). With ToleraDuplicado
// a first error 2627 (duplicate key), with ToleraReferencia a first error 547 (reference), is a
// silent failure: still rolled back, the AUX_ERR row without description, no box, and Mensaje
// holds the server's description. A script of blank elements runs nothing and assigns neither
// NumError nor SQLEjecutado. Other failures go to TratamientoErrores under
// "GActualizarDatoScript"; leaving through it rolls back what the batch had begun.
void GActualizarDatoScript(const QStringList& Script, bool& Fallo, std::int32_t& NumError, bool ToleraDuplicado,
                           bool ToleraReferencia, QString& SQLEjecutado, QString& Mensaje, bool MostrarMensaje);

} // namespace app
