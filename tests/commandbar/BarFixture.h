#pragma once
// A newly placed bar in a scratch program folder, with the signals it raised.

#include "FakeEnvironment.h"

#include "commandbar/ItemSurface.h"
#include "commandbar/TBarRep.h"
#include "commandbar/UtilKor.h"

#include <QLabel>

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace cbartest {

template <class Bar>
class BarFixtureOf : public ::testing::Test {
protected:
    // Twips: 15 to a pixel.
    void makeBar(int widthTwips = 9000, int heightTwips = 1500)
    {
        bar = std::make_unique<Bar>();
        bar->resize(widthTwips / 15, heightTwips / 15);
        bar->InitProperties();
        watch();
    }

    void watch()
    {
        QObject::connect(bar.get(), &Bar::click, [this](const QString& text) { clicks << text; });
        QObject::connect(bar.get(), &Bar::CheckClick, [this](bool checked, const QString& text) {
            checks << (checked ? QStringLiteral("True ") : QStringLiteral("False ")) + text;
        });
        QObject::connect(bar.get(), &Bar::propertyChanged, [this](const QString& name) { changed << name; });
    }

    void SetUp() override { makeBar(); }

    FakeEnvironment env;
    std::unique_ptr<Bar> bar;
    QStringList clicks;
    QStringList checks;
    QStringList changed;
};

using BarFixture = BarFixtureOf<commandbar::TBarRep>;
using TabBarFixture = BarFixtureOf<commandbar::UtilKor>;

} // namespace cbartest
