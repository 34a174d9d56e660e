// The operator's open report windows each take their own place, so that a second one opens a
// step aside from the first instead of exactly over it, and never off the screen.
#include "reports/InstanceSlot.h"

#include <gtest/gtest.h>

using reports::InstanceSlot;

TEST(InstanceSlot, EachOpenWindowHoldsItsOwnPlaceUntilItGoes)
{
    const QString name = QStringLiteral("rpq-prueba");
    InstanceSlot first;
    InstanceSlot second;
    EXPECT_EQ(first.take(name), 0);
    EXPECT_EQ(second.take(name), 1);
    {
        InstanceSlot closedSoon;
        EXPECT_EQ(closedSoon.take(name), 2);
    }
    InstanceSlot third;
    EXPECT_EQ(third.take(name), 2);
    EXPECT_EQ(InstanceSlot().take(QStringLiteral("rpq-otra")), 0);
}

TEST(InstanceSlot, APlaceIsAStepAsideKeptWithinTheScreen)
{
    const QRect screen(0, 0, 1024, 738);
    EXPECT_EQ(InstanceSlot::asidePosition(QRect(40, 40, 900, 600), screen, 0), QPoint(40, 40));
    EXPECT_EQ(InstanceSlot::asidePosition(QRect(40, 40, 900, 600), screen, 1), QPoint(72, 72));
    EXPECT_EQ(InstanceSlot::asidePosition(QRect(40, 40, 900, 600), screen, 2), QPoint(104, 104));
    // In the corner the step goes the other way.
    EXPECT_EQ(InstanceSlot::asidePosition(QRect(124, 138, 900, 600), screen, 1), QPoint(92, 106));
    // A window as large as the screen stays on it.
    EXPECT_EQ(InstanceSlot::asidePosition(QRect(0, 0, 1100, 800), screen, 1), QPoint(0, 0));
}
