// The list lookup window on the demo database, driven as an operator would: typing into the
// search boxes, F5, header clicks, ticks, quantity keys, F12, the buttons; and the option
// pickers over the same window.
#include "LookupTestBase.h"

#include "app/ConsultaGlobal.h"
#include "data/SessionValues.h"
#include "lookup/AnchosConsulta.h"
#include "lookup/Consultas.h"
#include "lookup/Lib_ClsCons3.h"
#include "lookup/Lib_FrmCons3.h"
#include "lookup/MenuLauncher.h"
#include "ui/DialogService.h"
#include "ui/Twips.h"
#include "vb/Conversions.h"
#include "vb/DateTime.h"
#include "vb/Files.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <functional>

namespace {

using lookup::Lib_FrmCons3;
using Drive = std::function<void(Lib_FrmCons3&)>;

QStringList columnTexts(const Lib_FrmCons3& w, int column)
{
    QStringList out;
    for (int i = 0; i < w.ListView1()->topLevelItemCount(); ++i)
        out << w.ListView1()->topLevelItem(i)->text(column);
    return out;
}

QStringList headers(const Lib_FrmCons3& w)
{
    QStringList out;
    for (int i = 0; i < w.ListView1()->columnCount(); ++i)
        out << w.ListView1()->headerItem()->text(i);
    return out;
}

QList<bool> ticks(const Lib_FrmCons3& w)
{
    QList<bool> out;
    for (int i = 0; i < w.ListView1()->topLevelItemCount(); ++i)
        out << (w.ListView1()->topLevelItem(i)->checkState(0) == Qt::Checked);
    return out;
}

int currentRow(const Lib_FrmCons3& w)
{
    return w.ListView1()->indexOfTopLevelItem(w.ListView1()->currentItem());
}

void typeInto(Lib_FrmCons3& w, int box, const QString& text)
{
    w.CmbSearch(box)->setFocus();
    QTest::keyClicks(w.CmbSearch(box), text);
}

void clearBox(Lib_FrmCons3& w, int box)
{
    w.CmbSearch(box)->setFocus();
    w.CmbSearch(box)->lineEdit()->selectAll();
    QTest::keyClick(w.CmbSearch(box), Qt::Key_Backspace);
}

void keyOnList(Lib_FrmCons3& w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    w.ListView1()->setFocus();
    QTest::keyClick(w.ListView1(), Qt::Key(key), modifiers);
}

void clickHeader(Lib_FrmCons3& w, int column)
{
    QHeaderView* header = w.ListView1()->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2));
}

// The rows of a statement in the order the database gives them, first column and second.
QStringList firstColumn(const std::vector<QStringList>& rows, int column = 0)
{
    QStringList out;
    for (const QStringList& row : rows)
        out << row.value(column);
    return out;
}

class ListWindow : public LookupTestBase {
protected:
    // Focus moves only inside the active window, as on a desktop.
    static void activate(QWidget& window)
    {
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window, 2000));
    }

    // The configuration the shared lookup object reads when it is made.
    void reconfigure(const QString& key, const vb::Variant& value)
    {
        setConfig(key, value);
        app::gConsulta.reset();
        lookup::PrepararConsultas();
    }

    ListWindow()
    {
        openDemo();
        lookup::PrepararConsultas();
        data::gUsuarioActual.clear();
    }

    lookup::Lib_ClsCons3& consulta() { return lookup::gConsulta(); }

    // One lookup whose window the test drives; the window must have been shown.
    void lookupWith(const QString& table, const Drive& drive, const QString& valoresDefault = {},
                    vb::CollectionPtr cmps = {})
    {
        bool shown = false;
        dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3"), [&](QDialog* dialog) {
            shown = true;
            auto* window = static_cast<Lib_FrmCons3*>(dialog);
            activate(*window);
            drive(*window);
            return int(window->result());
        });
        QString clave, busqueda, where, sentencia, valores = valoresDefault;
        bool tree = false;
        consulta().ConsultaSearch(table, cmps, clave, busqueda, where, sentencia, tree, valores);
        EXPECT_TRUE(shown);
    }

    void addSupplier(const QString& code, const QString& name)
    {
        execute(QStringLiteral("INSERT INTO MA_CUENTAS (Codigo, Descripcion, Razon_Social, Nombre, Tipo) VALUES ('%1', '%2', '%2', '%2', 'P')")
                    .arg(code, QString(name).replace(u'\'', QStringLiteral("''"))));
    }

    QString activeSuppliers() const
    {
        return QStringLiteral("SELECT TOP 500 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES  with(nolock)  WHERE Dada_De_Baja = 0 "
                              "ORDER BY RAZON_SOCIAL");
    }
};

