#pragma once
// A newly placed command bar in a scratch program folder, with the signals it raised.

#include "FakeEnvironment.h"

#include "commandbar/ItemSurface.h"
#include "commandbar/TBarRep.h"

#include <QLabel>

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace cbartest {

class BarFixture : public ::testing::Test {
protected:
    // Twips: 15 to a pixel.
    void makeBar(int widthTwips = 9000, int heightTwips = 1500)
    {
        bar = std::make_unique<commandbar::TBarRep>();
        bar->resize(widthTwips / 15, heightTwips / 15);
        bar->InitProperties();
        QObject::connect(bar.get(), &commandbar::TBarRep::click, [this](const QString& text) { clicks << text; });
        QObject::connect(bar.get(), &commandbar::TBarRep::CheckClick, [this](bool checked, const QString& text) {
            checks << (checked ? QStringLiteral("True ") : QStringLiteral("False ")) + text;
        });
        QObject::connect(bar.get(), &commandbar::TBarRep::propertyChanged, [this](const QString& name) { changed << name; });
    }

    void SetUp() override { makeBar(); }

    FakeEnvironment env;
    std::unique_ptr<commandbar::TBarRep> bar;
    QStringList clicks;
    QStringList checks;
    QStringList changed;
};

} // namespace cbartest
