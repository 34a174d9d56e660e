// The tree lookup window on the demo database, driven as an operator would: the family tree
// and the tree of cost centres built exactly, searched by typing, narrowed with F5, ticked,
// accepted and cancelled, alone and through the lookup driver.
#include "LookupDemoBase.h"

#include "lookup/Lib_FrmCons3Tree.h"
#include "ui/DialogService.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <map>

namespace {

using lookup::Lib_FrmCons3Tree;

const QString kCostCentres = QStringLiteral("select CODIGO, DESCRIPCION from TA_CCOSTO order by CODIGO");
const QString kFamilies = QStringLiteral("select IdFamilia, Descripcion from V_TA_FAMILIAS");

// The tree as "parent key > node text" lines, in the order the nodes were added.
QStringList shape(const Lib_FrmCons3Tree& w)
{
    QStringList out;
    for (QTreeWidgetItem* node : w.nodes())
        out << Lib_FrmCons3Tree::keyOf(node->parent()) + QStringLiteral(" > ") + node->text(0);
    return out;
}

QString currentText(const Lib_FrmCons3Tree& w)
{
    return w.TreeV()->currentItem() ? w.TreeV()->currentItem()->text(0) : QStringLiteral("<none>");
}

QStringList ticked(const Lib_FrmCons3Tree& w)
{
    QStringList out;
    for (QTreeWidgetItem* node : w.nodes())
        if (node->checkState(0) == Qt::Checked)
            out << Lib_FrmCons3Tree::keyOf(node);
    return out;
}

QStringList texts(const vb::CollectionPtr& values)
{
    QStringList out;
    if (values)
        for (const vb::Variant& value : *values)
            out << value.toString();
    return out;
}

void typeSearch(Lib_FrmCons3Tree& w, const QString& text)
{
    w.CmbSearch()->setFocus();
    w.CmbSearch()->lineEdit()->selectAll();
    if (text.isEmpty())
        QTest::keyClick(w.CmbSearch()->lineEdit(), Qt::Key_Backspace);
    else
        QTest::keyClicks(w.CmbSearch()->lineEdit(), text);
}

void pressF5(Lib_FrmCons3Tree& w, const QString& text)
{
    typeSearch(w, text);
    QTest::keyClick(w.CmbSearch()->lineEdit(), Qt::Key_F5);
}

// A click on the node's check box, where the style draws it.
void clickCheck(Lib_FrmCons3Tree& w, const QString& key)
{
    QTreeWidgetItem* item = w.node(key);
    ASSERT_TRUE(item) << key.toStdString();
    w.TreeV()->scrollToItem(item);
    QStyleOptionViewItem option;
    option.initFrom(w.TreeV()->viewport());
    option.rect = w.TreeV()->visualItemRect(item);
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = item->text(0);
    const QRect box = w.TreeV()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, w.TreeV());
    QTest::mouseClick(w.TreeV()->viewport(), Qt::LeftButton, {}, box.center());
}

void choose(Lib_FrmCons3Tree& w, const QString& key)
{
    QTreeWidgetItem* item = w.node(key);
    ASSERT_TRUE(item) << key.toStdString();
    w.TreeV()->scrollToItem(item);
    QTest::mouseClick(w.TreeV()->viewport(), Qt::LeftButton, {}, w.TreeV()->visualItemRect(item).center());
}

