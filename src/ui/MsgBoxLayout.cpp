#include "MsgBoxLayout.h"
#include "DialogService.h"

namespace ui {

namespace {
constexpr int buttonMask = 0x7;
constexpr int iconMask = 0x70;
constexpr int defaultMask = 0x300;
}

MsgBoxLayout::MsgBoxLayout(int style)
    : m_buttons(buttonsFor(style & buttonMask)),
      m_icon(iconFor(style & iconMask)),
      m_defaultIndex((style & defaultMask) >> 8)
{
    if (m_defaultIndex >= m_buttons.size())
        m_defaultIndex = 0;
}

QList<int> MsgBoxLayout::buttonsFor(int buttonGroup)
{
    switch (buttonGroup) {
    case vbOKCancel: return {vbOK, vbCancel};
    case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    case vbRetryCancel: return {vbRetry, vbCancel};
    default: return {vbOK}; // 0 and the undefined groups 6 and 7
    }
}

MsgBoxLayout::Icon MsgBoxLayout::iconFor(int iconGroup)
{
    switch (iconGroup) {
    case Critical: return Critical;
    case Question: return Question;
    case Exclamation: return Exclamation;
    case Information: return Information;
    default: return NoIcon;
    }
}

int MsgBoxLayout::escapeAnswer() const
{
    if (offers(vbCancel))
        return vbCancel;
    if (m_buttons.size() == 1)
        return m_buttons.first();
    return offers(vbNo) ? vbNo : vbAbort;
}

} // namespace ui
