#pragma once
// The report window's emission: from the window's state it builds the selection formula (the
// ranges, the report kind, business units, user, states, guarantee), the sort field and the
// formula assignments (company, title, states, currency, dates, parameters), chooses the report
// file of the layout and hands all of it to the shared print object, on the destination the
// caller set.
//
// Choices of this program:
// - A bad range (reversed, or a date that is no date) shows its message and prints nothing.
// - The numbering-gap report prints only the rows of this workstation's key.
// - The user is matched by its trimmed text; business units in their stored form.
// - Every text the operator typed, and every stored one, reaches a formula literal with its
//   apostrophes doubled.
// - A report whose file is missing (NombreReporte warned and gave no file) is not printed.
// Errors of the print object, the file choice or the gap rows reach the caller.

#include "reports/RangoFiltro.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vb {
class Variant;
}

namespace reports {

class EmissionWindow;

void ImprimirReporte(EmissionWindow& window);

// "ESTADOS = '<tags of the ticked and visible state boxes>'", or the list of every state when
// none counts.
QString FormulaEstados(const EmissionWindow& window);

class ReportEmission {
public:
    explicit ReportEmission(EmissionWindow& window) : m_window(window) {}

    // False when a bad range stopped it (its message was shown).
    bool run();

    // What the last run built, for its callers' checks.
    const QList<RangoFiltro>& filtros() const { return m_filtros; }

private:
    bool layout(int index) const;
    QString field(const QString& dataField) const;
    QString tableField(const QString& name) const;

    void fillRows();
    bool buildRangeFormula();
    void addKindClause();
    void AgregarUnidadesNegocio();
    void addUserClause();
    void chooseSort();
    void buildAssignments();
    void addKindAssignments();
    QString textoParametros() const;
    void addParametros();
    void setPrintOptions();
    void printLayout();
    void AgregarFiltroAprobacion();

    QString resolve(const QString& reportName) const;
    void print(const QString& file, const QList<vb::Variant>& formulas, const QStringList& subreports = {});

    EmissionWindow& m_window;
    QList<RangoFiltro> m_filtros;
    QString m_formula;
    QStringList m_orden;
    QString m_nombreEmpresa;
    QString m_ordenado;
    QString m_tituloParametro;
    QString m_estados;
    QString m_enQueMoneda;
    QString m_parametros;              // the Parametros assignment, empty when the layout has none
};

} // namespace reports
