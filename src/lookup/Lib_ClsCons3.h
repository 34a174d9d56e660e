#pragma once
// The lookup driver: a caller names a table or view, or hands a whole SELECT; the driver builds
// the lookup SQL (LookupStatement), shows it in the modal list or tree window and keeps what
// the operator chose in its public members, where the caller reads it.
//
// Results are per lookup: ValorDevuelto, Valores and Cantidades are cleared when a lookup
// starts, and Checks, CampoDevuelto and the caller's CmpsDevueltos are reset whenever it ends,
// also when it shows no window, so a caller never reads the previous lookup's choice.

#include "lookup/LookupWindows.h"
#include "vb/Collection.h"
#include "vb/Variant.h"

#include <QString>
#include <QStringList>

namespace lookup {

class Lib_ClsCons3 {
public:
    // Reads the stock colours and switches from the configuration (the shared connection must
    // be open for them to count).
    Lib_ClsCons3();

    vb::Variant StkNivel1;
    vb::Variant StkNivel2;
    vb::Variant StkNivel3;
    vb::Variant StkNivel4;
    QString MuestraStock;
    vb::CollectionPtr CmpsDevueltos;    // the object's own column list, for callers that hand it in
    vb::CollectionPtr Valores;          // none when the last lookup gave none
    vb::CollectionPtr Cantidades;
    bool Checks = false;                // the next lookup ticks rows
    vb::Variant ValorDevuelto;
    QString gConnString;
    QString gRutaMascaraConsultas;
    bool gUsarMascarasConsultas = false;
    bool UsaCantidades = false;
    QString CampoDevuelto;              // column of the chosen row that becomes ValorDevuelto

    // One lookup. sql: a table, a view or a whole SELECT. CmpsDevueltos: columns whose values
    // go to Valores, or none; emptied on return. Clave: first text of the search box.
    // CampoBusqueda: search and order column, on return the one used. Where: extra condition,
    // on return as the driver wrapped it. SentenciaOpcional: a whole statement used instead of
    // the table's own columns. TreeView: the tree window instead of the list. ValoresDefault:
    // values whose rows start ticked.
    void ConsultaSearch(QString sql, vb::CollectionPtr& CmpsDevueltos, QString& Clave, QString& CampoBusqueda,
                        QString& Where, QString& SentenciaOpcional, bool& TreeView, QString& ValoresDefault);
    // The same with every argument after sql left empty (and no column list).
    void ConsultaSearch(const QString& sql);

    void GrabaConsultaDefault() {}

    // Forgets the last lookup's choice (ValorDevuelto, Valores, Cantidades), as every lookup
    // does when it starts; for a caller that may end without showing one.
    void clearResults();

    // Option pickers over the list window. CheckOpciones: each option starts with "1" (ticked)
    // or "0"; the ticked texts are left in Valores and the result is "". MenuOpciones: the
    // chosen option, "" when cancelled. ConsultaDesdeArchivo: the chosen line of a text file,
    // "" when cancelled or when the file does not exist (the operator is told). The column list
    // and the separator are not used.
    QString CheckOpciones(const QString& Titulo, const vb::CollectionPtr& CmpsDevueltos, const QStringList& Opc);
    QString MenuOpciones(const QString& Titulo, const QStringList& Opc);
    QString ConsultaDesdeArchivo(const QString& Titulo, const QString& QueArchivo, const QString& Separador = {});

    bool usaConsultaLike() const { return m_usaConsultaLike; }

private:
    struct Lookup;

    void endLookup(vb::CollectionPtr& cmpsDevueltos);
    bool buildStatement(Lookup& lookup);
    bool fromMaskFile(Lookup& lookup, bool& built);
    void showTree(const Lookup& lookup);
    void showList(const Lookup& lookup);

    struct Option {
        QString text;
        bool checked = false;
    };
    // Shows the options in the list window; ValorDevuelto and Valores of the window come back.
    LookupAnswer showOptions(const QString& titulo, bool checkBoxes, const QList<Option>& options, int longest);

    bool m_usaConsultaLike = false;
};

} // namespace lookup
