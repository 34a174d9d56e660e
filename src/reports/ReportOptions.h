#pragma once
// How the choice of layout changes the rest of the report window (the sort of the detailed
// layout, the ranges the numbering-gap layout does not use, the article frame, the state boxes
// and the currency selector), and the template selector: its button applies the named template,
// its menu applies, saves or deletes it.
//
// Template names are taken trimmed everywhere: blanks typed around a name never make another
// template. Applying a template puts the report kind's visibility back afterwards (see
// ReportKind::reapply).

#include <QString>
#include <functional>

class QWidget;

namespace reports {

struct ReportControls;

class ReportOptions {
public:
    ReportOptions(QWidget* window, ReportControls& controls, std::function<QString()> tcoReporte)
        : m_window(window), m_c(controls), m_tcoReporte(std::move(tcoReporte))
    {
    }

    void OptOrden_Click(int index);
    void OptTipo_Click(int index);
    void HabilitarEstados(bool Habilitar);
    void VaciaPorGrupo();

    void TbarPlantilla_ButtonClick();
    void TbarPlantilla_ButtonMenuClick(const QString& key);
    // The window's name followed by the report kind: each kind has its own templates.
    QString clavePlantilla() const;

    // The currency list, when the company works with several currencies: the numbers 1 to the
    // highest one its documents use, so that an entry's position plus one is its number (the
    // emission reads the position).
    void LlenarMonedas();

private:
    // The template name, trimmed in the box itself; empty when none was typed.
    QString nombrePlantilla() const;
    void aplicarPlantilla();

    QWidget* m_window;
    ReportControls& m_c;
    std::function<QString()> m_tcoReporte;
};

} // namespace reports
