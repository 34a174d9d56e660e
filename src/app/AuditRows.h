#pragma once
// The rows the program leaves in the suite's shared tables: an audit row per audited action
// (V_MV_CPTEACCIONES), a row per failed SQL script (AUX_ERR) and a row per program start
// (Control_Acceso). None of them ever stops the program: a failing step is skipped and the
// writer goes on; each write that lost a step leaves one line in the module's KQERR.LOG.
//
// Texts go into the statements between apostrophes with their own apostrophes doubled, so a
// user called O'Neil is written as O'Neil and stays so; dates go as locale-free values.

#include <QString>
#include <cstdint>

namespace app {

// Date and time patterns of the suite's stamps: "dd/mm/yy hh:mm", "dd/mm/yy", "hh:mm". The
// error and access rows keep their stamps to the minute, as these patterns do.
QString FormatoFechaHora();
QString FormatoFecha();
QString FormatoHora();

// One V_MV_CPTEACCIONES row: voucher type (in the suite's stored form), voucher, complement
// (a number; an empty one becomes "0", in the caller's variable too), the kind of action
// ('ER' when EsError, else 'A' for Alta, 'M' for Modificacion, 'B' otherwise), the server's date
// and time, the user, the workstation, the detail (SYSTEMUSER, 255 characters at most), the
// program and its additional parameter (Proceso), and the account (15 characters at most).
// The sixth argument does not change the row. Runs outside any transaction; its outcome is not
// looked at.
void RegistrarAccion(const QString& TC, const QString& IdComprobante, QString& IdComplemento, bool Alta,
                     bool Modificacion, bool Reservado, const QString& Detalle, const QString& Cuenta, bool EsError);

// One AUX_ERR row for a script that failed: the process (the executable's name when empty, in
// the caller's variable too), the workstation's date and time, the error number, the
// description (250 characters at most), the whole SQL text, the workstation and the user.
void RegistrarError(const QString& SQL, QString& Proceso, std::int32_t NumError, const QString& Descripcion);

// The Control_Acceso row of this start: workstation, user, program (the executable's name
// when Programa is empty), the menu task the user reached it through, the date and time and
// the user's name as typed. With no current user the database login stands for it from here
// on. A program called VU000VA writes nothing. Runs as a script through GActualizarDatoScript,
// whose box is the one failure the operator sees.
void RegistrarAcceso(const QString& Programa = {});

} // namespace app
