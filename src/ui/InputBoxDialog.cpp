#include "InputBoxDialog.h"
#include "DialogService.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui {

InputBoxDialog::InputBoxDialog(const QString& prompt, const QString& title, const QString& defaultText,
                               QWidget* parent)
    : QDialog(parent), m_prompt(new QLabel(prompt, this)), m_editor(new QLineEdit(defaultText, this))
{
    setObjectName(QStringLiteral("InputBox"));
    setWindowTitle(DialogService::effectiveTitle(title));
    m_prompt->setTextFormat(Qt::PlainText);
    m_prompt->setWordWrap(true);
    m_editor->selectAll();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_editor);
    layout->addWidget(buttons);
}

QString InputBoxDialog::prompt() const
{
    return m_prompt->text();
}

QString InputBoxDialog::text() const
{
    return m_editor->text();
}

void InputBoxDialog::setText(const QString& text)
{
    m_editor->setText(text);
}

} // namespace ui
