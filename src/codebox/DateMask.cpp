#include "codebox/DateMask.h"

#include "kit/Utilidades.h"
#include "ui/Control.h"
#include "vb/Conversions.h"
#include "vb/Strings.h"

#include <QLineEdit>

namespace codebox {

namespace {

constexpr int kBackspace = 8;
constexpr int kEnter = 13;

bool isDigit(int key)
{
    return key >= '0' && key <= '9';
}

} // namespace

void DateMask::apply(QLineEdit* box, int& keyAscii)
{
    if (ui::Control::tag(box).compare(QLatin1String("FECHA"), Qt::CaseInsensitive) != 0)
        return;
    int pos = box->cursorPosition() == 0 ? 1 : box->cursorPosition();
    // Ten places: every key writes into its place.
    QString work = kit::Utilidades().fitText(box->text(), 10);
    work[2] = u'/';
    work[5] = u'/';
    if (isDigit(keyAscii)) {
        pos = pos == 3 ? 4 : pos == 6 ? 7 : pos;
        vb::MidAssign(work, pos, QString(QChar(keyAscii)), 1);
        box->setText(work);
        pos = pos < box->maxLength() ? pos + 1 : box->cursorPosition();
    } else if (keyAscii == kBackspace) {
        pos = pos == 3 ? 2 : pos == 6 ? 5 : pos;
        vb::MidAssign(work, pos, QStringLiteral(" "), 1);
        box->setText(work);
        pos = pos <= 1 ? box->cursorPosition() : pos - 1;
    } else if (keyAscii == kEnter) {
        if (!vb::IsDate(vb::Variant(box->text()))) {
            box->clear();
            work.clear();
        }
    }
    for (int i = 0; i < work.size(); ++i)
        if (i != 2 && i != 5 && !isDigit(work[i].unicode()))
            work[i] = u' ';
    box->setText(work);
    box->setCursorPosition(pos);
    keyAscii = 0;
}

} // namespace codebox
