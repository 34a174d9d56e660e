#pragma once
// The report parameter window on this test's copy of the demo database, shown and active, driven
// with QTest keys and clicks. Start-up stands for the program's: the demo is open, the user is
// ADMIN and the configuration is loaded; the report kind is the one the test asks for. The
// window's links to the rest of the program are the standard ones unless a test replaces them,
// and every lookup window is answered by a script.

#include "app/AppTestBase.h"
#include "kit/RecordingPrintEngine.h"
#include "lookup/LookupWindows.h"
#include "reports/ReportControls.h"
#include "reports/Rp_Quindal.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QLineEdit;
class QWidget;

class ReportWindowTest : public AppTestBase {
protected:
    ReportWindowTest();
    explicit ReportWindowTest(const demo::DemoFixture& demo);   // on a copy of that demo database
    ~ReportWindowTest() override;

    // A new window of that kind, loaded, shown and active. The previous one is closed first
    // without saving anything.
    reports::Rp_Quindal& open(const QString& kind);
    const reports::ReportControls& c() const { return m_window->controls(); }
    reports::Rp_Quindal& window() { return *m_window; }
    QLineEdit* field(int index) const;

    // The operator: focus on a box, type into the focused control, press a key on it.
    void focus(QWidget* widget);
    void focusField(int index);
    void typeInto(int index, const QString& text);     // focus, clear, type
    // Types into the box and presses Enter; the box's text afterwards.
    QString enter(int index, const QString& text, Qt::Key key = Qt::Key_Return);
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void rightClick(int index);
    void clickBarItem(int item);                         // 0 Pantalla .. 4 Cerrar
    QWidget* focused() const;
    int focusedField() const;                            // -1 when no range box has the focus

    // Closing ends the program: the End hook throws, as start-up's would end the process.
    void closeWithEsc();

    // Lookup windows: each list request is recorded and answered by the next scripted answer
    // (a cancel when none is left).
    void answerList(const vb::Variant& value);
    void answerTicks(const QStringList& values);
    void cancelList();
    QList<lookup::ListLookupRequest> listRequests;

    // The date the calendar chooses next (empty: the operator closes it without choosing).
    void answerCalendar(const QDate& date);

    // From here on reports print into a recording engine, from the demo's report files copied
    // beside the program: its log holds what each report was given.
    std::shared_ptr<kittest::EngineLog> recordReports();
    // The selection the last report printed was given ("" when none printed).
    QString printedSelection() const;

    // Message boxes, as text and title.
    QStringList messages() const;

    // Recorded calls of the window's links.
    QStringList linkCalls;
    void recordLinks();

private:
    void prepare();

    std::unique_ptr<reports::Rp_Quindal> m_window;
    std::shared_ptr<kittest::EngineLog> m_reports;
    std::unique_ptr<kit::PrintEngineScope> m_reportEngine;
    QList<lookup::LookupAnswer> m_listAnswers;
};
