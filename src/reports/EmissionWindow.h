#pragma once
// What the emission reads from the report parameter window and asks of it, beyond its kind and
// range boxes: the layout and order options, the state boxes, the guarantee and model flags, the
// currency selector, the report table and the two procedures it runs before printing. The
// window implements it; tests give plain states.

#include "reports/ReportWindowFields.h"

#include <QList>
#include <QString>

namespace reports {

// An option button as the emission reads it: its Value and Tag.
struct OptionState {
    bool value = false;
    QString tag;
};

// A check box: its Value (0, 1 or 2), whether it is Visible (its own flag, not its window's)
// and its Tag.
struct CheckState {
    int value = 0;
    bool visible = true;
    QString tag;
};

class EmissionWindow : public ReportWindowFields {
public:
    static constexpr int LayoutCount = 12;
    static constexpr int OrderCount = 3;

    virtual QString TablaReporte() const = 0;
    virtual OptionState OptTipo(int index) const = 0;   // 0 .. LayoutCount - 1
    virtual OptionState OptOrden(int index) const = 0;  // 0 .. OrderCount - 1
    virtual QList<CheckState> chkestado() const = 0;    // by index, from 0
    virtual CheckState ChkModelo() const = 0;
    virtual CheckState ChkGarantia() const = 0;
    // The currency chosen where the selector is shown: a hidden one gives "" and -1.
    virtual QString CmbMonedaText() const = 0;
    virtual int CmbMonedaListIndex() const = 0;         // -1 with no entry chosen

    // Empties the ranges the numbering-gap layout does not use, when it is chosen.
    virtual void VaciaPorGrupo() = 0;
    // The rows of the numbering-gap report for the window's kind and dates.
    virtual void GeneraAuxiliarMvCpte() = 0;
};

} // namespace reports
