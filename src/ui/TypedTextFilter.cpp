#include "TypedTextFilter.h"

#include <QAbstractSpinBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QValidator>

namespace ui {

namespace {

// Removes the control characters, keeping the cursor beside the characters it was beside, then
// hands the text to the box's own validator when it had one.
class ControlCharacterValidator : public QValidator {
public:
    ControlCharacterValidator(const QValidator* own, QObject* parent) : QValidator(parent), m_own(own) {}

    State validate(QString& input, int& pos) const override
    {
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            if (input[i].category() != QChar::Other_Control)
                continue;
            input.remove(i, 1);
            if (pos > i)
                --pos;
        }
        return m_own ? m_own->validate(input, pos) : Acceptable;
    }
    void fixup(QString& input) const override
    {
        if (m_own)
            m_own->fixup(input);
    }

private:
    QPointer<const QValidator> m_own;
};

} // namespace

void TypedTextFilter::install(QCoreApplication& application)
{
    if (!application.findChild<TypedTextFilter*>(QString(), Qt::FindDirectChildrenOnly))
        application.installEventFilter(new TypedTextFilter(&application));
}

void TypedTextFilter::equip(QLineEdit* box)
{
    // A spin box's editor keeps its own validator, which refuses anything but its values.
    if (!box || qobject_cast<QAbstractSpinBox*>(box->parentWidget())
        || dynamic_cast<const ControlCharacterValidator*>(box->validator()))
        return;
    box->setValidator(new ControlCharacterValidator(box->validator(), box));
}

bool TypedTextFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Polish)
        equip(qobject_cast<QLineEdit*>(watched));
    return false;
}

} // namespace ui
