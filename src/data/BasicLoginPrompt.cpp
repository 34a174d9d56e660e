#include "data/BasicLoginPrompt.h"

#include "ui/DialogService.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace data {

BasicLoginPrompt::~BasicLoginPrompt() { unload(); }

void BasicLoginPrompt::load()
{
    if (m_window)
        return;
    m_window = new QDialog;
    m_window->setObjectName(QStringLiteral("frmAcceso"));
    auto* form = new QFormLayout(m_window);
    m_servidor = addBox(QStringLiteral("TxtServidor"), QStringLiteral("Servidor"));
    m_dbName = addBox(QStringLiteral("TxtDbName"), QStringLiteral("Base de datos"));
    m_userId = addBox(QStringLiteral("TxtUserId"), QStringLiteral("Usuario"));
    m_password = addBox(QStringLiteral("TxtUserPassword"), QStringLiteral("Clave"));
    m_password->setEchoMode(QLineEdit::Password);
    m_plataforma = new QComboBox(m_window);
    m_plataforma->setObjectName(QStringLiteral("CboPlataformaDB"));
    m_plataforma->addItems({QStringLiteral("SQL Server"), QStringLiteral("Oracle")});
    form->addRow(QStringLiteral("Plataforma"), m_plataforma);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, m_window);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Conectar"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, m_window, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, m_window, &QDialog::reject);
    form->addRow(buttons);
}

QLineEdit* BasicLoginPrompt::addBox(const QString& name, const QString& label)
{
    auto* box = new QLineEdit(m_window);
    box->setObjectName(name);
    static_cast<QFormLayout*>(m_window->layout())->addRow(label, box);
    return box;
}

void BasicLoginPrompt::unload()
{
    delete m_window.data();
    m_window = nullptr;
}

void BasicLoginPrompt::setTxtDbName(const QString& text) { load(); m_dbName->setText(text); }
QString BasicLoginPrompt::TxtDbName() const { return m_window ? m_dbName->text() : QString(); }
void BasicLoginPrompt::setTxtServidor(const QString& text) { load(); m_servidor->setText(text); }
QString BasicLoginPrompt::TxtServidor() const { return m_window ? m_servidor->text() : QString(); }
void BasicLoginPrompt::setTxtUserId(const QString& text) { load(); m_userId->setText(text); }
QString BasicLoginPrompt::TxtUserId() const { return m_window ? m_userId->text() : QString(); }
void BasicLoginPrompt::setTxtUserPassword(const QString& text) { load(); m_password->setText(text); }
QString BasicLoginPrompt::TxtUserPassword() const { return m_window ? m_password->text() : QString(); }
void BasicLoginPrompt::setPlataforma(int listIndex) { load(); m_plataforma->setCurrentIndex(listIndex); }
int BasicLoginPrompt::plataforma() const { return m_window ? m_plataforma->currentIndex() : 0; }

void BasicLoginPrompt::showModal()
{
    load();
    m_aceptar = ui::DialogService::instance().showModal(m_window) == QDialog::Accepted;
}

void BasicLoginPrompt::hide()
{
    if (m_window)
        m_window->hide();
}

} // namespace data
