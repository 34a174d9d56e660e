// Direct addition of rows from the box, on the demo database: the new row, its code, the
// text and the event; the duplicate message; motives with their account rows, all or
// nothing; a full code sequence.
#include "CodeBoxFixture.h"

#include "codebox/DirectAddition.h"
#include "vb/DateTime.h"

#include <QListWidget>

using codebox::AdditionRequest;
using codebox::DirectAddition;

class Addition : public CodeBoxFixture {
protected:
    void SetUp() override { showHost(); }
    // Binds, types the description and clicks "+".
    void add(const QString& table, const QString& description)
    {
        ASSERT_TRUE(bind(table));
        ASSERT_FALSE(box->imgMas()->isHidden());
        box->TxtBusqueda()->setText(description);
        statements.clear();
        click(box->imgMas());
    }
    int count(const QString& sql) { return scalar(sql).toLong(); }
    // The account-row batch among the statements (it begins with a line break).
    QString batch() const
    {
        for (const QString& sql : statements)
            if (sql.startsWith(QStringLiteral("\r\n")))
                return sql;
        return {};
    }
};

TEST_F(Addition, ANewCodeTableRowTakesTheNextCodeAndIsHandedOver)
{
    add(QStringLiteral("V_TA_Rubros"), QStringLiteral("  Pintureria industrial "));
    EXPECT_EQ(scalar(QStringLiteral("SELECT Descripcion FROM V_TA_Rubros WHERE IDRubro = '   4'")).toString(),
              QStringLiteral("Pintureria industrial"));
    ASSERT_GE(statements.size(), 3);
    EXPECT_EQ(statements[0], QStringLiteral("SELECT DESCRIPCION FROM V_TA_Rubros where ltrim(rtrim(DESCRIPCION)) = 'Pintureria industrial' "));
    EXPECT_EQ(statements[1], QStringLiteral("SELECT MAX(IDRubro) as IDRubro FROM V_TA_Rubros where (left(IDRubro,1) = ' ' or left(IDRubro,1) = '9') "));
    EXPECT_EQ(statements[2], QStringLiteral("INSERT INTO V_TA_Rubros(IDRubro,DESCRIPCION) VALUES ('   4','Pintureria industrial')"));
    EXPECT_EQ(box->TxtBusqueda()->text(), QStringLiteral("   4"));
    EXPECT_EQ(codes, QStringList({QStringLiteral("4")}));
    EXPECT_TRUE(boxes().isEmpty());
}

TEST_F(Addition, ATextAlreadyThereIsNotAddedTwice)
{
    add(QStringLiteral("V_TA_Rubros"), QStringLiteral("electricidad"));
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().text, QStringLiteral("El detalle ingresado ya existe, seleccionelo de la lista"));
    EXPECT_EQ(boxes().first().style, ui::vbOKOnly);
    EXPECT_EQ(boxes().first().title, ui::DialogService::effectiveTitle(QString()));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_TA_Rubros")), 3);
    EXPECT_TRUE(codes.isEmpty());
    EXPECT_EQ(box->TxtBusqueda()->text(), QStringLiteral("electricidad"));
}

