#pragma once
// The text box of the code-entry box: a flat line edit that tells its box when it took the
// focus or a mouse press, after its own handling (which may select or move the caret).

#include <QLineEdit>

namespace codebox {

class SearchTextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void focusEntered();
    void mousePressed();

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QLineEdit::focusInEvent(event);
        emit focusEntered();
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        QLineEdit::mousePressEvent(event);
        emit mousePressed();
    }
};

} // namespace codebox
