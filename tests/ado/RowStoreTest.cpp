#include "QtPrinting.h"

#include <ado/RowStore.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(RowStoreTest, EveryKindComesBackAsItsVariant)
{
    ado::RowStore store;
    store.appendNull();
    store.appendLong(-5);
    store.appendInteger(7);
    store.appendByte(200);
    store.appendBigInt(9000000000LL);
    store.appendBoolean(true);
    store.appendDouble(0.25);
    store.appendSingle(1.5f);
    store.appendCurrency(12345);
    store.appendDate(45292.5);
    store.appendText("Ñandú", int(QByteArray("Ñandú").size()));
    store.push_back(vb::Variant(vb::Decimal(12345, 3)));
    const vb::VarType expected[] = {vb::VarType::Null, vb::VarType::Long, vb::VarType::Integer, vb::VarType::Byte,
                                    vb::VarType::Decimal, vb::VarType::Boolean, vb::VarType::Double, vb::VarType::Single,
                                    vb::VarType::Currency, vb::VarType::Date, vb::VarType::String, vb::VarType::Decimal};
    ASSERT_EQ(store.size(), std::size(expected));
    for (size_t i = 0; i < store.size(); ++i)
        EXPECT_EQ(store.get(i).type(), expected[i]) << i;
    EXPECT_EQ(store.get(4).toDecimal().toString(u'.'), QStringLiteral("9000000000"));
    EXPECT_EQ(store.get(8).toCurrency().raw, 12345);
    EXPECT_EQ(store.get(10).toString(), QStringLiteral("Ñandú"));
    EXPECT_EQ(store.get(11).toDecimal().toString(u'.'), QStringLiteral("12.345"));
}

TEST(RowStoreTest, ValuesSurviveManyBlocksAndErasing)
{
    ado::RowStore store;
    const int count = 300000;   // more than two blocks of cells
    for (int i = 0; i < count; ++i) {
        const QByteArray text = QByteArray::number(i);
        if (i % 2)
            store.appendText(text.constData(), int(text.size()));
        else
            store.appendLong(i);
    }
    const QByteArray big(3 << 20, 'x');   // larger than a text block
    store.appendText(big.constData(), int(big.size()));
    store.appendText("after", 5);
    EXPECT_EQ(store.get(131071).toString(), QStringLiteral("131071"));
    EXPECT_EQ(store.get(131072).toLong(), 131072);
    EXPECT_EQ(store.get(count).toString().size(), big.size());
    EXPECT_EQ(store.get(count + 1).toString(), QStringLiteral("after"));

    store.erase(131070, 4);
    EXPECT_EQ(store.size(), size_t(count + 2 - 4));
    EXPECT_EQ(store.get(131069).toString(), QStringLiteral("131069"));
    EXPECT_EQ(store.get(131070).toLong(), 131074);
    EXPECT_EQ(store.get(131071).toString(), QStringLiteral("131075"));
    EXPECT_EQ(store.get(store.size() - 1).toString(), QStringLiteral("after"));
}

// Blocks of a store that went away serve the next stores: none may be shared by two live
// stores, nor keep a value of its previous owner.
TEST(RowStoreTest, StoresAfterOthersWentAwayKeepTheirOwnValues)
{
    const int count = 400000;   // four blocks of cells and texts over two blocks
    auto fill = [&](ado::RowStore& store, int salt) {
        for (int i = 0; i < count; ++i) {
            const QByteArray text = QByteArray::number(i * 7 + salt) + "-texto";
            if (i % 3 == 0)
                store.appendLong(i + salt);
            else
                store.appendText(text.constData(), int(text.size()));
        }
    };
    auto intact = [&](const ado::RowStore& store, int salt) {
        if (store.size() != size_t(count))
            return false;
        for (int i = 0; i < count; ++i) {
            const vb::Variant v = store.get(size_t(i));
            if (i % 3 == 0 ? v.toLong() != i + salt : v.toString() != QString::number(i * 7 + salt) + QStringLiteral("-texto"))
                return false;
        }
        return true;
    };
    ado::RowStore kept;
    fill(kept, 1);
    {
        auto gone = std::make_unique<ado::RowStore>();
        fill(*gone, 2);
        const QByteArray big(3 << 20, 'x');   // a block of its own, larger than the others
        gone->appendText(big.constData(), int(big.size()));
        gone.reset();
    }
    ado::RowStore next;
    fill(next, 3);
    ado::RowStore refilled;
    fill(refilled, 4);
    refilled = ado::RowStore();
    fill(refilled, 5);
    EXPECT_TRUE(intact(kept, 1));
    EXPECT_TRUE(intact(next, 3));
    EXPECT_TRUE(intact(refilled, 5));
}

TEST(RowStoreTest, SetReplacesAnyValue)
{
    ado::RowStore store;
    store.appendLong(1);
    store.appendText("a", 1);
    store.set(0, vb::Variant(QStringLiteral("now text")));
    store.set(1, vb::Variant::null());
    EXPECT_EQ(store.get(0).toString(), QStringLiteral("now text"));
    EXPECT_TRUE(store.get(1).isNull());
    store.set(1, vb::Variant(vb::Date{1.0}));
    EXPECT_EQ(store.get(1).type(), vb::VarType::Date);
}

} // namespace
