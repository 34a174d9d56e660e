#pragma once
// The small pictures of the code-entry box that act as buttons: accept, add a row, clear.
// Drawn here, so the box needs no image files.

#include <QLabel>

namespace codebox {

class BoxImage : public QLabel {
    Q_OBJECT
public:
    enum class Kind { Accept, Add, Clear };
    BoxImage(Kind kind, QWidget* parent = nullptr);
    static QPixmap picture(Kind kind, int side);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    Kind m_kind;
    bool m_pressed = false;
};

} // namespace codebox