class TreeWindow : public LookupDemoBase {
protected:
    // A window on the statement, shown and active, as the driver leaves it for the operator.
    std::unique_ptr<Lib_FrmCons3Tree> open(const QString& sql, const QString& campoDevuelto = QStringLiteral("CODIGO"),
                                           bool checkBoxes = false)
    {
        auto w = std::make_unique<Lib_FrmCons3Tree>();
        w->sql = sql;
        w->CampoDevuelto = campoDevuelto;
        w->CheckBoxes = checkBoxes;
        w->show();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get(), 2000));
        return w;
    }

    void replaceCostCentres(const QStringList& codes)
    {
        execute(QStringLiteral("DELETE FROM TA_CCOSTO"));
        for (const QString& code : codes)
            execute(QStringLiteral("INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('%1', 'Centro %1')").arg(code));
    }

    // The families the connected user may see, as "parent > code - description", parents
    // being the two-character group of a four-character code.
    QStringList expectedFamilies()
    {
        const QString visible = db->gEsAdmin() ? QString() : QStringLiteral(" WHERE Confidencial = 0");
        QStringList out{QStringLiteral(" > Consulta...")};
        for (const QStringList& row : rows(QStringLiteral("SELECT IdFamilia, Descripcion FROM V_TA_FAMILIAS") + visible
                                           + QStringLiteral(" ORDER BY IdFamilia"))) {
            const QString parent = row[0].size() > 2 ? QStringLiteral("A") + row[0].left(2) : QStringLiteral("A");
            out << parent + QStringLiteral(" > ") + row[0] + QStringLiteral(" - ") + row[1];
        }
        return out;
    }
};

TEST_F(TreeWindow, CostCentresHangUnderTheLongestCodeTheyExtend)
{
    auto w = open(kCostCentres);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Consulta..."));
    EXPECT_EQ(shape(*w), (QStringList{QStringLiteral(" > Consulta..."), QStringLiteral("A > 1 - Administración"),
                                      QStringLiteral("A1 > 101 - Compras"), QStringLiteral("A1 > 102 - Tesorería"),
                                      QStringLiteral("A > 2 - Operaciones"), QStringLiteral("A2 > 201 - Depósito")}));
    EXPECT_TRUE(w->nodes().front()->isExpanded());
    EXPECT_EQ(w->CmbSearch()->toolTip(), QStringLiteral("F5 realiza nueva busqueda"));

    replaceCostCentres({QStringLiteral("01"), QStringLiteral("0101"), QStringLiteral("010101"), QStringLiteral("02")});
    w->CmdNueva()->click();
    EXPECT_EQ(shape(*w), (QStringList{QStringLiteral(" > Consulta..."), QStringLiteral("A > 01 - Centro 01"),
                                      QStringLiteral("A01 > 0101 - Centro 0101"), QStringLiteral("A0101 > 010101 - Centro 010101"),
                                      QStringLiteral("A > 02 - Centro 02")}));

    replaceCostCentres({QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("2")});
    w->CmdNueva()->click();
    EXPECT_EQ(shape(*w), (QStringList{QStringLiteral(" > Consulta..."), QStringLiteral("A > 1 - Centro 1"),
                                      QStringLiteral("A1 > 10 - Centro 10"), QStringLiteral("A > 2 - Centro 2")}));

    // Letter case aside: a code extends one written in other letters.
    replaceCostCentres({QStringLiteral("ab"), QStringLiteral("AB1"), QStringLiteral("ab12")});
    w->CmdNueva()->click();
    EXPECT_EQ(shape(*w), (QStringList{QStringLiteral(" > Consulta..."), QStringLiteral("A > ab - Centro ab"),
                                      QStringLiteral("Aab > AB1 - Centro AB1"), QStringLiteral("AAB1 > ab12 - Centro ab12")}));

    execute(QStringLiteral("DELETE FROM TA_CCOSTO"));
    w->CmdNueva()->click();
    EXPECT_EQ(shape(*w), QStringList{QStringLiteral(" > Consulta...")});
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(TreeWindow, ARowThatCannotBeANodeGoesToTheErrorHandler)
{
    // A code twice: Ignore leaves the second row out and the tree goes on.
    dialogs.pushMsgBoxAnswer(ui::vbIgnore);
    auto twice = open(QStringLiteral("select CODIGO, DESCRIPCION from TA_CCOSTO where CODIGO = '1' union all "
                                     "select CODIGO, DESCRIPCION from TA_CCOSTO where CODIGO <> '2' order by 1"));
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes()[0].title.contains(QStringLiteral("ArmarTreeVAutomatico"))) << boxes()[0].title.toStdString();
    EXPECT_EQ(shape(*twice), (QStringList{QStringLiteral(" > Consulta..."), QStringLiteral("A > 1 - Administración"),
                                          QStringLiteral("A1 > 101 - Compras"), QStringLiteral("A1 > 102 - Tesorería"),
                                          QStringLiteral("A > 201 - Depósito")}));

    // One column is not enough for a tree: the root stays alone.
    dialogs.pushMsgBoxAnswer(ui::vbAbort);
    auto narrow = open(QStringLiteral("select CODIGO from TA_CCOSTO"));
    ASSERT_EQ(boxes().size(), 2);
    EXPECT_TRUE(boxes()[1].title.contains(QStringLiteral("ArmarTreeVAutomatico")));
    EXPECT_EQ(shape(*narrow), QStringList{QStringLiteral(" > Consulta...")});
}

