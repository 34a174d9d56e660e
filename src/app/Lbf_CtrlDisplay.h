#pragma once
// The busy notice itself: a small, slightly transparent window with a title, three lines of
// text, an animation of twelve frames and an optional cancel button. Dll_Display drives it.

#include <QList>
#include <QPixmap>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace app {

class Lbf_CtrlDisplay : public QWidget {
    Q_OBJECT
public:
    explicit Lbf_CtrlDisplay(QWidget* parent = nullptr);

    // The caption that marks the notice as cancelled.
    static QString abortedCaption() { return QStringLiteral("Abortado"); }

    QLabel* LblCtrol(int index) const { return m_lines.value(index); }
    QLabel* Image1() const { return m_image; }
    const QList<QPixmap>& ImageList1() const { return m_frames; }    // frame n is ImageList1()[n - 1]
    QTimer* Timer1() const { return m_timer; }
    QPushButton* CmdDisplayCancelar() const { return m_cancel; }
    int frameCounter() const { return m_counter; }

    // One tick of the animation: the next frame, back to the first after the twelfth.
    void Timer1_Timer();

private:
    void buildControls();
    void formLoad();
    void centreOnScreen();
    static QList<QPixmap> drawFrames(const QColor& colour);

    QList<QLabel*> m_lines;
    QLabel* m_image = nullptr;
    QList<QPixmap> m_frames;
    QTimer* m_timer = nullptr;
    QPushButton* m_cancel = nullptr;
    int m_counter = 0;
};

} // namespace app