TEST_F(Addition, TheCheckComparesTheDescriptionAsItWouldBeStored)
{
    // A comma, an apostrophe or a tail past 50 characters would be dropped on the way in:
    // the original found no duplicate and wrote a second row.
    add(QStringLiteral("V_TA_Rubros"), QStringLiteral("Elec,tri'cidad"));
    EXPECT_EQ(boxes().size(), 1);
    const QString fifty = QStringLiteral("Repuestos y accesorios para maquinaria agricola 01");
    ASSERT_EQ(fifty.size(), 50);
    run(QStringLiteral("INSERT INTO V_TA_Rubros (IDRubro, Descripcion) VALUES ('   7', '%1')").arg(fifty));
    box->TxtBusqueda()->setText(fifty + QStringLiteral(" y algo mas"));
    click(box->imgMas());
    EXPECT_EQ(boxes().size(), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_TA_Rubros")), 4);
    EXPECT_TRUE(codes.isEmpty());
}

TEST_F(Addition, TheDescriptionIsStoredTrimmedCutAndWithoutCommasOrApostrophes)
{
    const QString typed = QString(49, u'x') + QStringLiteral(" tail");
    add(QStringLiteral("V_TA_Unidad"), typed);
    const QString stored = scalar(QStringLiteral("SELECT Descripcion FROM V_TA_Unidad WHERE IDUnidad = '   5'")).toString();
    EXPECT_EQ(stored, QString(49, u'x'));   // cut at 50, and the blank it ended on not kept
    box->TxtBusqueda()->setText(QStringLiteral("D'Alessandro, hnos"));
    click(box->imgMas());
    EXPECT_EQ(scalar(QStringLiteral("SELECT Descripcion FROM V_TA_Unidad WHERE IDUnidad = '   6'")).toString(),
              QStringLiteral("DAlessandro hnos"));
}

TEST_F(Addition, ATextOfCommasAndApostrophesAddsNoNamelessRow)
{
    add(QStringLiteral("V_TA_Unidad"), QStringLiteral(" ,', "));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_TA_Unidad")), 4);
    EXPECT_TRUE(statements.isEmpty());
    EXPECT_TRUE(boxes().isEmpty());
    EXPECT_TRUE(codes.isEmpty());
}

TEST_F(Addition, APaymentConditionGetsItsDefaultsAndTodaysDateAsALocaleFreeLiteral)
{
    vb::ClockScope clock(QDateTime(QDate(2024, 5, 12), QTime(16, 30)));
    add(QStringLiteral("V_TA_Cpra_Vta"), QStringLiteral("Cuenta corriente 90 dias"));
    ASSERT_GE(statements.size(), 3);
    EXPECT_EQ(statements[2], QStringLiteral("INSERT INTO V_TA_Cpra_Vta(IDCOND_CPRA_VTA,DESCRIPCION,CantidadDias,HabilitadoPara,DtoMaximo,"
                                            "FechaHora_Grabacion) VALUES ('   4','Cuenta corriente 90 dias',1,'VC',100,"
                                            "{ts '2024-05-12 00:00:00'})"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT HabilitadoPara FROM V_TA_CPRA_VTA WHERE IDCOND_CPRA_VTA = '   4'")).toString(), QStringLiteral("VC"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT FechaHora_Grabacion FROM V_TA_CPRA_VTA WHERE IDCOND_CPRA_VTA = '   4'")).toDate().date(),
              QDate(2024, 5, 12));
}

TEST_F(Addition, AMaintenanceItemTakesTheWideCodeAndTheHostsAccount)
{
    box->Cuenta = QStringLiteral(" 51100002 ");
    add(QStringLiteral("V_MA_MANTENIMIENTOS"), QStringLiteral("Cambio de aceite"));
    const QString code = QString(24, u' ') + u'1';
    EXPECT_EQ(scalar(QStringLiteral("SELECT CUENTA FROM V_MA_MANTENIMIENTOS WHERE CODIGO = '%1'").arg(code)).toString(), QStringLiteral("51100002"));
    EXPECT_EQ(box->TxtBusqueda()->text(), code);
    EXPECT_EQ(codes, QStringList({QStringLiteral("1")}));
}

TEST_F(Addition, ANewPurchaseMotiveGetsEightAccountRowsFromTheFirstMotive)
{
    add(QStringLiteral("V_TA_MotivoCpra"), QStringLiteral("Compra de repuestos"));
    EXPECT_EQ(codes, QStringList({QStringLiteral("6")}));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_TA_Input_Compras WHERE IdMotivoCpra = '   6'")), 8);
    for (int vat = 1; vat <= 8; ++vat)
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_TA_Input_Compras WHERE IdMotivoCpra = '   6' AND CondIva = '   %1' "
                                       "AND Repuestos = '51100001' AND Servicios = '51100002' AND C_CFI_CTACPRA = '21400001'")
                            .arg(vat)),
                  1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_TA_Input_Compras WHERE IdMotivoCpra = '   6' AND CFI_IVARI2 = ''")), 8);
    ASSERT_TRUE(statements.contains(QStringLiteral("SELECT top 1 * FROM V_TA_Input_compras order by idMotivoCpra asc")));
    const QString batch = this->batch();
    ASSERT_TRUE(batch.startsWith(QStringLiteral("\r\nINSERT INTO V_TA_Input_Compras                   ([IdMotivoCpra]  ,[CondIva]  ,[Repuestos]")));
    EXPECT_EQ(batch.count(QStringLiteral("\r\n")), 8);
    EXPECT_TRUE(batch.contains(QStringLiteral("  ,[CFI_IVARI1]  ,[CFI_IVARI2]) vALUES           (  '   6'  ,'   1'  ,'51100001'  ,'51100002'")));
    EXPECT_TRUE(batch.endsWith(QStringLiteral("  ,''  )")));
}

