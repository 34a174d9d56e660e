#include "TempFolder.h"
#include "kit/CaseInsensitivePath.h"

#include <QDir>
#include <gtest/gtest.h>

using kit::CaseInsensitivePath;

namespace {

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
