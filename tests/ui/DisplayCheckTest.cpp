#include "ui/DisplayCheck.h"

#include <gtest/gtest.h>

using ui::DisplayCheck;

namespace {

QProcessEnvironment environment(std::initializer_list<std::pair<const char*, const char*>> values)
{
    QProcessEnvironment env;
    env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin"));
    for (const auto& [name, value] : values)
        env.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    return env;
}

const QStringList program{QStringLiteral("build/src/program/rp_quindal"), QStringLiteral("@Server=datos;")};

bool anyDisplayAnswers(const QString&)
{
    return true;
}

} // namespace

TEST(DisplayCheck, NoDisplaySaysHowToRunUnderXvfb)
{
    for (const auto& env : {environment({}), environment({{"DISPLAY", ""}, {"WAYLAND_DISPLAY", " "}})}) {
        const QString message = DisplayCheck::missingDisplayMessage(env, program);
        EXPECT_TRUE(message.startsWith(QStringLiteral("rp_quindal: there is no display"))) << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("xvfb-run -a scripts/run-demo.sh")));
        EXPECT_TRUE(message.contains(QStringLiteral("xvfb-run -a build/src/program/rp_quindal <arguments>")));
    }
}

TEST(DisplayCheck, AnyDisplayOrChosenPlatformIsEnough)
{
    EXPECT_EQ(DisplayCheck::missingDisplayMessage(environment({{"DISPLAY", ":99"}}), program, anyDisplayAnswers), QString());
    EXPECT_EQ(DisplayCheck::missingDisplayMessage(environment({{"WAYLAND_DISPLAY", "wayland-0"}}), program), QString());
    EXPECT_EQ(DisplayCheck::missingDisplayMessage(environment({{"QT_QPA_PLATFORM", "offscreen"}}), program), QString());
    EXPECT_EQ(DisplayCheck::missingDisplayMessage(environment({}), program + QStringList{"-platform", "offscreen"}), QString());
}

// A DISPLAY left behind by a closed session or an ended virtual display: Qt aborted the process
// (a core dump, and a line advising to reinstall the program).
TEST(DisplayCheck, ADisplayThatDoesNotAnswerIsNamedWithTheWayToRunUnderXvfb)
{
    const QString nobodyThere = QStringLiteral(":64999");
    EXPECT_FALSE(DisplayCheck::xDisplayAnswers(nobodyThere));
    EXPECT_FALSE(DisplayCheck::xDisplayAnswers(QStringLiteral("not a display name")));

    const QString message = DisplayCheck::missingDisplayMessage(environment({{"DISPLAY", ":64999"}}), program);
    EXPECT_TRUE(message.startsWith(QStringLiteral("rp_quindal: the display \":64999\" (DISPLAY) does not answer")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("xvfb-run -a build/src/program/rp_quindal <arguments>")));

    // A platform chosen by hand is left to Qt, whatever DISPLAY says.
    EXPECT_EQ(DisplayCheck::missingDisplayMessage(environment({{"DISPLAY", ":64999"}, {"QT_QPA_PLATFORM", "offscreen"}}), program),
              QString());
}
