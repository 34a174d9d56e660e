#include "kit/ControlesForm.h"
#include "kit/Utilidades.h"

#include "ui/Control.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using kit::ControlesForm;
using ui::Control;

namespace {

// A window with the report window's shape: a text-box array with DataFields, a label between.
class Form : public ::testing::Test {
protected:
    Form()
    {
        auto* layout = new QVBoxLayout(&window);
        const char* fields[] = {"Sucursal_desde", "Fecha_Desde", "Fecha_Hasta"};
        for (int i = 0; i < 3; ++i) {
            boxes << new QLineEdit(&window);
            Control::declare(boxes.last(), "txtFields", i);
            Control::setDataField(boxes.last(), fields[i]);
            layout->addWidget(boxes.last());
            if (i == 0)
                layout->addWidget(new QLabel("no focus", &window));
        }
        hidden = new QLineEdit(&window);
        hidden->hide();
        layout->addWidget(hidden);
        button = new QPushButton("Aceptar", &window);
        layout->addWidget(button);
        window.show();
    }
    QList<QObject*> array() const { return Control::array(&window, "txtFields"); }

    QWidget window;
    QList<QLineEdit*> boxes;
    QLineEdit* hidden = nullptr;
    QPushButton* button = nullptr;
    ControlesForm controles;
};

TEST_F(Form, indicePorDataFieldIgnoresCase)
{
    int index = -5;
    EXPECT_EQ(controles.IndicePorDataField("FECHA_HASTA", array(), &index), 2);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(controles.IndicePorDataField("sucursal_DESDE", array()), 0);
    EXPECT_EQ(controles.IndicePorDataField("Nro_desde", array(), &index), -1);
    EXPECT_EQ(index, -1);
}

TEST_F(Form, indicePorDataFieldGivesTheArrayIndexNotThePosition)
{
    Control::setIndex(boxes[2], 7);
    EXPECT_EQ(controles.IndicePorDataField("Fecha_Hasta", {boxes[2]}), 7);
    QLineEdit loose;
    Control::setDataField(&loose, "Cuenta");
    EXPECT_EQ(controles.IndicePorDataField("cuenta", {boxes[0], &loose}), 1);
}

TEST_F(Form, avanzarFocoSkipsWhatTakesNoFocus)
{
    boxes[0]->setFocus();
    controles.AvanzarFoco(ControlesForm::KeyReturn, boxes[0]);
    EXPECT_EQ(window.focusWidget(), boxes[1]);        // the label between is passed over
    controles.AvanzarFoco(ControlesForm::KeyDown, boxes[2]);
    EXPECT_EQ(window.focusWidget(), button);          // the hidden box is passed over
    controles.AvanzarFoco(ControlesForm::KeyUp, boxes[1]);
    EXPECT_EQ(window.focusWidget(), boxes[0]);
}

TEST_F(Form, avanzarFocoPassesOverDisabledControls)
{
    boxes[1]->setEnabled(false);
    controles.AvanzarFoco(ControlesForm::KeyReturn, boxes[0]);
    EXPECT_EQ(window.focusWidget(), boxes[2]);
}

TEST(AvanzarFoco, aloneInItsWindowKeepsTheFocus)
{
    QLineEdit only;
    only.show();
    only.setFocus();
    ControlesForm().AvanzarFoco(ControlesForm::KeyReturn, &only);
    EXPECT_EQ(only.focusWidget(), &only);
    ControlesForm().AvanzarFoco(ControlesForm::KeyReturn, nullptr);   // nothing focused: nothing happens
}

// A date box lets through only what a date of its width is written with: digits and the
// separators / - . (a month name or a time would be cut at the width and read as another date);
// other boxes take any key but Enter.
TEST_F(Form, filtrarTeclaSwallowsEnterAndGuardsDateBoxes)
{
    Control::setTag(boxes[1], "Fecha");
    struct Key { QObject* box; int in; int out; };
    const Key keys[] = {
        {boxes[0], 13, 0}, {boxes[0], 'a', 'a'}, {boxes[0], 8, 8}, {boxes[0], '+', '+'}, {boxes[0], ' ', ' '},
        {boxes[1], 13, 0}, {boxes[1], '0', '0'}, {boxes[1], '7', '7'}, {boxes[1], '9', '9'}, {boxes[1], 8, 8},
        {boxes[1], '/', '/'}, {boxes[1], '-', '-'}, {boxes[1], '.', '.'},
        {boxes[1], ' ', 0}, {boxes[1], ':', 0}, {boxes[1], ',', 0}, {boxes[1], 'm', 0}, {boxes[1], 'Z', 0}, {boxes[1], 0xE9, 0},
        {boxes[1], '+', 0}, {boxes[1], '#', 0}, {boxes[1], '_', 0}, {boxes[1], '\'', 0}, {boxes[1], '*', 0}, {boxes[1], 0xB0, 0},
        {boxes[1], 0x0663, 0},   // an Arabic-Indic three is a digit, but not one a date is read from
        {nullptr, 'q', 'q'},
    };
    for (const Key& k : keys) {
        int key = k.in;
        controles.FiltrarTecla(k.box, key);
        EXPECT_EQ(key, k.out) << "key " << k.in;
        std::int16_t shortKey = std::int16_t(k.in);
        controles.FiltrarTecla(k.box, shortKey);
        EXPECT_EQ(shortKey, k.out) << "key " << k.in;
    }
}

TEST_F(Form, esElementoDeArreglo)
{
    const kit::Utilidades util;
    EXPECT_TRUE(util.EsElementoDeArreglo(boxes[0]));
    EXPECT_FALSE(util.EsElementoDeArreglo(button));
    EXPECT_FALSE(util.EsElementoDeArreglo(nullptr));
}

} // namespace
