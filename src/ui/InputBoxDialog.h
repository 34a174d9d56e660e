#pragma once
// The input box: a prompt, one line of text, Aceptar and Cancelar.

#include <QDialog>

class QLabel;
class QLineEdit;

namespace ui {

class InputBoxDialog : public QDialog {
    Q_OBJECT
public:
    InputBoxDialog(const QString& prompt, const QString& title, const QString& defaultText,
                   QWidget* parent = nullptr);

    QString prompt() const;
    QString text() const;
    void setText(const QString& text);
    QLineEdit* editor() const { return m_editor; }

private:
    QLabel* m_prompt;
    QLineEdit* m_editor;
};

} // namespace ui
