#include "kit/Utilidades.h"
#include "vb/Files.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using kit::Utilidades;

namespace {

const Utilidades util;

// What the connections file, INI values, parameter lines and SQL literals cannot carry.
void expectStorable(const QString& stored)
{
    for (QChar c : stored) {
        EXPECT_TRUE(c.unicode() > 32 && c.unicode() < 127) << "not printable ASCII: " << int(c.unicode());
        EXPECT_FALSE(QStringLiteral(",\"'=|;").contains(c)) << "forbidden: " << c.toLatin1();
    }
}

TEST(PasswordCodec, everyWindows1252CharacterRoundTrips)
{
    QString all;
    for (int b = 0; b < 256; ++b)
        all += vb::Windows1252::toUnicode(std::uint8_t(b));
    const QString stored = util.Codificar(all);
    expectStorable(stored);
    EXPECT_EQ(util.Decodificar(stored), all);
    // Each character alone too, at several positions (the shift depends on the position).
    for (QChar c : all) {
        for (const QString& text : {QString(c), "ab" + QString(c), QString(c) + QString(c) + "9"}) {
            const QString s = util.Codificar(text);
            ASSERT_EQ(util.Decodificar(s), text) << "character " << int(c.unicode());
        }
    }
}

TEST(PasswordCodec, randomTextsRoundTripAndStayStorable)
{
    QRandomGenerator random(20240611);
    for (int n = 0; n < 500; ++n) {
        QString text;
        const int length = int(random.bounded(40));
        for (int i = 0; i < length; ++i)
            text += vb::Windows1252::toUnicode(std::uint8_t(random.bounded(256)));
        const QString stored = util.Codificar(text);
        expectStorable(stored);
        ASSERT_EQ(util.Decodificar(stored), text);
    }
}

TEST(PasswordCodec, textOutsideTheCodePageRoundTrips)
{
    const QString text = QString::fromUtf8("\u4e2d\u0416 \U0001F600");
    const QString stored = util.Codificar(text);
    expectStorable(stored);
    EXPECT_EQ(util.Decodificar(stored), text);
}

TEST(PasswordCodec, usualPasswordsKeepTheirLengthAndAreHidden)
{
    for (const QString& password : {QStringLiteral("quemilo"), QStringLiteral("Corvane"), QStringLiteral("GESTION2024"),
                                    QStringLiteral("a.b-c_d*e+f#g$h%i!j?(k)")}) {
        const QString stored = util.Codificar(password);
        EXPECT_EQ(stored.size(), password.size());
        EXPECT_NE(stored, password);
        EXPECT_EQ(util.Decodificar(stored), password);
    }
    // Repeated letters do not show as repeated.
    const QString stored = util.Codificar("aaaa");
    EXPECT_NE(stored.at(0), stored.at(1));
    EXPECT_EQ(util.Codificar(""), "");
}

TEST(PasswordCodec, blanksAndCommasNeverReachTheStoredForm)
{
    const QString stored = util.Codificar(" clave, \"con\" 'todo' ");
    expectStorable(stored);
    EXPECT_FALSE(stored.startsWith(u' '));
    EXPECT_FALSE(stored.endsWith(u' '));
    EXPECT_EQ(util.Decodificar(stored), " clave, \"con\" 'todo' ");
}

TEST(PasswordCodec, foreignOrDamagedTextDecodesWithoutFailing)
{
    // Escapes cut short or out of range are kept as they stand.
    EXPECT_EQ(util.Decodificar("~"), "~");
    EXPECT_TRUE(util.Decodificar("~)").startsWith(u'~'));
    EXPECT_EQ(util.Decodificar("~)").size(), 2);
    EXPECT_TRUE(util.Decodificar("^0").startsWith(u'^'));
    EXPECT_EQ(util.Decodificar("~))").size(), 3);
    EXPECT_EQ(util.Decodificar(QString::fromUtf8("\u00f1 ")), QString::fromUtf8("\u00f1 "));
}

} // namespace
