#pragma once
// The lookups' module procedures: the shared lookup object, the start-up's lookup set-up, the
// default query masks and the article column list.

#include <QString>

namespace lookup {

class Lib_ClsCons3;

// The shared lookup object (app::gConsulta), created on first use.
Lib_ClsCons3& gConsulta();

// The start-up's lookup step, once the shared connection is open: the connection string, the
// use of query masks, the mask file beside the program, and the default masks when that file
// does not exist. A file error raises vb::Error to the caller. Without arguments: the shared
// connection's string and "consultas.qzt" beside the program.
void PrepararConsultas();
void PrepararConsultas(const QString& connString, const QString& maskPath);

// Whether the suite searches typed text anywhere in a column rather than at its start: the
// configuration value "UsaConsultaLIKE" is "SI", letter case and blanks around it aside. The
// one reading of that value for every lookup.
bool likeSearchConfigured();

// "consultas.qzt" beside the program, found regardless of letter case when it exists.
QString defaultMaskPath();

// The query-mask file every reader and writer uses: the shared object's path, or the program
// folder's "consultas.qzt" before the start-up set it. An existing file is found regardless of
// letter case.
QString rutaMascaraConsultas();

// Appends the eleven default query masks. Raises vb::Error on a file error.
void CrearConsultasPorDefecto();

// For the two tropa views: appends the view's query mask and writes its column widths; any
// other name does nothing. Errors end it without a message.
void ConsultasTropaPorDefecto(const QString& tabla);

// The column list and the search column of an article lookup from the query-mask file; the
// stock view borrows the article mask and adds its stock columns. "*" and an empty search
// column when there is no mask. The fourth argument is not used.
void CamposConsultaArticulos(const QString& tabla, QString& campos, QString& campoBusqueda, const QString& = {});

} // namespace lookup
