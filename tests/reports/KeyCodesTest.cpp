// Keys as the original's handlers numbered them: the bar acts on these numbers.
#include "reports/KeyCodes.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

using reports::KeyCodes;

TEST(KeyCodes, FunctionNavigationAndLetterKeysTakeTheOriginalsNumbers)
{
    const std::pair<int, int> table[] = {
        {Qt::Key_Escape, 27}, {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Down, 40}, {Qt::Key_Up, 38},
        {Qt::Key_F1, 112},    {Qt::Key_F2, 113},    {Qt::Key_F5, 116},    {Qt::Key_F6, 117},  {Qt::Key_F10, 121},
        {Qt::Key_A, 65},      {Qt::Key_Z, 90},      {Qt::Key_0, 48},      {Qt::Key_Tab, 9},   {Qt::Key_Delete, 46},
        {Qt::Key_Backspace, 8}, {Qt::Key_Percent, 0},
    };
    for (const auto& [key, code] : table)
        EXPECT_EQ(KeyCodes::fromQtKey(key), code) << key;
}

TEST(KeyCodes, ShiftStateAndTypedCharacter)
{
    const QKeyEvent shifted(QEvent::KeyPress, Qt::Key_A, Qt::ShiftModifier | Qt::AltModifier, QStringLiteral("A"));
    EXPECT_EQ(KeyCodes::keyCode(&shifted), 65);
    EXPECT_EQ(KeyCodes::shift(&shifted), 5);
    EXPECT_EQ(KeyCodes::keyAscii(&shifted), 'A');
    const QKeyEvent enter(QEvent::KeyPress, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(KeyCodes::keyAscii(&enter), 13);
    const QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::ControlModifier);
    EXPECT_EQ(KeyCodes::keyAscii(&f5), 0);
    EXPECT_EQ(KeyCodes::shift(&f5), 2);
}