TEST_F(ListWindow, SupplierLookupSearchedAsTypedFilteredWithF5AndAccepted)
{
    const auto all = rows(activeSuppliers());
    const QStringList names = firstColumn(all);
    ASSERT_GT(names.size(), 10);
    // A word that stands in the names of at least two suppliers, and a name from the middle.
    QString word;
    for (const QString& name : names) {
        for (const QString& part : name.split(u' ')) {
            if (part.size() >= 4 && names.filter(part, Qt::CaseInsensitive).size() >= 2 && word.isEmpty())
                word = part.toLower();
        }
    }
    ASSERT_FALSE(word.isEmpty());
    const QString target = names[names.size() / 2];
    const QString prefix = target.left(4).toLower();
    const int expectedRow = int(std::find_if(names.begin(), names.end(), [&](const QString& n) {
                                    return n.startsWith(prefix, Qt::CaseInsensitive);
                                }) - names.begin());
    QStringList filtered;
    QStringList filteredCodes;
    for (const QStringList& row : all) {
        if (row[0].contains(word, Qt::CaseInsensitive)) {
            filtered << row[0];
            filteredCodes << row[1];
        }
    }

    consulta().CampoDevuelto = QStringLiteral("CODIGO");
    lookupWith(QStringLiteral("VT_PROVEEDORES"), [&](Lib_FrmCons3& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Consulta..."));
        EXPECT_EQ(headers(w), (QStringList{QStringLiteral("Razon_Social"), QStringLiteral("Codigo")}));
        EXPECT_EQ(columnTexts(w, 0), names);
        EXPECT_EQ(w.CmbSearch(0)->toolTip(), QStringLiteral("F5 realiza nueva busqueda"));

        typeInto(w, 0, prefix);
        EXPECT_EQ(currentRow(w), expectedRow);
        typeInto(w, 1, all[5][1].left(7));
        EXPECT_EQ(columnTexts(w, 1).indexOf(all[5][1]) >= currentRow(w), true);
        EXPECT_TRUE(w.ListView1()->topLevelItem(currentRow(w))->text(1).startsWith(all[5][1].left(7)));
        clearBox(w, 1);
        EXPECT_EQ(currentRow(w), 0);

        clearBox(w, 0);
        typeInto(w, 0, word);
        QTest::keyClick(w.CmbSearch(0), Qt::Key_F5);
        EXPECT_EQ(w.CmbSearch(0)->currentText(), QString());
        EXPECT_TRUE(w.sql.startsWith(QStringLiteral("SELECT TOP 500 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES  with(nolock)  WHERE "
                                                     "Dada_De_Baja = 0  and Razon_Social like '%")
                                     + word + QStringLiteral("%' ORDER BY RAZON_SOCIAL")))
            << w.sql.toStdString();
        EXPECT_EQ(columnTexts(w, 0), filtered);

        keyOnList(w, Qt::Key_Down);
        keyOnList(w, Qt::Key_Return);
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_TRUE(consulta().ValorDevuelto.sameAs(vb::Variant(filteredCodes[1])));
    ASSERT_TRUE(consulta().Valores);
    EXPECT_EQ(consulta().Valores->count(), 0);
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ListWindow, EnterInASearchBoxAndADoubleClickAcceptTheChosenRow)
{
    const auto all = rows(activeSuppliers());
    consulta().CampoDevuelto = QStringLiteral("CODIGO");
    lookupWith(QStringLiteral("VT_PROVEEDORES"), [&](Lib_FrmCons3& w) {
        typeInto(w, 0, all[3][0]);
        QTest::keyClick(w.CmbSearch(0), Qt::Key_Return);
    });
    EXPECT_TRUE(consulta().ValorDevuelto.sameAs(vb::Variant(all[3][1])));

    consulta().CampoDevuelto = QStringLiteral("RAZON_SOCIAL");
    lookupWith(QStringLiteral("VT_PROVEEDORES"), [&](Lib_FrmCons3& w) {
        QTreeWidget* list = w.ListView1();
        const QRect cell = list->visualItemRect(list->topLevelItem(2));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    });
    EXPECT_TRUE(consulta().ValorDevuelto.sameAs(vb::Variant(all[2][0])));
}

TEST_F(ListWindow, TheCallersKeyIsTheFirstSearchText)
{
    const auto all = rows(activeSuppliers());
    const QString key = all[9][0].left(6);
    int expected = 0;
    while (!all[size_t(expected)][0].startsWith(key, Qt::CaseInsensitive))
        ++expected;
    dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3"), [&](QDialog* dialog) {
        auto& w = *static_cast<Lib_FrmCons3*>(dialog);
        EXPECT_EQ(w.CmbSearch(0)->currentText(), key);
        EXPECT_EQ(currentRow(w), expected);
        QTest::keyClick(&w, Qt::Key_Escape);
        return 0;
    });
    vb::CollectionPtr none;
    QString clave = key, busqueda, where, sentencia, valores;
    bool tree = false;
    consulta().ConsultaSearch(QStringLiteral("VT_PROVEEDORES"), none, clave, busqueda, where, sentencia, tree, valores);
    EXPECT_EQ(dialogs.prompts(ui::ScriptedDialogService::Kind::Modal).size(), 1);
}

TEST_F(ListWindow, FiltersAccumulateInPrefixModeAndNewSearchStartsOver)
{
    reconfigure(QStringLiteral("UsaConsultaLike"), QStringLiteral("NO"));
    const auto all = rows(activeSuppliers());
    const auto expected = rows(QStringLiteral("SELECT TOP 500 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES WHERE Dada_De_Baja = 0 "
                                              "AND Razon_Social like 'a%e%' AND Codigo like '2110%' ORDER BY RAZON_SOCIAL"));
    lookupWith(QStringLiteral("VT_PROVEEDORES"), [&](Lib_FrmCons3& w) {
        typeInto(w, 0, QStringLiteral("a*e"));
        QTest::keyClick(w.CmbSearch(0), Qt::Key_F5);
        EXPECT_TRUE(w.sql.contains(QStringLiteral("WHERE Dada_De_Baja = 0  and Razon_Social like 'a%e%' ORDER BY")));
        typeInto(w, 1, QStringLiteral("2110"));
        QTest::keyClick(w.CmbSearch(1), Qt::Key_F5);
        EXPECT_TRUE(w.sql.contains(QStringLiteral("like 'a%e%'  and Codigo like '2110%' ORDER BY RAZON_SOCIAL")))
            << w.sql.toStdString();
        EXPECT_EQ(columnTexts(w, 0), firstColumn(expected));
        EXPECT_LT(expected.size(), all.size());

        QTest::mouseClick(w.CmdNueva(), Qt::LeftButton);
        EXPECT_EQ(columnTexts(w, 0), firstColumn(all));
        EXPECT_TRUE(w.CmbSearch(0)->hasFocus());
        QTest::keyClick(&w, Qt::Key_Escape);
    });
}