TEST_F(Addition, ASaleMotiveRowsAndNoneWithoutATemplate)
{
    add(QStringLiteral("V_TA_MotivoVta"), QStringLiteral("Venta por internet"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_TA_Input_Ventas WHERE IdMotivoVta = '   3' AND V_DFI_CTAVTA = '21300001'")), 8);
    const QString row = batch().section(QStringLiteral("\r\n"), 1, 1);
    EXPECT_TRUE(row.startsWith(QStringLiteral("INSERT INTO [dbo].[V_TA_Input_Ventas] ( [IdMotivoVta] , [CondIva] , [Repuestos] , [Servicios] , "
                                              "[Otros] , [V_DFI_CTAVTA]")));
    EXPECT_TRUE(row.contains(QStringLiteral(" , [V_DFI_DESCUENTO] ,[C_CFI_CTACPRA]")));
    EXPECT_TRUE(row.contains(QStringLiteral(" ,[COSTO_MERCADERIA] ,[V_DFI_IMPITC]) Values  ( '   3' ,'   1' ,'41100001'")));
    EXPECT_TRUE(row.endsWith(QStringLiteral(" ,'')")));
    run(QStringLiteral("DELETE FROM V_TA_Input_Ventas"));
    box->TxtBusqueda()->setText(QStringLiteral("Venta telefonica"));
    click(box->imgMas());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_TA_MotivoVta WHERE IdMotivoVta = '   4'")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_TA_Input_Ventas")), 0);
    EXPECT_EQ(codes.size(), 2);
}

TEST_F(Addition, AFailingAccountBatchWritesNothingAndRaisesNoEvent)
{
    // A stray account row of the code the motive will take makes the batch collide.
    run(QStringLiteral("CREATE UNIQUE INDEX UX_Input_Compras ON V_TA_Input_Compras (IdMotivoCpra, CondIva)"));
    run(QStringLiteral("INSERT INTO V_TA_Input_Compras (IdMotivoCpra, CondIva) VALUES ('   6', '   3')"));
    add(QStringLiteral("V_TA_MotivoCpra"), QStringLiteral("Compra de repuestos"));
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_EQ(boxes().first().text, QStringLiteral("ERROR EN EL ALTA DIRECTA, UTILICE LA OPCION DEL MENÚ CORRESPONDIENTE.\r\nV_TA_MotivoCpra\r\n"
                                                   "INSERT INTO V_TA_MotivoCpra(IDMotivoCpra,DESCRIPCION) VALUES ('   6','Compra de repuestos')"));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_TA_MotivoCpra WHERE IdMotivoCpra = '   6'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_TA_Input_Compras WHERE IdMotivoCpra = '   6'")), 1);
    EXPECT_EQ(box->TxtBusqueda()->text(), QStringLiteral("Compra de repuestos"));
    EXPECT_TRUE(codes.isEmpty());
}

TEST_F(Addition, AFullCodeSequenceIsRefused)
{
    run(QStringLiteral("INSERT INTO V_TA_Rubros (IDRubro, Descripcion) VALUES ('9999', 'Ultimo')"));
    add(QStringLiteral("V_TA_Rubros"), QStringLiteral("Uno de mas"));
    ASSERT_EQ(boxes().size(), 1);
    EXPECT_TRUE(boxes().first().text.contains(QStringLiteral("(10000)")));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_TA_Rubros")), 4);
    EXPECT_TRUE(codes.isEmpty());
    EXPECT_EQ(box->TxtBusqueda()->text(), QStringLiteral("Uno de mas"));
}

TEST_F(Addition, EnterAndTheAcceptImageLeadToTheAdditionAfterYes)
{
    ASSERT_TRUE(bind(QStringLiteral("V_TA_Rubros")));
    type(QStringLiteral("Bulones"));
    ASSERT_EQ(box->LstBusqueda()->count(), 0);
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    press(Qt::Key_Return);
    EXPECT_EQ(codes, QStringList({QStringLiteral("4")}));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM V_TA_Rubros WHERE Descripcion = 'Bulones'")), 1);
    box->TxtBusqueda()->clear();
    type(QStringLiteral("Herrajes"));
    dialogs.pushMsgBoxAnswer(ui::vbYes);
    click(box->IMGOK());
    EXPECT_EQ(codes.last(), QStringLiteral("5"));
    EXPECT_EQ(boxes().size(), 2);
}

TEST(NextCode, DigitsRightAlignedToTheWidthAndRefusedPastIt)
{
    bool fits = false;
    EXPECT_EQ(DirectAddition::nextCode(vb::Variant::null(), 4, fits), QStringLiteral("   1"));
    EXPECT_TRUE(fits);
    EXPECT_EQ(DirectAddition::nextCode(QStringLiteral("  12"), 4, fits), QStringLiteral("  13"));
    EXPECT_EQ(DirectAddition::nextCode(QStringLiteral("9 7x"), 4, fits), QStringLiteral("  98"));   // blanks skipped, stops at x
    EXPECT_EQ(DirectAddition::nextCode(QStringLiteral("9999"), 4, fits), QStringLiteral("10000"));
    EXPECT_FALSE(fits);
    EXPECT_EQ(DirectAddition::nextCode(QStringLiteral("1"), 25, fits), QString(24, u' ') + QStringLiteral("2"));
    EXPECT_TRUE(fits);
}
