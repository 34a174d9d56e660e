#pragma once
// The frame of the code-entry box's month calendar: a month combo, a year combo, the day
// names and 42 day buttons (six weeks, Sunday first) of which the chosen one stays pressed.
// It only shows: what the buttons and combos do is the box's affair.

#include <QFrame>
#include <QToolButton>

#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;

namespace codebox {

class DayButton : public QToolButton {
    Q_OBJECT
public:
    using QToolButton::QToolButton;
signals:
    void doubleClicked();
protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

class CalendarFrame : public QFrame {
    Q_OBJECT
public:
    static constexpr int Days = 42;

    explicit CalendarFrame(QWidget* parent = nullptr);

    QComboBox* CmbMes() const { return m_month; }
    QComboBox* CmbAnio() const { return m_year; }
    QLabel* LblDesc(int index) const { return m_names[std::size_t(index)]; }
    DayButton* OptDia(int index) const { return m_days[std::size_t(index)]; }

    // A combo's text set from code: the entry of that text becomes the current one, so the
    // arrow keys step from the month or year shown. No choice is signalled.
    static void setComboText(QComboBox* combo, const QString& text);

    QString caption(int index) const;
    void setCaption(int index, const QString& caption);
    QColor colour(int index) const;
    void setColour(int index, const QColor& colour);
    void choose(int index);      // pressed, the others released
    void releaseAll();
    int chosen() const;          // -1 when no day is pressed

signals:
    void monthChosen();
    void yearChosen();
    void dayClicked(int index);
    void dayDoubleClicked(int index);

private:
    QComboBox* m_month = nullptr;
    QComboBox* m_year = nullptr;
    std::array<QLabel*, 7> m_names{};
    std::array<DayButton*, Days> m_days{};
    QButtonGroup* m_group = nullptr;
};

} // namespace codebox
