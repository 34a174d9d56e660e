#include "MessageBoxFactory.h"
#include "DialogService.h"
#include "MsgBoxLayout.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {
const char* const answerProperty = "rpqMsgBoxAnswer";

struct ButtonLook {
    QMessageBox::StandardButton standard;
    const char* text;
};

ButtonLook lookOf(int answer)
{
    switch (answer) {
    case vbCancel: return {QMessageBox::Cancel, "Cancelar"};
    case vbAbort: return {QMessageBox::Abort, "Anular"};
    case vbRetry: return {QMessageBox::Retry, "Reintentar"};
    case vbIgnore: return {QMessageBox::Ignore, "Omitir"};
    case vbYes: return {QMessageBox::Yes, "Sí"};
    case vbNo: return {QMessageBox::No, "No"};
    default: return {QMessageBox::Ok, "Aceptar"};
    }
}

QMessageBox::Icon qtIcon(MsgBoxLayout::Icon icon)
{
    switch (icon) {
    case MsgBoxLayout::Critical: return QMessageBox::Critical;
    case MsgBoxLayout::Question: return QMessageBox::Question;
    case MsgBoxLayout::Exclamation: return QMessageBox::Warning;
    case MsgBoxLayout::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// The program breaks lines with CR LF; a plain-text label wants LF alone.
QString withNewLines(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QPushButton* addAnswerButton(QMessageBox& box, int answer)
{
    const ButtonLook look = lookOf(answer);
    QPushButton* button = box.addButton(look.standard);
    button->setText(QString::fromUtf8(look.text));
    button->setProperty(answerProperty, answer);
    return button;
}
}

std::unique_ptr<QMessageBox> MessageBoxFactory::create(const QString& prompt, int style, const QString& title,
                                                       QWidget* parent)
{
    const MsgBoxLayout layout(style);
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(DialogService::effectiveTitle(title));
    // Prompts often carry SQL or paths with "<"; never let them turn into rich text.
    box->setTextFormat(Qt::PlainText);
    box->setText(withNewLines(prompt));
    box->setIcon(qtIcon(layout.icon()));
    QList<QPushButton*> buttons;
    for (int answer : layout.buttons())
        buttons.append(addAnswerButton(*box, answer));
    box->setDefaultButton(buttons.at(layout.defaultIndex()));
    box->setEscapeButton(buttons.at(layout.buttons().indexOf(layout.escapeAnswer())));
    return box;
}

int MessageBoxFactory::answerOf(const QObject* button)
{
    return button ? button->property(answerProperty).toInt() : 0;
}

int MessageBoxFactory::answer(const QMessageBox& box)
{
    const int clicked = answerOf(box.clickedButton());
    if (clicked != 0)
        return clicked;
    return answerOf(box.escapeButton());
}

} // namespace ui
