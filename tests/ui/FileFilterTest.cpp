#include "ui/FileFilter.h"

#include <gtest/gtest.h>

using ui::FileFilter;

TEST(FileFilter, PairsBecomeQtEntriesWithSpaceSeparatedPatterns)
{
    EXPECT_EQ(FileFilter::toQt("Informes|*.rpt;*.RPT|Todos|*.*"), "Informes (*.rpt *.RPT);;Todos (*.*)");
    EXPECT_EQ(FileFilter::toQt("Texto|*.txt"), "Texto (*.txt)");
}

TEST(FileFilter, PatternsAlreadyInTheDescriptionAreNotRepeated)
{
    EXPECT_EQ(FileFilter::toQt("Texto (*.txt)|*.txt"), "Texto (*.txt)");
    // The real patterns win over what the description claims.
    EXPECT_EQ(FileFilter::toQt("Planillas (*.xls)|*.xls;*.xlsx"), "Planillas (*.xls *.xlsx)");
}

TEST(FileFilter, OddAndEmptyFormsStillGiveUsableFilters)
{
    EXPECT_EQ(FileFilter::toQt(""), "");
    EXPECT_EQ(FileFilter::toQt("   "), "");
    EXPECT_EQ(FileFilter::toQt("|*.ini"), "*.ini (*.ini)");
    EXPECT_EQ(FileFilter::toQt("Bases|*.mdb|*.db"), "Bases (*.mdb);;*.db (*.db)");
    EXPECT_EQ(FileFilter::toQt("Todos (*.*)"), "Todos (*.*)");
    EXPECT_EQ(FileFilter::toQt("Texto|"), "Texto (*)");
    EXPECT_EQ(FileFilter::toQt("Texto|*.txt||"), "Texto (*.txt)");
}
