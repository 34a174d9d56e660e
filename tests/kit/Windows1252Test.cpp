#include "TempFolder.h"
#include "kit/CaseInsensitivePath.h"
#include "kit/Windows1252.h"

#include <QDir>
#include <gtest/gtest.h>

using kit::CaseInsensitivePath;
using kit::Windows1252;

namespace {

TEST(Windows1252, everyByteRoundTripsAndTheTypographicRowIsMapped)
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(static_cast<char>(b));
    const QString text = Windows1252::decode(bytes);
    EXPECT_EQ(Windows1252::encode(text), bytes);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0x91), QChar(0x2018));
    EXPECT_EQ(text.at(0x9F), QChar(0x0178));
    EXPECT_EQ(text.at(0x81), QChar(0x0081));         // undefined in the code page
    EXPECT_EQ(text.at(0xF1), QChar(0x00F1));
}

TEST(Windows1252, charactersOutsideTheCodePageBecomeQuestionMarks)
{
    EXPECT_EQ(Windows1252::encode(QString::fromUtf8("a\u4e2db")), QByteArray("a?b"));
    EXPECT_FALSE(Windows1252::canEncode(QChar(0x0100)));
    EXPECT_TRUE(Windows1252::canEncode(QChar(0x2122)));
}

TEST(CaseInsensitivePath, findsFilesAndFoldersWhateverTheirCase)
{
    kittest::TempFolder folder;
    QDir(folder.path()).mkpath("Datos/Sub");
    folder.write("Datos/Sub/BASES.TXT", "x");
    EXPECT_EQ(CaseInsensitivePath::resolve(folder.path("datos/SUB/bases.txt")), folder.path("Datos/Sub/BASES.TXT"));
    EXPECT_EQ(CaseInsensitivePath::resolve(folder.path("DATOS\\sub\\Bases.Txt")), folder.path("Datos/Sub/BASES.TXT"));
    // What does not exist keeps its spelling after the last existing folder.
    EXPECT_EQ(CaseInsensitivePath::resolve(folder.path("datos/Nuevo/a.ini")), folder.path("Datos/Nuevo/a.ini"));
    EXPECT_EQ(CaseInsensitivePath::resolve(folder.path("DATOS/")), folder.path("Datos/"));
    EXPECT_EQ(CaseInsensitivePath::resolve(""), "");
}

} // namespace
