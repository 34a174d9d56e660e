#include "ui/QtTranslations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QString cancelCaption()
{
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
}

QString duplexCaption()
{
    QPrinter printer;
    QPrintDialog dialog(&printer);
    const auto* duplex = dialog.findChild<QGroupBox*>(QStringLiteral("duplex"));
    return duplex ? duplex->title() : QString();
}

} // namespace

// Qt's catalogue gives most texts; the print dialog's double-sided options are among those it
// lacks.
TEST(QtTranslations, QtsOwnWindowsSpeakSpanishWhileInstalled)
{
    const QString catalogue =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_es.qm");
    if (!QFile::exists(catalogue))
        GTEST_SKIP() << "Qt's Spanish catalogue is not installed";

    ASSERT_EQ(cancelCaption(), "Cancel");
    ASSERT_EQ(duplexCaption(), "Double Sided Printing");
    {
        const ui::QtTranslations spanish;
        ASSERT_TRUE(spanish.catalogueFound());
        EXPECT_EQ(cancelCaption(), "Cancelar");
        EXPECT_EQ(duplexCaption(), "Impresión a doble cara");
        EXPECT_EQ(QLocale().name(), "es_AR");
    }
    EXPECT_EQ(cancelCaption(), "Cancel");
    EXPECT_NE(QLocale().name(), "es_AR");
}