// A filter's text is never read again as part of the statement: clause words typed into one
// F5 do not decide where the next condition goes, after a date sort neither.
TEST_F(ListWindow, ClauseWordsTypedIntoAFilterCannotTurnTheNextFilterIntoSql)
{
    reconfigure(QStringLiteral("UsaConsultaLike"), QStringLiteral("NO"));
    const QString injected = QStringLiteral("' OR 1=1 --");
    lookupWith(QStringLiteral("VT_PROVEEDORES"), [&](Lib_FrmCons3& w) {
        ASSERT_GT(w.ListView1()->topLevelItemCount(), 10);
        typeInto(w, 0, QStringLiteral("O order by"));
        QTest::keyClick(w.CmbSearch(0), Qt::Key_F5);
        EXPECT_EQ(w.ListView1()->topLevelItemCount(), 0);
        typeInto(w, 0, injected);
        QTest::keyClick(w.CmbSearch(0), Qt::Key_F5);
        EXPECT_EQ(w.ListView1()->topLevelItemCount(), 0) << w.sql.toStdString();
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    lookupWith(QStringLiteral("select TC, IdComprobante, Fecha, Importe from C_MV_CPTE"), [&](Lib_FrmCons3& w) {
        typeInto(w, 0, QStringLiteral("R where x order by"));
        QTest::keyClick(w.CmbSearch(0), Qt::Key_F5);
        clickHeader(w, 2);
        typeInto(w, 1, injected);
        QTest::keyClick(w.CmbSearch(1), Qt::Key_F5);
        EXPECT_EQ(w.ListView1()->topLevelItemCount(), 0);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ListWindow, TypedTextIsSearchedLiterallyApostrophesAndPercentSignsIncluded)
{
    addSupplier(QStringLiteral("21109901"), QStringLiteral("O'Neil [50%]_Hnos"));
    addSupplier(QStringLiteral("21109902"), QStringLiteral("Casa 50 Hermanos"));
    addSupplier(QStringLiteral("21109903"), QStringLiteral("OxNeil 50 Sur"));
    lookupWith(QStringLiteral("VT_PROVEEDORES"), [&](Lib_FrmCons3& w) {
        typeInto(w, 0, QStringLiteral("o'neil"));
        QTest::keyClick(w.CmbSearch(0), Qt::Key_F5);
        EXPECT_EQ(columnTexts(w, 0), QStringList{QStringLiteral("O'Neil [50%]_Hnos")});
        QTest::mouseClick(w.CmdNueva(), Qt::LeftButton);
        typeInto(w, 0, QStringLiteral("50%"));
        QTest::keyClick(w.CmbSearch(0), Qt::Key_F5);
        EXPECT_EQ(columnTexts(w, 0), QStringList{QStringLiteral("O'Neil [50%]_Hnos")});
        QTest::mouseClick(w.CmdNueva(), Qt::LeftButton);
        typeInto(w, 0, QStringLiteral("[50%]_h"));
        QTest::keyClick(w.CmbSearch(0), Qt::Key_F5);
        EXPECT_EQ(columnTexts(w, 0), QStringList{QStringLiteral("O'Neil [50%]_Hnos")});
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ListWindow, AFilterThatFailsShowsOneMessageAndKeepsTheRows)
{
    const QString sql = QStringLiteral("select Codigo, Razon_Social AS [Razon Social] from VT_PROVEEDORES");
    const auto all = rows(sql);
    lookupWith(sql, [&](Lib_FrmCons3& w) {
        const QString before = w.sql;
        EXPECT_EQ(w.ListView1()->topLevelItemCount(), int(all.size()));
        typeInto(w, 1, QStringLiteral("a"));
        QTest::keyClick(w.CmbSearch(1), Qt::Key_F5);
        EXPECT_EQ(boxes().size(), 1);
        EXPECT_EQ(w.ListView1()->topLevelItemCount(), int(all.size()));
        EXPECT_EQ(headers(w).size(), 2);
        EXPECT_FALSE(w.sql.contains(QStringLiteral("like")));
        QTest::keyClick(&w, Qt::Key_Escape);
    });
}

TEST_F(ListWindow, MultipleChoiceReturnsTheTickedCodesInListOrder)
{
    auto choose = [&](const std::function<void(Lib_FrmCons3&)>& tick) {
        consulta().Checks = true;
        consulta().CampoDevuelto = QStringLiteral("CODIGO");
        lookupWith(QStringLiteral("V_TA_UNIDADNEGOCIO"), [&](Lib_FrmCons3& w) {
            EXPECT_EQ(columnTexts(w, 0), (QStringList{QStringLiteral("Casa central"), QStringLiteral("Sucursal Córdoba"),
                                                       QStringLiteral("Sucursal Mendoza")}));
            EXPECT_EQ(ticks(w), (QList<bool>{false, false, false}));
            tick(w);
            keyOnList(w, Qt::Key_Return);
        });
        EXPECT_TRUE(consulta().ValorDevuelto.isEmpty());
        return consulta().Valores;
    };
    vb::CollectionPtr chosen = choose([](Lib_FrmCons3& w) {
        keyOnList(w, Qt::Key_Space);
        keyOnList(w, Qt::Key_Down);
        keyOnList(w, Qt::Key_Down);
        keyOnList(w, Qt::Key_Space);
        EXPECT_EQ(ticks(w), (QList<bool>{true, false, true}));
    });
    ASSERT_TRUE(chosen);
    ASSERT_EQ(chosen->count(), 2);
    EXPECT_EQ(chosen->item(1).toString(), QStringLiteral("   1"));
    EXPECT_EQ(chosen->item(2).toString(), QStringLiteral("   3"));
    EXPECT_FALSE(consulta().Checks);

    chosen = choose([](Lib_FrmCons3& w) {
        QTest::mouseClick(w.CmdTodos(), Qt::LeftButton);
        keyOnList(w, Qt::Key_Space);
        EXPECT_EQ(ticks(w), (QList<bool>{false, true, true}));
    });
    ASSERT_EQ(chosen->count(), 2);
    EXPECT_EQ(chosen->item(1).toString(), QStringLiteral("   2"));

    chosen = choose([](Lib_FrmCons3&) {});
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->count(), 0);
}

TEST_F(ListWindow, PreTickedValuesAreWholeCodes)
{
    execute(QStringLiteral("INSERT INTO V_TA_UNIDADNEGOCIO (CODIGO, DESCRIPCION) VALUES ('  10', 'Unidad diez')"));
    execute(QStringLiteral("INSERT INTO V_TA_UNIDADNEGOCIO (CODIGO, DESCRIPCION) VALUES ('  12', 'Unidad doce')"));
    consulta().Checks = true;
    consulta().CampoDevuelto = QStringLiteral("CODIGO");
    lookupWith(QStringLiteral("V_TA_UNIDADNEGOCIO"), [&](Lib_FrmCons3& w) {
        EXPECT_EQ(columnTexts(w, 1), (QStringList{QStringLiteral("   1"), QStringLiteral("   2"), QStringLiteral("   3"),
                                                   QStringLiteral("  10"), QStringLiteral("  12")}));
        EXPECT_EQ(ticks(w), (QList<bool>{false, false, false, true, true}));
        QTest::mouseClick(w.CmdAceptar(), Qt::LeftButton);
    }, QStringLiteral("10, 12"));
    ASSERT_EQ(consulta().Valores->count(), 2);
    EXPECT_EQ(consulta().Valores->item(1).toString(), QStringLiteral("  10"));
    EXPECT_EQ(consulta().Valores->item(2).toString(), QStringLiteral("  12"));
}

TEST_F(ListWindow, HeaderClicksSortTheWholeListByValueAlternatingTheOrder)
{
    const QString sql = QStringLiteral("select IdArticulo, Descripcion, Costo from MA_ARTICULOS");
    lookupWith(sql, [&](Lib_FrmCons3& w) {
        QStringList ids = columnTexts(w, 0);
        QStringList sortedIds = ids;
        std::sort(sortedIds.begin(), sortedIds.end());
        EXPECT_EQ(ids, sortedIds);                 // the list starts sorted on its first column

        clickHeader(w, 2);
        QList<double> costs;
        for (const QString& text : columnTexts(w, 2))
            costs << vb::CDbl(vb::Variant(text));
        ASSERT_GT(costs.size(), 50);
        EXPECT_TRUE(std::is_sorted(costs.begin(), costs.end(), std::greater<double>()));
        // By text the order would differ: some cost has fewer digits than the one before it.
        QStringList costTexts = columnTexts(w, 2);
        EXPECT_FALSE(std::is_sorted(costTexts.begin(), costTexts.end(), std::greater<QString>()));

        clickHeader(w, 1);
        QStringList descriptions = columnTexts(w, 1);
        EXPECT_TRUE(std::is_sorted(descriptions.begin(), descriptions.end(),
                                   [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; }));

        // The search follows the new order.
        const QString prefix = descriptions[7].left(3);
        const int first = int(std::find_if(descriptions.begin(), descriptions.end(), [&](const QString& d) {
                                  return d.startsWith(prefix, Qt::CaseInsensitive);
                              }) - descriptions.begin());
        typeInto(w, 1, prefix);
        EXPECT_EQ(currentRow(w), first);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
}

// Spanish names as the operators' suppliers have them: "Álvarez" went below "Zapata" and
// "Ñandú" to the very end of the list, where nobody looks for them; the server orders them with
// their letters, Ñ after N.
TEST_F(ListWindow, NamesWithAccentsAndEnyeSortWithTheirLetters)
{
    const QStringList names{QStringLiteral("Zapata Hnos."), QStringLiteral("Ñandú S.A."), QStringLiteral("Álvarez María"),
                            QStringLiteral("Nuñez y Cía."), QStringLiteral("Obras del Sur"), QStringLiteral("avícola Entre Ríos"),
                            QStringLiteral("Norte Ángel")};
    for (int i = 0; i < names.size(); ++i)
        addSupplier(QStringLiteral("2190000%1").arg(i), names[i]);
    const QString sql = QStringLiteral("select Razon_Social, Codigo from MA_CUENTAS where Codigo like '2190000%'");
    const QStringList expected{QStringLiteral("Álvarez María"), QStringLiteral("avícola Entre Ríos"), QStringLiteral("Norte Ángel"),
                               QStringLiteral("Nuñez y Cía."), QStringLiteral("Ñandú S.A."), QStringLiteral("Obras del Sur"),
                               QStringLiteral("Zapata Hnos.")};
    EXPECT_EQ(firstColumn(rows(sql + QStringLiteral(" order by Razon_Social"))), expected) << "the server's order";
    lookupWith(sql, [&](Lib_FrmCons3& w) {
        EXPECT_EQ(columnTexts(w, 0), expected);
        clickHeader(w, 0);
        QStringList descending = expected;
        std::reverse(descending.begin(), descending.end());
        EXPECT_EQ(columnTexts(w, 0), descending);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
}

TEST_F(ListWindow, AReloadSortsAscendingOnTheLastSortedColumn)
{
    auto costs = [](const Lib_FrmCons3& w) {
        QList<double> out;
        for (const QString& text : columnTexts(w, 2))
            out << vb::CDbl(vb::Variant(text));
        return out;
    };
    lookupWith(QStringLiteral("select IdArticulo, Descripcion, Costo from MA_ARTICULOS"), [&](Lib_FrmCons3& w) {
        clickHeader(w, 2);
        const QList<double> all = costs(w);
        ASSERT_TRUE(std::is_sorted(all.begin(), all.end(), std::greater<double>()));
        typeInto(w, 0, QStringLiteral("0"));
        QTest::keyClick(w.CmbSearch(0), Qt::Key_F5);
        QList<double> filtered = costs(w);
        ASSERT_GT(filtered.size(), 5);
        EXPECT_TRUE(std::is_sorted(filtered.begin(), filtered.end()));
        clickHeader(w, 2);
        filtered = costs(w);
        EXPECT_TRUE(std::is_sorted(filtered.begin(), filtered.end(), std::greater<double>()));
        QTest::keyClick(&w, Qt::Key_Escape);
    });
}

TEST_F(ListWindow, DatesSortByTheirValueNotTheirText)
{
    lookupWith(QStringLiteral("select IdComprobante, Fecha AS Emitido from C_MV_CPTE"), [&](Lib_FrmCons3& w) {
        clickHeader(w, 1);
        QList<QDate> dates;
        for (const QString& text : columnTexts(w, 1))
            dates << vb::CDate(vb::Variant(text)).date();
        ASSERT_GT(dates.size(), 30);
        EXPECT_TRUE(std::is_sorted(dates.begin(), dates.end(), std::greater<QDate>()));
        const QStringList texts = columnTexts(w, 1);
        EXPECT_FALSE(std::is_sorted(texts.begin(), texts.end(), std::greater<QString>()));
        QTest::keyClick(&w, Qt::Key_Escape);
    });
}

TEST_F(ListWindow, ADateHeaderOrdersOnTheServerAndALaterFilterGoesBeforeTheOrder)
{
    const QString sql = QStringLiteral("select TC, IdComprobante, Fecha, Importe from C_MV_CPTE");
    const auto ordered = rows(sql + QStringLiteral(" order by Fecha"));
    const auto orderedRmc = rows(QStringLiteral("select TC, IdComprobante, Fecha, Importe from C_MV_CPTE where TC like '%RMC%' order by Fecha"));
    ASSERT_LT(orderedRmc.size(), ordered.size());
    lookupWith(sql, [&](Lib_FrmCons3& w) {
        handed.clear();
        clickHeader(w, 2);
        EXPECT_TRUE(handed.filter(QStringLiteral("order by Fecha")).size() == 1);
        EXPECT_EQ(columnTexts(w, 1), firstColumn(ordered, 1));
        // The rows are in the server's order: no header claims an order of the list's own.
        EXPECT_FALSE(w.ListView1()->header()->isSortIndicatorShown());
        EXPECT_FALSE(w.sql.contains(QStringLiteral("order by")));

        typeInto(w, 0, QStringLiteral("RMC"));
        QTest::keyClick(w.CmbSearch(0), Qt::Key_F5);
        const qsizetype like = w.sql.indexOf(QStringLiteral("like"));
        const qsizetype order = w.sql.indexOf(QStringLiteral("order by Fecha"));
        EXPECT_GT(like, 0);
        EXPECT_GT(order, like) << w.sql.toStdString();
        EXPECT_EQ(columnTexts(w, 1), firstColumn(orderedRmc, 1));
        EXPECT_TRUE(boxes().isEmpty());
        QTest::keyClick(&w, Qt::Key_Escape);
    });
}

TEST_F(ListWindow, F12ReportsTheChosenArticleAsMissingWithItsApostrophes)
{
    execute(QStringLiteral("INSERT INTO MA_ARTICULOS (IdArticulo, Descripcion, SUSPENDIDO) VALUES ('09-00001', 'Llave ''Stanley'' 1/2', 0)"));
    data::gUsuarioActual = QStringLiteral("COMPRAS");
    const vb::ClockScope clock(QDateTime(QDate(2024, 5, 6), QTime(10, 20, 30)));
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    dialogs.pushMsgBoxAnswer(ui::vbNo);
    lookupWith(QStringLiteral("V_MA_ARTICULOS"), [&](Lib_FrmCons3& w) {
        typeInto(w, 0, QStringLiteral("llave 'st"));
        QTest::keyClick(w.ListView1(), Qt::Key_F12);
        QTest::keyClick(w.CmbSearch(0), Qt::Key_F12);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_EQ(boxes()[0].text, QStringLiteral("Desea informar el articulo 09-00001 Llave 'Stanley' 1/2\r\ncomo un faltante de stock?"));
    EXPECT_EQ(boxes()[0].title, QStringLiteral("Atención!"));
    EXPECT_EQ(boxes()[0].icon, int(ui::vbQuestion));
    EXPECT_EQ(boxes()[0].buttons, (QList<int>{ui::vbYes, ui::vbNo}));
    const auto written = rows(QStringLiteral("SELECT IdArticulo, Descripcion, Usuario, FechaHora FROM V_MV_FALTANTES"));
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0][0], QStringLiteral("09-00001"));
    EXPECT_EQ(written[0][1], QStringLiteral("Llave 'Stanley' 1/2"));
    EXPECT_EQ(written[0][2], QStringLiteral("COMPRAS"));
    EXPECT_EQ(written[0][3], vb::Variant(vb::Date::fromDateTime(QDateTime(QDate(2024, 5, 6), QTime(10, 20, 30)))).toString());

    // Outside an article list F12 does nothing.
    lookupWith(QStringLiteral("VT_PROVEEDORES"), [&](Lib_FrmCons3& w) {
        QTest::keyClick(w.ListView1(), Qt::Key_F12);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_EQ(boxes().size(), 2);
}

TEST_F(ListWindow, QuantityKeysKeepTheirFractionUnderTheRegionalSettings)
{
    consulta().Checks = true;
    consulta().UsaCantidades = true;
    dialogs.pushInputText(QStringLiteral("3,25"));
    dialogs.pushInputText(QString());
    dialogs.pushInputText(QStringLiteral("abc"));
    lookupWith(QStringLiteral("select IdArticulo, Descripcion, 1.5 AS [**Cantidad**] from MA_ARTICULOS"), [&](Lib_FrmCons3& w) {
        ASSERT_EQ(w.IndiceColumna(QStringLiteral("**cantidad**")), 3);
        QTreeWidgetItem* row = w.ListView1()->topLevelItem(0);
        EXPECT_EQ(row->text(2), QStringLiteral("1,5"));
        keyOnList(w, Qt::Key_Insert);
        EXPECT_EQ(row->text(2), QStringLiteral("2,5"));
        EXPECT_EQ(row->checkState(0), Qt::Checked);
        keyOnList(w, Qt::Key_Delete);
        keyOnList(w, Qt::Key_Delete);
        EXPECT_EQ(row->text(2), QStringLiteral("0,5"));
        EXPECT_EQ(row->checkState(0), Qt::Checked);
        keyOnList(w, Qt::Key_Delete);
        EXPECT_EQ(row->text(2), QStringLiteral("0.00"));
        EXPECT_EQ(row->checkState(0), Qt::Unchecked);
        keyOnList(w, Qt::Key_Insert);
        EXPECT_EQ(row->text(2), QStringLiteral("1,0"));
        keyOnList(w, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(row->text(2), QStringLiteral("3,25"));
        keyOnList(w, Qt::Key_Insert, Qt::ShiftModifier);
        keyOnList(w, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(row->text(2), QStringLiteral("3,25"));
        EXPECT_EQ(row->checkState(0), Qt::Checked);
        // Taking one away never ticks a row the operator unticked.
        keyOnList(w, Qt::Key_Space);
        ASSERT_EQ(row->checkState(0), Qt::Unchecked);
        keyOnList(w, Qt::Key_Delete);
        EXPECT_TRUE(row->text(2).startsWith(QStringLiteral("2,"))) << row->text(2).toStdString();
        EXPECT_EQ(row->checkState(0), Qt::Unchecked);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    const auto inputs = dialogs.prompts(ui::ScriptedDialogService::Kind::InputBox);
    ASSERT_EQ(inputs.size(), 3);
    EXPECT_EQ(inputs[0].text, QStringLiteral("Ingrese la Cantidad del Articulo..."));
    EXPECT_EQ(inputs[0].title, QStringLiteral("Carga de Datos"));
    EXPECT_EQ(inputs[0].defaultText, QStringLiteral("1,0"));
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ListWindow, KeysOnTheListTypePrintableTextIntoTheLastSearchBox)
{
    lookupWith(QStringLiteral("VT_PROVEEDORES"), [&](Lib_FrmCons3& w) {
        EXPECT_FALSE(w.CmdTodos()->isEnabled());
        keyOnList(w, Qt::Key_A);
        EXPECT_EQ(w.CmbSearch(0)->currentText(), QStringLiteral("a"));
        EXPECT_TRUE(w.CmbSearch(0)->hasFocus());
        EXPECT_TRUE(w.CmbSearch(0)->lineEdit()->styleSheet().contains(QStringLiteral("#00FFFF")));
        EXPECT_TRUE(w.CmbSearch(1)->lineEdit()->styleSheet().isEmpty());
        keyOnList(w, Qt::Key_1);
        keyOnList(w, Qt::Key_Space);
        EXPECT_EQ(w.CmbSearch(0)->currentText(), QStringLiteral("a1 "));
        keyOnList(w, Qt::Key_Backspace);
        EXPECT_EQ(w.CmbSearch(0)->currentText(), QStringLiteral("a1"));
        keyOnList(w, Qt::Key_F3);
        keyOnList(w, Qt::Key_5, Qt::KeypadModifier);
        keyOnList(w, Qt::Key_Asterisk, Qt::KeypadModifier);
        EXPECT_EQ(w.CmbSearch(0)->currentText(), QStringLiteral("a1"));
        EXPECT_TRUE(w.ListView1()->hasFocus());
        typeInto(w, 1, QStringLiteral("2"));
        QTest::keyClick(w.CmbSearch(1), Qt::Key_Down);
        EXPECT_TRUE(w.ListView1()->hasFocus());
        QTest::keyClick(w.ListView1(), Qt::Key_1);
        EXPECT_EQ(w.CmbSearch(1)->currentText(), QStringLiteral("21"));
        QTest::keyClick(&w, Qt::Key_Escape);
    });
}

TEST_F(ListWindow, TheOperatorStartsInTheFirstSearchBoxAndTabsThroughBoxesListAndButtons)
{
    auto chain = [](Lib_FrmCons3& w) {
        QStringList names;
        QWidget* start = QApplication::focusWidget();
        for (int i = 0; i < 12; ++i) {
            QWidget* focused = QApplication::focusWidget();
            const QVariant index = focused ? focused->property("Index") : QVariant();
            names << (focused ? focused->objectName() + (index.toInt() >= 0 && index.isValid() ? index.toString() : QString()) : QString());
            QTest::keyClick(focused, Qt::Key_Tab);
            if (QApplication::focusWidget() == start)
                break;
        }
        Q_UNUSED(w);
        return names;
    };
    lookupWith(QStringLiteral("VT_PROVEEDORES"), [&](Lib_FrmCons3& w) {
        EXPECT_EQ(QApplication::focusWidget(), w.CmbSearch(0));
        EXPECT_EQ(chain(w), (QStringList{QStringLiteral("CmbSearch0"), QStringLiteral("CmbSearch1"), QStringLiteral("ListView1"),
                                         QStringLiteral("CmdAceptar"), QStringLiteral("cmdCancelar"), QStringLiteral("CmdNueva"),
                                         QStringLiteral("CmdNuevo")}));
        // Typing goes straight into the first box and finds the row.
        QTest::keyClicks(QApplication::focusWidget(), w.ListView1()->topLevelItem(4)->text(0));
        EXPECT_EQ(currentRow(w), 4);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    });
    consulta().Checks = true;
    lookupWith(QStringLiteral("V_TA_UNIDADNEGOCIO"), [&](Lib_FrmCons3& w) {
        EXPECT_EQ(chain(w), (QStringList{QStringLiteral("CmbSearch0"), QStringLiteral("CmbSearch1"), QStringLiteral("ListView1"),
                                         QStringLiteral("CmdAceptar"), QStringLiteral("cmdCancelar"), QStringLiteral("CmdNueva"),
                                         QStringLiteral("CmdNuevo"), QStringLiteral("CmdTodos")}));
        QTest::keyClick(&w, Qt::Key_Escape);
    });
}

TEST_F(ListWindow, NumericPadKeysOnTheListNeitherTypeNorMoveTheRow)
{
    lookupWith(QStringLiteral("select Codigo, Descripcion from V_TA_UNIDADNEGOCIO order by Descripcion"), [&](Lib_FrmCons3& w) {
        ASSERT_EQ(columnTexts(w, 0).size(), 3);
        keyOnList(w, Qt::Key_3, Qt::KeypadModifier);
        EXPECT_EQ(currentRow(w), 0);
        EXPECT_EQ(w.CmbSearch(0)->currentText(), QString());
        // The pad's arrows still move along the list.
        keyOnList(w, Qt::Key_Down, Qt::KeypadModifier);
        EXPECT_EQ(currentRow(w), 1);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
}

TEST_F(ListWindow, ANullInTheFirstColumnShowsAsEmptyText)
{
    execute(QStringLiteral("UPDATE V_TA_MotivoCpra SET Descripcion = NULL WHERE IdMotivoCpra = '   2'"));
    lookupWith(QStringLiteral("select Descripcion, IdMotivoCpra from V_TA_MotivoCpra order by IdMotivoCpra"), [&](Lib_FrmCons3& w) {
        EXPECT_EQ(columnTexts(w, 0)[1], QString());
        EXPECT_EQ(columnTexts(w, 1)[1], QStringLiteral("   2"));
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ListWindow, ANameMatchingNoColumnReturnsEmptyText)
{
    const auto all = rows(activeSuppliers());
    vb::CollectionPtr cmps = vb::Collection::create();
    for (const char* name : {"CODIGO", "NOEXISTE", "RAZON_SOCIAL"})
        cmps->add(QString::fromLatin1(name));
    consulta().CampoDevuelto = QStringLiteral("NOEXISTE");
    lookupWith(QStringLiteral("VT_PROVEEDORES"), [&](Lib_FrmCons3& w) { keyOnList(w, Qt::Key_Return); }, {}, cmps);
    EXPECT_TRUE(consulta().ValorDevuelto.sameAs(vb::Variant(QString())));
    ASSERT_EQ(consulta().Valores->count(), 3);
    EXPECT_EQ(consulta().Valores->item(1).toString(), all[0][1]);
    EXPECT_EQ(consulta().Valores->item(2).toString(), QString());
    EXPECT_EQ(consulta().Valores->item(3).toString(), all[0][0]);
    EXPECT_EQ(cmps->count(), 0);
}

TEST_F(ListWindow, CancelAndAnEmptyListReturnNothing)
{
    consulta().CampoDevuelto = QStringLiteral("CODIGO");
    lookupWith(QStringLiteral("VT_PROVEEDORES"), [&](Lib_FrmCons3& w) { keyOnList(w, Qt::Key_Return); });
    ASSERT_FALSE(vb::CStr(consulta().ValorDevuelto).isEmpty());

    consulta().CampoDevuelto = QStringLiteral("CODIGO");
    lookupWith(QStringLiteral("VT_PROVEEDORES"), [&](Lib_FrmCons3& w) { QTest::keyClick(&w, Qt::Key_Escape); });
    EXPECT_TRUE(consulta().ValorDevuelto.sameAs(vb::Variant(QString())));
    EXPECT_FALSE(consulta().Valores);

    consulta().CampoDevuelto = QStringLiteral("CODIGO");
    lookupWith(QStringLiteral("select Codigo from VT_PROVEEDORES where 1 = 0"), [&](Lib_FrmCons3& w) {
        EXPECT_EQ(w.ListView1()->topLevelItemCount(), 0);
        EXPECT_EQ(headers(w), QStringList{QStringLiteral("Codigo")});
        QTest::mouseClick(w.CmdAceptar(), Qt::LeftButton);
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_TRUE(consulta().ValorDevuelto.isEmpty());
}

TEST_F(ListWindow, NewOpensTheTablesMaintenanceProgram)
{
    QList<QStringList> started;
    lookup::MenuLauncher::set([&](const QString& destino, const QString& parametros, qint64&) {
        started << QStringList{destino, parametros};
    });
    auto pressNew = [&](const QString& table) {
        lookupWith(table, [&](Lib_FrmCons3& w) {
            const int count = w.ListView1()->topLevelItemCount();
            handed.clear();
            QTest::mouseClick(w.CmdNuevo(), Qt::LeftButton);
            EXPECT_EQ(w.ListView1()->topLevelItemCount(), count);
            EXPECT_TRUE(handed.isEmpty());
            QTest::keyClick(&w, Qt::Key_Escape);
        });
    };
    pressNew(QStringLiteral("VT_PROVEEDORES"));
    pressNew(QStringLiteral("VT_CLIENTES"));
    pressNew(QStringLiteral("V_MA_ARTICULOS"));
    pressNew(QStringLiteral("select IDRubro, Descripcion from V_TA_Rubros"));
    pressNew(QStringLiteral("V_TA_VENDEDORES"));
    // The stock view opens the articles' program, with or without saved widths.
    ASSERT_FALSE(QFile::exists(programFile(QStringLiteral("CONSULTASLEN.QZT"))));
    pressNew(QStringLiteral("select IdArticulo, Descripcion from STK_MA_ARTICULOS"));
    ASSERT_EQ(started.size(), 6);
    EXPECT_EQ(started[5], (QStringList{QStringLiteral("SHELL:V_MA_ARTICULOS"), QString()}));
    EXPECT_EQ(started[0], (QStringList{QStringLiteral("SHELL:V_MA_CLIENTES"), QStringLiteral("0")}));
    EXPECT_EQ(started[1], (QStringList{QStringLiteral("SHELL:V_MA_CLIENTES"), QStringLiteral("1")}));
    EXPECT_EQ(started[2], (QStringList{QStringLiteral("SHELL:V_MA_ARTICULOS"), QString()}));
    EXPECT_EQ(started[3], (QStringList{QStringLiteral("SHELL:V_TA_TABLAS"), QStringLiteral("V_TA_Rubros")}));
    EXPECT_EQ(started[4], (QStringList{QStringLiteral("SHELL:V_TA_VENDEDORES"), QString()}));
}

TEST_F(ListWindow, ArticleRowsTakeTheColourOfTheirStockLevel)
{
    setConfig(QStringLiteral("Stk_Nivel1"), QStringLiteral("255"));
    setConfig(QStringLiteral("Stk_Nivel2"), QStringLiteral("65280"));
    setConfig(QStringLiteral("Stk_Nivel3"), QStringLiteral("16711680"));
    reconfigure(QStringLiteral("Stk_Nivel4"), QStringLiteral("8421504"));
    const struct {
        const char* id;
        const char* stock;
        const char* point;
    } articles[] = {{"09-1", "10", "0"}, {"09-2", "10", "5"}, {"09-3", "3", "5"}, {"09-4", "5", "5"}, {"09-5", "0", "0"},
                    {"09-6", "NULL", "5"}};
    for (const auto& a : articles) {
        execute(QStringLiteral("INSERT INTO MA_ARTICULOS (IdArticulo, Descripcion, SUSPENDIDO) VALUES ('%1', 'Prueba %1', 0)").arg(QLatin1String(a.id)));
        execute(QStringLiteral("INSERT INTO MV_STOCKDEPOSITO (IdArticulo, IdDeposito, Stock, PuntoPedido) VALUES ('%1', '   1', %2, %3)")
                    .arg(QLatin1String(a.id), QLatin1String(a.stock), QLatin1String(a.point)));
    }
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), grey(128, 128, 128);
    lookupWith(QStringLiteral("select IdArticulo, Descripcion, Stock, PuntoPedido from STK_MA_ARTICULOS where IdArticulo like '09-%'"),
               [&](Lib_FrmCons3& w) {
        ASSERT_EQ(w.ListView1()->topLevelItemCount(), 6);
        const QList<QColor> expected{red, green, blue, grey, grey, blue};
        for (int i = 0; i < 6; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(w.ListView1()->topLevelItem(i)->foreground(0).color(), expected[i]);
            EXPECT_EQ(w.ListView1()->topLevelItem(i)->foreground(3).color(), expected[i]);
        }
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    // Without the stock fields, or with the switch off, no row is coloured.
    lookupWith(QStringLiteral("select IdArticulo, Descripcion from STK_MA_ARTICULOS where IdArticulo like '09-%'"), [&](Lib_FrmCons3& w) {
        EXPECT_EQ(w.ListView1()->topLevelItem(0)->foreground(1).style(), Qt::NoBrush);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    reconfigure(QStringLiteral("MostrarStockenConsultas"), QStringLiteral("NO"));
    lookupWith(QStringLiteral("select IdArticulo, Descripcion, Stock, PuntoPedido from STK_MA_ARTICULOS where IdArticulo like '09-%'"),
               [&](Lib_FrmCons3& w) {
        EXPECT_EQ(w.ListView1()->topLevelItem(0)->foreground(1).style(), Qt::NoBrush);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(ListWindow, ColumnsAreSizedByTheirFieldsAndPricesNamedByTheirClass)
{
    const QString sql = QStringLiteral("select IdArticulo, Descripcion, Costo from MA_ARTICULOS");
    auto widthOf = [](const Lib_FrmCons3& w, int chars) { return w.ListView1()->fontMetrics().horizontalAdvance(QString(chars, u'X')); };
    lookupWith(sql, [&](Lib_FrmCons3& w) {
        EXPECT_EQ(w.ListView1()->columnWidth(0), widthOf(w, 25));
        EXPECT_EQ(w.ListView1()->columnWidth(1), widthOf(w, 60));
        EXPECT_EQ(w.ListView1()->columnWidth(2), widthOf(w, 12));
        // Each search box lies over its column.
        for (int i = 0; i < 3; ++i) {
            const QRect box = w.CmbSearch(i)->geometry();
            EXPECT_NEAR(box.left() - w.CmbSearch(0)->geometry().left(), w.ListView1()->header()->sectionPosition(i), 1);
            EXPECT_EQ(box.width(), w.ListView1()->columnWidth(i) - ui::Twips::toPixels(50));
        }
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    lookupWith(sql, [&](Lib_FrmCons3& w) {
        EXPECT_EQ(w.ListView1()->columnWidth(0), widthOf(w, 35));
        EXPECT_EQ(w.ListView1()->columnWidth(1), widthOf(w, 70));
        EXPECT_EQ(w.ListView1()->columnWidth(2), widthOf(w, 22));
        QTest::keyClick(&w, Qt::Key_Escape);
    }, QStringLiteral("@10"));
    lookupWith(QStringLiteral("select IdArticulo, Precio3, precio8 from STK_MA_ARTICULOS"), [&](Lib_FrmCons3& w) {
        EXPECT_EQ(headers(w), (QStringList{QStringLiteral("IdArticulo"), QStringLiteral("Minorista"), QStringLiteral("Exportación")}));
        QTest::keyClick(&w, Qt::Key_Escape);
    });
}

TEST_F(ListWindow, AColumnNarrowerThanItsCaptionWidensToShowIt)
{
    consulta().Checks = true;
    lookupWith(QStringLiteral("TA_USUARIOS"), [&](Lib_FrmCons3& w) {
        QTreeWidget* list = w.ListView1();
        const int flag = w.IndiceColumna(QStringLiteral("verproforma")) - 1;
        ASSERT_GE(flag, 0);
        for (int i = 0; i < list->columnCount(); ++i) {
            SCOPED_TRACE(list->headerItem()->text(i).toStdString());
            EXPECT_GE(list->columnWidth(i), list->header()->sectionSizeHint(i));
        }
        // A column whose caption is shorter keeps the width of its field.
        const int name = w.IndiceColumna(QStringLiteral("Nombre")) - 1;
        EXPECT_EQ(list->columnWidth(name), list->fontMetrics().horizontalAdvance(QString(50, u'X')));
        QTest::keyClick(&w, Qt::Key_Escape);
    });
}

TEST_F(ListWindow, SavedWidthsAreAppliedAndSavedWithAPoint)
{
    const QString sql = QStringLiteral("select IdArticulo, Descripcion, Costo from MA_ARTICULOS");
    ASSERT_TRUE(writeFileBytes(programFile(QStringLiteral("CONSULTASLEN.QZT")),
                               "\"vt_proveedores\",\"900|\"\r\n\"ma_articulos\",\"1500|3000.5|\"\r\n"));
    lookupWith(sql, [&](Lib_FrmCons3& w) {
        EXPECT_EQ(w.tablaConsulta(), QStringLiteral("MA_ARTICULOS"));
        EXPECT_EQ(w.ListView1()->columnWidth(0), 100);
        EXPECT_EQ(w.ListView1()->columnWidth(1), 200);
        EXPECT_EQ(w.ListView1()->columnWidth(2), w.ListView1()->fontMetrics().horizontalAdvance(QString(12, u'X')));
        EXPECT_EQ(w.CmbSearch(1)->width(), 200 - ui::Twips::toPixels(50));
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    // The driver never asks the window to save; a window that is asked writes its widths.
    Lib_FrmCons3 window;
    window.sql = sql;
    window.GrabarCfg = true;
    window.ensureLoaded();
    window.ListView1()->setColumnWidth(0, 120);
    window.ListView1()->setColumnWidth(1, 201);
    window.ListView1()->setColumnWidth(2, 50);
    window.Unload();
    EXPECT_EQ(fileBytes(programFile(QStringLiteral("CONSULTASLEN.QZT"))),
              QByteArray("\"vt_proveedores\",\"900|\"\r\n\"MA_ARTICULOS\",\"1800|3015|750|\"\r\n"));
}

// A damaged widths file (a number past Val's range raises error 6; one past any widget's size
// is no width) ends the reading without a message and the window opens with the widths
// applied so far: the error escaped from the window's loading.
TEST_F(ListWindow, DamagedSavedWidthsStopTheirReadingAndTheWindowStillOpens)
{
    const QString sql = QStringLiteral("select IdArticulo, Descripcion, Costo from MA_ARTICULOS");
    int unsaved = 0;
    lookupWith(sql, [&](Lib_FrmCons3& w) {
        unsaved = w.ListView1()->columnWidth(1);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    for (const QByteArray& widths : {QByteArray("1500|1e999|3000|"), QByteArray("1500|1e300|3000|")}) {
        SCOPED_TRACE(widths.toStdString());
        ASSERT_TRUE(writeFileBytes(programFile(QStringLiteral("CONSULTASLEN.QZT")), "\"ma_articulos\",\"" + widths + "\"\r\n"));
        dialogs.clear();
        lookupWith(sql, [&](Lib_FrmCons3& w) {
            EXPECT_EQ(w.ListView1()->columnWidth(0), 100);
            EXPECT_EQ(w.ListView1()->columnWidth(1), unsaved);
            QTest::keyClick(&w, Qt::Key_Escape);
        });
        EXPECT_TRUE(dialogs.prompts(ui::ScriptedDialogService::Kind::MsgBox).isEmpty());
    }
}

TEST_F(ListWindow, TheWindowFitsItsColumnsWithinTheScreen)
{
    lookupWith(QStringLiteral("select IdArticulo, Costo from MA_ARTICULOS"), [&](Lib_FrmCons3& w) {
        QTreeWidget* list = w.ListView1();
        int total = 0;
        for (int i = 0; i < list->columnCount(); ++i)
            total += list->columnWidth(i);
        EXPECT_GE(list->viewport()->width(), total);
        EXPECT_LE(w.width(), ui::Twips::toPixels(ui::Twips::screenSize(&w).width()));
        QTest::keyClick(&w, Qt::Key_Escape);
    });
    const QString wide = QStringLiteral("select Descripcion, Descripcion AS D2, Descripcion AS D3, Descripcion AS D4, "
                                        "Descripcion AS D5, Descripcion AS D6 from MA_ARTICULOS");
    lookupWith(wide, [&](Lib_FrmCons3& w) {
        const int screen = ui::Twips::toPixels(ui::Twips::screenSize(&w).width());
        EXPECT_EQ(w.width(), screen - ui::Twips::toPixels(480));
        // The boxes slide with the columns.
        w.ListView1()->horizontalScrollBar()->setValue(200);
        EXPECT_EQ(w.CmbSearch(1)->x() - w.CmbSearch(0)->x(), w.ListView1()->columnWidth(0));
        EXPECT_LT(w.CmbSearch(0)->x(), -150);
        QTest::keyClick(&w, Qt::Key_Escape);
    });
}

TEST_F(ListWindow, CheckOptionsReturnsTheTickedTexts)
{
    bool shown = false;
    dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3"), [&](QDialog* dialog) {
        shown = true;
        auto& w = *static_cast<Lib_FrmCons3*>(dialog);
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Pago"));
        EXPECT_EQ(headers(w), QStringList{QStringLiteral("Pago")});
        EXPECT_EQ(columnTexts(w, 0), (QStringList{QStringLiteral("Efectivo"), QStringLiteral("Cheque"), QStringLiteral("Tarjeta")}));
        EXPECT_EQ(ticks(w), (QList<bool>{true, false, true}));
        EXPECT_FALSE(w.CmdNueva()->isVisible());
        EXPECT_GT(w.cmdCancelar()->x(), w.width() / 2);
        keyOnList(w, Qt::Key_Space);
        keyOnList(w, Qt::Key_Return);
        return int(w.result());
    });
    const QString result = consulta().CheckOpciones(QStringLiteral("Pago"), {}, {QStringLiteral("1Efectivo"),
                                                    QStringLiteral("0Cheque"), QStringLiteral("1Tarjeta")});
    EXPECT_TRUE(shown);
    EXPECT_EQ(result, QString());
    ASSERT_TRUE(consulta().Valores);
    ASSERT_EQ(consulta().Valores->count(), 1);
    EXPECT_EQ(consulta().Valores->item(1).toString(), QStringLiteral("Tarjeta"));
}

TEST_F(ListWindow, MenuOptionsReturnsTheChosenTextOrNothing)
{
    dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3"), [&](QDialog* dialog) {
        auto& w = *static_cast<Lib_FrmCons3*>(dialog);
        EXPECT_EQ(ticks(w), (QList<bool>{false, false, false}));
        EXPECT_EQ(w.ListView1()->topLevelItem(0)->data(0, Qt::CheckStateRole), QVariant());
        typeInto(w, 0, QStringLiteral("tr"));
        QTest::keyClick(w.CmbSearch(0), Qt::Key_Return);
        return int(w.result());
    });
    EXPECT_EQ(consulta().MenuOpciones(QStringLiteral("Elegir"), {QStringLiteral("Uno"), QStringLiteral("Dos"), QStringLiteral("Tres")}),
              QStringLiteral("Tres"));

    dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3"), [&](QDialog* dialog) {
        auto& w = *static_cast<Lib_FrmCons3*>(dialog);
        EXPECT_EQ(columnTexts(w, 0), QStringList{QStringLiteral("Solo")});
        QTest::keyClick(&w, Qt::Key_Escape);
        return int(w.result());
    });
    EXPECT_EQ(consulta().MenuOpciones(QStringLiteral("Elegir"), {QStringLiteral("Solo")}), QString());
}

TEST_F(ListWindow, OptionWindowsAreAsWideAsTheirLongestTextUpToTheScreen)
{
    EXPECT_EQ(Lib_FrmCons3::optionsWidth(4, 19200), 480);
    EXPECT_EQ(Lib_FrmCons3::optionsWidth(200, 19200), 19200);
    dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3"), [&](QDialog* dialog) {
        auto& w = *static_cast<Lib_FrmCons3*>(dialog);
        EXPECT_LE(w.width(), ui::Twips::toPixels(ui::Twips::screenSize(&w).width()));
        EXPECT_GE(w.width(), ui::Twips::toPixels(ui::Twips::screenSize(&w).width()) - 1);
        QTest::keyClick(&w, Qt::Key_Escape);
        return 0;
    });
    consulta().MenuOpciones(QString(200, u'T'), {QStringLiteral("a")});
}

TEST_F(ListWindow, AFileListReturnsTheChosenLine)
{
    const QString path = programFile(QStringLiteral("lista.txt"));
    vb::writeTextLines(path, {QStringLiteral("línea uno"), QStringLiteral("línea dos"), QStringLiteral("otra")});
    dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3"), [&](QDialog* dialog) {
        auto& w = *static_cast<Lib_FrmCons3*>(dialog);
        EXPECT_EQ(columnTexts(w, 0), (QStringList{QStringLiteral("línea uno"), QStringLiteral("línea dos"), QStringLiteral("otra")}));
        typeInto(w, 0, QStringLiteral("LÍNEA D"));
        EXPECT_EQ(currentRow(w), 1);
        keyOnList(w, Qt::Key_Return);
        return int(w.result());
    });
    EXPECT_EQ(consulta().ConsultaDesdeArchivo(QStringLiteral("Archivo"), u'"' + path + u'"', QStringLiteral(";")),
              QStringLiteral("línea dos"));

    vb::writeTextLines(path, {});
    dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3"), [&](QDialog* dialog) {
        auto& w = *static_cast<Lib_FrmCons3*>(dialog);
        EXPECT_EQ(w.ListView1()->topLevelItemCount(), 0);
        keyOnList(w, Qt::Key_Return);
        return int(w.result());
    });
    EXPECT_EQ(consulta().ConsultaDesdeArchivo(QStringLiteral("Archivo"), path, {}), QString());
    EXPECT_TRUE(boxes().isEmpty());

    const int modals = dialogs.prompts(ui::ScriptedDialogService::Kind::Modal).size();
    const QString missing = programFile(QStringLiteral("no.txt"));
    EXPECT_EQ(consulta().ConsultaDesdeArchivo(QStringLiteral("Archivo"), missing, {}), QString());
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes()[0].text, QStringLiteral("No existe el archivo ") + missing + QStringLiteral(" que desea consultar consulta "));
    EXPECT_EQ(boxes()[0].buttons, QList<int>{ui::vbOK});
    EXPECT_EQ(boxes()[0].title, ui::DialogService::effectiveTitle({}));
    EXPECT_EQ(dialogs.prompts(ui::ScriptedDialogService::Kind::Modal).size(), modals);
}

} // namespace
