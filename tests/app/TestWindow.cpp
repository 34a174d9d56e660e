#include "TestWindow.h"

#include "commandbar/TBarRep.h"
#include "commandbar/UtilKor.h"
#include "ui/Control.h"
#include "ui/SkinFramework.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace apptest {

namespace {

template <typename T>
T* make(QWidget* parent, const QString& name, int index = -1, const QString& dataField = {})
{
    auto* control = new T(parent);
    ui::Control::declare(control, name, index);
    if (!dataField.isEmpty())
        ui::Control::setDataField(control, dataField);
    return control;
}

} // namespace

TestWindow::TestWindow(const QString& name, bool withSelector, bool withSkin)
{
    setObjectName(name);
    setWindowTitle(QStringLiteral("Prueba de estados"));
    resize(760, 520);
    auto* grid = new QGridLayout(this);

    commandBar = make<commandbar::TBarRep>(this, QStringLiteral("TBarRep1"));
    commandBar->setMinimumHeight(60);
    commandBar->InitProperties();
    grid->addWidget(commandBar, 0, 0, 1, 3);

    titulo = make<QLabel>(this, QStringLiteral("LblTitulo"));
    titulo->setText(QStringLiteral("Estados guardados"));
    QFont big = titulo->font();
    big.setPointSize(14);
    titulo->setFont(big);
    grid->addWidget(titulo, 1, 0, 1, 2);
    simbolo = make<QLabel>(this, QStringLiteral("LblSimbolo"));
    simbolo->setText(QStringLiteral("r"));
    QFont marlett(QStringLiteral("Marlett"));
    marlett.setPointSize(8);
    simbolo->setFont(marlett);
    grid->addWidget(simbolo, 1, 2);

    marco = make<QGroupBox>(this, QStringLiteral("Frame1"));
    marco->setTitle(QStringLiteral("Rangos"));
    auto* fields = new QGridLayout(marco);
    etiqueta = make<QLabel>(marco, QStringLiteral("Label1"));
    etiqueta->setText(QStringLiteral("Código:"));
    codigo = make<QLineEdit>(marco, QStringLiteral("txtFields"), 0, QStringLiteral("Codigo"));
    descripcion = make<QLineEdit>(marco, QStringLiteral("txtFields"), 1, QStringLiteral("Descripcion"));
    fecha = make<QLineEdit>(marco, QStringLiteral("txtFields"), 2, QStringLiteral("Fecha_desde"));
    nota = make<QLineEdit>(marco, QStringLiteral("TxtNota"), -1, QStringLiteral("Nota"));
    fields->addWidget(etiqueta, 0, 0);
    fields->addWidget(codigo, 0, 1);
    fields->addWidget(descripcion, 1, 1);
    fields->addWidget(fecha, 2, 1);
    fields->addWidget(nota, 3, 1);
    moneda = make<QComboBox>(marco, QStringLiteral("CmbMoneda"), -1, QStringLiteral("Moneda"));
    moneda->addItems({QStringLiteral("Pesos"), QStringLiteral("Dólares"), QStringLiteral("Euros")});
    fields->addWidget(moneda, 4, 1);
    grid->addWidget(marco, 2, 0);

    auto* options = new QGroupBox(this);
    options->setTitle(QStringLiteral("Opciones"));
    auto* optionLayout = new QVBoxLayout(options);
    activo = make<QCheckBox>(options, QStringLiteral("ChkActivo"), -1, QStringLiteral("Activo"));
    activo->setText(QStringLiteral("Activo"));
    optionLayout->addWidget(activo);
    for (int i = 0; i < 2; ++i) {
        estado[i] = make<QCheckBox>(options, QStringLiteral("chkestado"), i);
        estado[i]->setText(QStringLiteral("Estado %1").arg(i));
        optionLayout->addWidget(estado[i]);
    }
    for (int i = 0; i < 3; ++i) {
        tipo[i] = make<QRadioButton>(options, QStringLiteral("OptTipo"), i);
        tipo[i]->setText(QStringLiteral("Tipo %1").arg(i));
        optionLayout->addWidget(tipo[i]);
    }
    tipo[0]->setChecked(true);
    auto* soloFrame = new QGroupBox(options);
    solo = make<QRadioButton>(soloFrame, QStringLiteral("OptSolo"));
    solo->setText(QStringLiteral("Solo"));
    (new QHBoxLayout(soloFrame))->addWidget(solo);
    optionLayout->addWidget(soloFrame);
    grid->addWidget(options, 2, 1);

    solapas = make<QTabWidget>(this, QStringLiteral("TabOpciones"));
    sucursales = make<QListWidget>(solapas, QStringLiteral("LstSucursales"), -1, QStringLiteral("Sucursales"));
    sucursales->addItems({QStringLiteral("Centro"), QStringLiteral("Norte"), QStringLiteral("Sur")});
    sucursales->setSelectionMode(QAbstractItemView::MultiSelection);
    solapas->addTab(sucursales, QStringLiteral("Sucursales"));
    columnas = make<QTreeWidget>(solapas, QStringLiteral("LvwColumnas"));
    columnas->setRootIsDecorated(false);
    columnas->header()->setStretchLastSection(false);
    columnas->setHeaderLabels({QStringLiteral("Código"), QStringLiteral("Nombre"), QStringLiteral("Saldo")});
    columnas->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("A1"), QStringLiteral("Acme"), QStringLiteral("10")}));
    solapas->addTab(columnas, QStringLiteral("Columnas"));
    grid->addWidget(solapas, 2, 2);

    grilla = make<QWidget>(this, QStringLiteral("GrdDatos"));
    ui::Control::setTypeName(grilla, QStringLiteral("KQDBGRID"));
    grilla->setProperty("PageSize", QStringLiteral("20"));
    grilla->setProperty("CamposSel", QStringLiteral("Codigo,Nombre"));
    grillaInterna = new QTableWidget(2, 4, grilla);
    grillaInterna->setHorizontalHeaderLabels({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    (new QVBoxLayout(grilla))->addWidget(grillaInterna);
    grid->addWidget(grilla, 3, 0, 1, 2);

    auto* side = new QVBoxLayout;
    if (withSelector) {
        plantilla = make<QComboBox>(this, QStringLiteral("CboPlantilla"));
        plantilla->setEditable(true);
        plantilla->setEditText(QStringLiteral("General"));
        side->addWidget(plantilla);
    } else {
        plantilla = nullptr;
    }
    aceptar = make<QPushButton>(this, QStringLiteral("CmdAceptar"));
    aceptar->setText(QStringLiteral("Aceptar"));
    side->addWidget(aceptar);
    tabBar = make<commandbar::UtilKor>(this, QStringLiteral("UtilKor1"));
    tabBar->setMinimumHeight(50);
    tabBar->InitProperties();
    side->addWidget(tabBar);
    grid->addLayout(side, 3, 2);

    if (withSkin)
        skin = new ui::SkinFramework(this);
}

void TestWindow::fillSample()
{
    codigo->setText(QStringLiteral("A-77"));
    descripcion->setText(QStringLiteral("Tornillos O'Brien"));
    fecha->setText(QStringLiteral("01/03/2024"));
    nota->setText(QStringLiteral("  con blancos  "));
    activo->setCheckState(Qt::Checked);
    estado[0]->setCheckState(Qt::Unchecked);
    estado[1]->setTristate(true);
    estado[1]->setCheckState(Qt::PartiallyChecked);
    tipo[2]->setChecked(true);
    solo->setChecked(true);
    moneda->setCurrentIndex(2);
    sucursales->item(1)->setSelected(true);
    columnas->header()->resizeSection(0, 60);
    columnas->header()->resizeSection(1, 150);
    columnas->header()->resizeSection(2, 90);
    columnas->header()->moveSection(2, 0);       // Saldo, Código, Nombre
    grilla->setProperty("PageSize", QStringLiteral("50"));
    grilla->setProperty("CamposSel", QStringLiteral("Codigo,Saldo"));
    for (int c = 0; c < 4; ++c)
        grillaInterna->horizontalHeader()->resizeSection(c, 40 + 10 * c);
}

void TestWindow::scramble()
{
    codigo->setText(QStringLiteral("otro"));
    descripcion->setText(QStringLiteral("otra"));
    fecha->clear();
    nota->setText(QStringLiteral("x"));
    activo->setCheckState(Qt::Unchecked);
    estado[0]->setCheckState(Qt::Checked);
    estado[1]->setCheckState(Qt::Checked);
    tipo[1]->setChecked(true);
    solo->setChecked(false);
    moneda->setCurrentIndex(1);
    sucursales->clearSelection();
    columnas->header()->moveSection(columnas->header()->visualIndex(1), 0);
    for (int c = 0; c < 3; ++c)
        columnas->header()->resizeSection(c, 33);
    grilla->setProperty("PageSize", QStringLiteral("1"));
    grilla->setProperty("CamposSel", QString());
    for (int c = 0; c < 4; ++c)
        grillaInterna->horizontalHeader()->resizeSection(c, 25);
}

} // namespace apptest