TEST_F(TreeWindow, FamiliesHangUnderTheirParentFamilyFromTheirOwnStatement)
{
    auto w = open(kFamilies, QStringLiteral("IDFAMILIA"));
    EXPECT_EQ(w->sql, w->familyStatement());
    EXPECT_EQ(w->sql, QStringLiteral("SELECT     TOP 100 PERCENT IdFamilia, Descripcion, (SELECT     TOP 1 idfamilia FROM "
                                     "@Admin_v_ta_familias a   Where a.IdFamilia < b.IdFamilia And "
                                     "(Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia))))  ORDER BY idfamilia "
                                     "DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b Where IdFamilia<>'' ORDER BY IdFamilia"));
    const QStringList expected = expectedFamilies();
    EXPECT_EQ(shape(*w), expected);
    EXPECT_GE(expected.size(), 20);

    // The parent is the greatest shorter code before it, not a prefix.
    execute(QStringLiteral("DELETE FROM V_TA_FAMILIAS"));
    for (const char* code : {"01", "02", "0201", "03", "0399"})
        execute(QStringLiteral("INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('%1', 'Familia %1')").arg(QLatin1String(code)));
    w->CmdNueva()->click();
    EXPECT_EQ(shape(*w), (QStringList{QStringLiteral(" > Consulta..."), QStringLiteral("A > 01 - Familia 01"),
                                      QStringLiteral("A > 02 - Familia 02"), QStringLiteral("A02 > 0201 - Familia 0201"),
                                      QStringLiteral("A > 03 - Familia 03"), QStringLiteral("A03 > 0399 - Familia 0399")}));
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(TreeWindow, TypingFindsTheFirstNodeByCodeOrDescriptionAndAnEmptyBoxTheRoot)
{
    auto w = open(kCostCentres);
    typeSearch(*w, QStringLiteral("dep"));
    EXPECT_EQ(currentText(*w), QStringLiteral("201 - Depósito"));
    typeSearch(*w, QStringLiteral("10"));
    EXPECT_EQ(currentText(*w), QStringLiteral("101 - Compras"));
    typeSearch(*w, QStringLiteral("ADMIN"));
    EXPECT_EQ(currentText(*w), QStringLiteral("1 - Administración"));
    typeSearch(*w, QStringLiteral("xyz"));
    EXPECT_EQ(currentText(*w), QStringLiteral("1 - Administración"));
    typeSearch(*w, QString());
    EXPECT_EQ(currentText(*w), QStringLiteral("Consulta..."));

    // The arrow keys take the operator from the box to the tree.
    typeSearch(*w, QStringLiteral("tes"));
    QTest::keyClick(w->CmbSearch()->lineEdit(), Qt::Key_Down);
    EXPECT_TRUE(w->TreeV()->hasFocus());
    EXPECT_EQ(currentText(*w), QStringLiteral("102 - Tesorería"));
}

TEST_F(TreeWindow, F5NarrowsTheStatementByDescriptionAndFiltersAddUp)
{
    auto w = open(kCostCentres);
    pressF5(*w, QStringLiteral("o"));
    EXPECT_EQ(w->sql, QStringLiteral("select CODIGO, DESCRIPCION from TA_CCOSTO  where Descripcion like '%o%' order by CODIGO"));
    EXPECT_EQ(w->CmbSearch()->currentText(), QString());
    EXPECT_EQ(shape(*w), (QStringList{QStringLiteral(" > Consulta..."), QStringLiteral("A > 101 - Compras"),
                                      QStringLiteral("A > 102 - Tesorería"), QStringLiteral("A > 2 - Operaciones"),
                                      QStringLiteral("A2 > 201 - Depósito")}));

    pressF5(*w, QStringLiteral("ra"));
    EXPECT_EQ(w->sql, QStringLiteral("select CODIGO, DESCRIPCION from TA_CCOSTO  where Descripcion like '%o%'  and Descripcion "
                                     "like '%ra%' order by CODIGO"));
    EXPECT_EQ(shape(*w), (QStringList{QStringLiteral(" > Consulta..."), QStringLiteral("A > 101 - Compras"),
                                      QStringLiteral("A > 2 - Operaciones")}));

    // Typed text is literal: an apostrophe finds a row holding one, "%" stands for itself.
    execute(QStringLiteral("INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('3', 'Planta O''Higgins')"));
    auto other = open(QStringLiteral("select CODIGO, DESCRIPCION from TA_CCOSTO"));
    pressF5(*other, QStringLiteral("O'Hig"));
    EXPECT_EQ(other->sql, QStringLiteral("select CODIGO, DESCRIPCION from TA_CCOSTO where Descripcion like '%O''Hig%' "));
    EXPECT_EQ(shape(*other), (QStringList{QStringLiteral(" > Consulta..."), QStringLiteral("A > 3 - Planta O'Higgins")}));
    pressF5(*other, QStringLiteral("%"));
    EXPECT_EQ(shape(*other), QStringList{QStringLiteral(" > Consulta...")});

    // Clause words typed into one filter do not decide where the next one goes.
    auto typed = open(kCostCentres);
    pressF5(*typed, QStringLiteral("a order by"));
    pressF5(*typed, QStringLiteral("' OR 1=1 --"));
    EXPECT_EQ(shape(*typed), QStringList{QStringLiteral(" > Consulta...")}) << typed->sql.toStdString();
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(TreeWindow, F5OnTheFamilyTreeNarrowsItsOwnStatement)
{
    const QString description = scalar(QStringLiteral("SELECT Descripcion FROM V_TA_FAMILIAS WHERE IdFamilia = '0103'")).toString();
    auto w = open(kFamilies, QStringLiteral("IDFAMILIA"));
    pressF5(*w, description);
    EXPECT_TRUE(w->sql.endsWith(QStringLiteral(" Where IdFamilia<>'' and Descripcion like '%") + description
                                + QStringLiteral("%'  ORDER BY IdFamilia")))
        << w->sql.toStdString();
    // A family whose parent the filter left out hangs under the root.
    const QStringList lines = shape(*w);
    EXPECT_TRUE(lines.contains(QStringLiteral("A > 0103 - ") + description)) << lines.join(u'\n').toStdString();
    EXPECT_LT(lines.size(), expectedFamilies().size());
    for (const QString& line : lines.mid(1))
        EXPECT_TRUE(line.contains(description, Qt::CaseInsensitive)) << line.toStdString();
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(TreeWindow, ATickReachesTheWholeSubtreeAndClearingItToo)
{
    QStringList chain;
    for (int depth = 1; depth <= 9; ++depth)
        chain << QStringLiteral("123456789").left(depth);
    replaceCostCentres(chain + QStringList{QStringLiteral("2")});
    auto w = open(QStringLiteral("select CODIGO, DESCRIPCION from TA_CCOSTO order by CODIGO"), QStringLiteral("CODIGO"), true);
    ASSERT_EQ(w->node(QStringLiteral("A123456789"))->parent(), w->node(QStringLiteral("A12345678")));

    clickCheck(*w, QStringLiteral("A1"));
    QStringList deep;
    for (const QString& code : chain)
        deep << QStringLiteral("A") + code;
    EXPECT_EQ(ticked(*w), deep);

    clickCheck(*w, QStringLiteral("A1234"));
    EXPECT_EQ(ticked(*w), deep.mid(0, 3));

    // The keyboard ticks the chosen node as well.
    choose(*w, QStringLiteral("A2"));
    QTest::keyClick(w->TreeV(), Qt::Key_Space);
    EXPECT_EQ(ticked(*w), deep.mid(0, 3) + QStringList{QStringLiteral("A2")});
}

TEST_F(TreeWindow, AcceptHandsBackTheChosenRowsValueOfTheReturnColumn)
{
    auto costs = open(kCostCentres);
    choose(*costs, QStringLiteral("A101"));
    costs->CmdAceptar()->click();
    EXPECT_FALSE(costs->isVisible());
    EXPECT_EQ(costs->result(), QDialog::Accepted);
    EXPECT_TRUE(costs->ValorDevuelto.sameAs(vb::Variant(QStringLiteral("101"))));
    EXPECT_EQ(texts(costs->Valores), QStringList());

    // A code that is no cost centre is looked up among the accounts.
    auto accounts = open(QStringLiteral("select Codigo, Descripcion from MA_CUENTAS where Tipo = 'G' order by Codigo"));
    choose(*accounts, QStringLiteral("A11100002"));
    QTest::mouseDClick(accounts->TreeV()->viewport(), Qt::LeftButton, {},
                       accounts->TreeV()->visualItemRect(accounts->node(QStringLiteral("A11100002"))).center());
    EXPECT_FALSE(accounts->isVisible());
    EXPECT_TRUE(accounts->ValorDevuelto.sameAs(vb::Variant(QStringLiteral("11100002"))));

    auto positions = open(QStringLiteral("select IDPOSICION, Descripcion from MA_POSICIONES order by IDPOSICION"),
                          QStringLiteral("IdPosicion"));
    EXPECT_EQ(positions->node(QStringLiteral("A111"))->parent(), positions->node(QStringLiteral("A11")));
    choose(*positions, QStringLiteral("A111"));
    positions->CmdAceptar()->click();
    EXPECT_TRUE(positions->ValorDevuelto.sameAs(vb::Variant(QStringLiteral("111"))));

    auto families = open(kFamilies, QStringLiteral("IDFAMILIA"));
    typeSearch(*families, QStringLiteral("0102"));
    families->CmdAceptar()->click();
    EXPECT_TRUE(families->ValorDevuelto.sameAs(vb::Variant(QStringLiteral("0102"))));

    // Any other return column gives nothing, and the window still closes.
    auto names = open(kCostCentres, QStringLiteral("DESCRIPCION"));
    choose(*names, QStringLiteral("A2"));
    names->CmdAceptar()->click();
    EXPECT_FALSE(names->isVisible());
    EXPECT_TRUE(names->ValorDevuelto.isEmpty());
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(TreeWindow, NothingChosenOrTheRootIsNoChoiceAndTheWindowStays)
{
    auto w = open(kCostCentres);
    w->TreeV()->clearSelection();
    w->CmdAceptar()->click();
    EXPECT_TRUE(w->isVisible());
    choose(*w, QStringLiteral("A"));
    QTest::mouseDClick(w->TreeV()->viewport(), Qt::LeftButton, {}, w->TreeV()->visualItemRect(w->nodes().front()).center());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->ValorDevuelto.isEmpty());
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_FALSE(errorLogged());

    // Ticks: the root's own tick is no code; nothing ticked gives an empty list.
    auto ticks = open(kCostCentres, QStringLiteral("CODIGO"), true);
    ticks->CmdAceptar()->click();
    EXPECT_FALSE(ticks->isVisible());
    ASSERT_TRUE(ticks->Valores);
    EXPECT_EQ(ticks->Valores->count(), 0);

    auto all = open(kCostCentres, QStringLiteral("CODIGO"), true);
    clickCheck(*all, QStringLiteral("A"));
    all->CmdAceptar()->click();
    EXPECT_EQ(texts(all->Valores), (QStringList{QStringLiteral("1"), QStringLiteral("101"), QStringLiteral("102"),
                                                QStringLiteral("2"), QStringLiteral("201")}));
    EXPECT_TRUE(all->ValorDevuelto.isEmpty());
}

TEST_F(TreeWindow, TickedCodesComeBackTrimmedAndPositionsFromTheirRows)
{
    execute(QStringLiteral("INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('  3  ', 'Centro alineado')"));
    auto costs = open(QStringLiteral("select CODIGO, DESCRIPCION from TA_CCOSTO order by CODIGO"), QStringLiteral("codigo"), true);
    clickCheck(*costs, QStringLiteral("A  3  "));
    clickCheck(*costs, QStringLiteral("A2"));
    costs->CmdAceptar()->click();
    EXPECT_EQ(texts(costs->Valores), (QStringList{QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("201")}));

    auto positions = open(QStringLiteral("select IDPOSICION, Descripcion from MA_POSICIONES order by IDPOSICION"),
                          QStringLiteral("IDPOSICION"), true);
    clickCheck(*positions, QStringLiteral("A11"));
    positions->CmdAceptar()->click();
    EXPECT_EQ(texts(positions->Valores), (QStringList{QStringLiteral("11"), QStringLiteral("111")}));
}

TEST_F(TreeWindow, CancelHandsBackNothingFromTheButtonAndFromEscape)
{
    auto w = open(kCostCentres, QStringLiteral("CODIGO"), true);
    clickCheck(*w, QStringLiteral("A1"));
    w->cmdCancelar()->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Rejected);
    EXPECT_TRUE(w->ValorDevuelto.sameAs(vb::Variant(QString())));
    EXPECT_FALSE(w->Valores);

    auto escaped = open(kCostCentres);
    choose(*escaped, QStringLiteral("A101"));
    QTest::keyClick(escaped->TreeV(), Qt::Key_Escape);
    EXPECT_FALSE(escaped->isVisible());
    EXPECT_FALSE(escaped->Valores);
    EXPECT_TRUE(escaped->ValorDevuelto.sameAs(vb::Variant(QString())));
}

TEST_F(TreeWindow, TheDriverShowsTheTreeAndReadsTheTicks)
{
    lookup::LookupWindows::setTreeRunner({});
    dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3Tree"), [&](QDialog* dialog) {
        auto* w = static_cast<Lib_FrmCons3Tree*>(dialog);
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w, 2000));
        EXPECT_TRUE(w->CheckBoxes);
        clickCheck(*w, QStringLiteral("A2"));
        w->CmdAceptar()->click();
        return int(w->result());
    });
    consulta().Checks = true;
    consulta().CampoDevuelto = QStringLiteral("CODIGO");
    vb::CollectionPtr none;
    QString clave, busqueda, where, sentencia, valores;
    bool tree = true;
    consulta().ConsultaSearch(kCostCentres, none, clave, busqueda, where, sentencia, tree, valores);
    EXPECT_EQ(texts(consulta().Valores), (QStringList{QStringLiteral("2"), QStringLiteral("201")}));
    EXPECT_FALSE(consulta().Checks);
    EXPECT_EQ(consulta().CampoDevuelto, QString());

    // Cancelled: no value and no list.
    dialogs.setModalHandler(QStringLiteral("Lib_FrmCons3Tree"), [&](QDialog* dialog) {
        static_cast<Lib_FrmCons3Tree*>(dialog)->cmdCancelar()->click();
        return int(QDialog::Rejected);
    });
    consulta().CampoDevuelto = QStringLiteral("CODIGO");
    consulta().ConsultaSearch(kCostCentres, none, clave, busqueda, where, sentencia, tree, valores);
    EXPECT_TRUE(consulta().ValorDevuelto.sameAs(vb::Variant(QString())));
    EXPECT_FALSE(consulta().Valores);
    EXPECT_TRUE(boxes().isEmpty());
}

} // namespace
