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
    EXPECT_EQ(DisplayCheck::missingDisplayMessage(environment({{"DISPLAY", ":99"}}), program), QString());
    EXPECT_EQ(DisplayCheck::missingDisplayMessage(environment({{"WAYLAND_DISPLAY", "wayland-0"}}), program), QString());
    EXPECT_EQ(DisplayCheck::missingDisplayMessage(environment({{"QT_QPA_PLATFORM", "offscreen"}}), program), QString());
    EXPECT_EQ(DisplayCheck::missingDisplayMessage(environment({}), program + QStringList{"-platform", "offscreen"}), QString());
}
