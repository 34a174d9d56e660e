#include "ui/DisplayCheck.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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
    EXPECT_EQ(DisplayCheck::missingDisplayMessage(environment({{"WAYLAND_DISPLAY", "wayland-0"}}), program,
                                                  anyDisplayAnswers, anyDisplayAnswers),
              QString());
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

// A WAYLAND_DISPLAY left behind without its compositor: Qt aborted the process as it did for a
// dead X display. A socket that a compositor listens on is enough.
TEST(DisplayCheck, AWaylandDisplayThatDoesNotAnswerIsNamedWithTheWayToRunUnderXvfb)
{
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    const QProcessEnvironment env =
        environment({{"WAYLAND_DISPLAY", "wayland-9"}, {"XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData()}});
    const QString socket = runtime.path() + QStringLiteral("/wayland-9");
    EXPECT_EQ(DisplayCheck::waylandSocket(env), socket);

    const QString message = DisplayCheck::missingDisplayMessage(env, program);
    EXPECT_TRUE(message.startsWith(QStringLiteral("rp_quindal: the display \"wayland-9\" (WAYLAND_DISPLAY) does not answer: "
                                                  "no Wayland compositor listens at ") + socket))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("xvfb-run -a build/src/program/rp_quindal <arguments>")));

    // Both named, neither answering: each is named.
    QProcessEnvironment both = env;
    both.insert(QStringLiteral("DISPLAY"), QStringLiteral(":64999"));
    const QString two = DisplayCheck::missingDisplayMessage(both, program);
    EXPECT_TRUE(two.contains(QStringLiteral("\":64999\" (DISPLAY) does not answer")));
    EXPECT_TRUE(two.contains(QStringLiteral("\"wayland-9\" (WAYLAND_DISPLAY) does not answer")));

    const int listening = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listening, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = socket.toLocal8Bit();
    ASSERT_LT(size_t(path.size()), sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    ASSERT_EQ(::bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    ASSERT_EQ(::listen(listening, 1), 0);
    EXPECT_EQ(DisplayCheck::missingDisplayMessage(env, program), QString());
    EXPECT_EQ(DisplayCheck::missingDisplayMessage(environment({{"WAYLAND_DISPLAY", path.constData()}}), program), QString());
    ::close(listening);
}
