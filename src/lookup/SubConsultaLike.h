#pragma once
// The search of one kind of business entity by a piece of text: clients, suppliers, articles,
// contacts, accounts, streets, localities, recipients, e-mail events, tropa records and
// technicians, and any other table in one plain way. It builds one SELECT whose search column
// contains (or, for articles outside LIKE mode, begins with) the text, shows it in the list
// lookup window through the shared lookup object and hands back what the operator picked.
// The query mask of the table gives the columns and an extra condition; the entity decides the
// returned column, its fixed filters and the values handed back.
//
// The typed text goes into the statement as literal text (apostrophes doubled, "[", "_" and
// "%" literal); only the blanks of an article search in LIKE mode match any run on purpose.
// Codes come back with their trailing blanks removed and their leading ones kept (the suite's
// codes are right-aligned). A cancelled lookup hands back an empty code (a tropa record also
// an empty id; a recipient's three parts stay as the caller passed them); a search that shows no
// lookup (a warning instead) leaves the shared lookup object without any earlier choice.

#include "vb/Variant.h"

#include <QString>

namespace lookup {

// Tabla: the table or view searched ("STK_MA_ARTICULOS" counts as the articles); it holds the
// caller's name again when the search ends. Texto: the text searched; it is emptied when it
// equals a configured client or supplier title, and in an article search in LIKE mode its
// blanks become "%". Codigo: the value picked (for recipients, the recipient code).
// Reservado: not read. PorCodigo: articles only, non-zero searches the article code among
// articles not suspended. Filtro: an extra condition without the word WHERE, "" for none.
// Adicional1: recipients' branch, or the id of the picked tropa record; Adicional2: "" for
// recipients; Adicional3: recipients' client. Outputs the entity does not fill keep their value.
void SubConsultaLike(QString& Tabla, QString& Texto, QString& Codigo, const vb::Variant& Reservado, int PorCodigo,
                     const QString& Filtro, QString& Adicional1, QString& Adicional2, QString& Adicional3);

} // namespace lookup
