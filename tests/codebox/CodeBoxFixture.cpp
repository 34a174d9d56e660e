#include "CodeBoxFixture.h"

#include "ado/TestHooks.h"
#include "codebox/SearchTextBox.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>

CodeBoxFixture::CodeBoxFixture()
{
    host = std::make_unique<QWidget>();
    host->setObjectName(QStringLiteral("frmPrueba"));
    host->resize(ui::Twips::toPixels(6000), ui::Twips::toPixels(4000));
    box = new codebox::BusquedaCodigo(host.get());
    ui::Twips::place(box, 300, 300, 4500, 3000);
    box->setStatementObserver([this](const QString& sql) { statements << sql; });
    QObject::connect(box, &codebox::BusquedaCodigo::CodigoObtenido, [this] { codes << box->Codigo; });
    db = ado::Connection::create();
    db->Open(demo.connectionString());
}

CodeBoxFixture::~CodeBoxFixture()
{
    ado::TestHooks::failNextOperations(0);
}

void CodeBoxFixture::showHost()
{
    host->show();
    QApplication::setActiveWindow(host.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(host.get()));
    box->TxtBusqueda()->setFocus();
}

bool CodeBoxFixture::bind(const QString& table, const QString& user)
{
    box->setgConnString(demo.connectionString());
    box->Usuario = user;
    QString name = table;
    return box->BusquedaDisponible(name);
}

void CodeBoxFixture::type(const QString& text)
{
    for (const QChar c : text)
        QTest::keyClick(box->TxtBusqueda(), c.toLatin1());
}

void CodeBoxFixture::press(Qt::Key key, QWidget* target)
{
    QTest::keyClick(target ? target : box->TxtBusqueda(), key);
}

void CodeBoxFixture::click(QWidget* image)
{
    QTest::mouseClick(image, Qt::LeftButton, {}, image->rect().center());
}

void CodeBoxFixture::doubleClick(QWidget* target, QPoint at)
{
    QTest::mousePress(target, Qt::LeftButton, {}, at);
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
    QTest::mousePress(target, Qt::LeftButton, {}, at);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &dbl);
    QTest::mouseRelease(target, Qt::LeftButton, {}, at);
}

QStringList CodeBoxFixture::lines() const
{
    QStringList texts;
    for (int i = 0; i < box->LstBusqueda()->count(); ++i)
        texts << box->LstBusqueda()->item(i)->text();
    return texts;
}

void CodeBoxFixture::run(const QString& sql)
{
    db->Execute(sql);
}

vb::Variant CodeBoxFixture::scalar(const QString& sql)
{
    const ado::RecordsetPtr rs = db->Execute(sql);
    return rs->Eof() ? vb::Variant() : rs->Fields()->Item(0)->Value();
}
