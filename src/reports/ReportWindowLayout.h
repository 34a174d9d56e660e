#pragma once
// Builds the controls of the report parameter window: names, control-array indexes, design
// captions, Tags, DataFields, lengths and the entry order of the range boxes, laid out as two
// columns under the command bar (ranges on the left, layout, order, states and templates on the
// right). The columns scroll when the window is smaller than they are (a 1024x768 screen); a
// larger window gives two parts of its extra width to the ranges, where the boxes of codes widen
// (dates and document numbers keep the width of their one length), and one to the options,
// where the template name stops at a useful width.

#include "reports/ReportControls.h"

#include <QString>

class QBoxLayout;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace reports {

class ReportWindowLayout {
public:
    static constexpr const char* DesignCaption = "Reporte de Remitos";
    static constexpr const char* DesignFrmTipoCaption = "Nº de Presupuesto";
    static constexpr const char* DesignEstado1Caption = "&Finalizado/Facturado";

    // Creates every control on window (which receives its layout) and returns them.
    static ReportControls build(QWidget* window);

    // The range boxes in the order the operator fills them.
    static QList<int> entryOrder();

    // The window at the size its controls ask for, as far as the screen it is on allows (its
    // body scrolls beyond that), its centre kept where it was.
    static void fitToContent(QWidget* window);

private:
    explicit ReportWindowLayout(QWidget* window) : m_window(window) {}

    void createFields();
    void createLayoutOptions();
    void createStates();
    void createTemplates();
    QWidget* rangesColumn();
    QWidget* optionsColumn();
    QGroupBox* rangeFrame(QGroupBox* frame, int labelIndex, const QList<int>& from, const QList<int>& to);
    QGroupBox* singleFrame(QGroupBox* frame, QLabel* label, int field);
    QGroupBox* group(const QString& name, int index, const QString& caption);
    QLabel* label(const QString& name, int index, const QString& caption);
    void setEntryOrder();
    int charsWide(int chars) const;

    QWidget* m_window;
    ReportControls m_c;
};

} // namespace reports
