#include "ui/QtTranslations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

QString cancelCaption()
{
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
}

} // namespace

TEST(QtTranslations, QtsOwnButtonsSpeakSpanishWhileTheCatalogueIsInstalled)
{
    const QString catalogue =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_es.qm");
    if (!QFile::exists(catalogue))
        GTEST_SKIP() << "Qt's Spanish catalogue is not installed";

    ASSERT_EQ(cancelCaption(), "Cancel");
    QTranslator* translator = ui::translateQtWindows(*qApp);
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(cancelCaption(), "Cancelar");

    QCoreApplication::removeTranslator(translator);
    delete translator;
    EXPECT_EQ(cancelCaption(), "Cancel");
}
