#include "vb/Collection.h"
#include "vb/Dictionary.h"
#include "vb/TestSupport.h"

#include <gtest/gtest.h>

using namespace vb;
using vbtest::errorOf;

TEST(Collection, AddItemCountRemove)
{
    auto c = Collection::create();
    c->add(Variant("uno"), Variant("K1"));
    c->add(Variant("dos"));
    c->add(Variant("tres"), Variant("k3"));
    EXPECT_EQ(c->count(), 3);
    EXPECT_EQ(c->item(Variant(1)).toString(), "uno");
    EXPECT_EQ(c->item(Variant(2)).toString(), "dos");
    EXPECT_EQ(c->item(Variant("k1")).toString(), "uno");       // keys ignore case
    EXPECT_EQ(c->item(Variant("K3")).toString(), "tres");
    EXPECT_EQ(c->item(Variant(2.6)).toString(), "tres");       // index rounded like CLng
    c->remove(Variant(1));
    EXPECT_EQ(c->count(), 2);
    EXPECT_EQ(c->item(Variant(1)).toString(), "dos");
    EXPECT_EQ(c->item(Variant("K3")).toString(), "tres");
    EXPECT_EQ(errorOf([&] { c->item(Variant("K1")); }), 5);
    c->remove(Variant("k3"));
    EXPECT_EQ(c->count(), 1);
    EXPECT_FALSE(c->contains("K3"));
}

TEST(Collection, Errors)
{
    auto c = Collection::create();
    c->add(Variant(1), Variant("a"));
    EXPECT_EQ(errorOf([&] { c->add(Variant(2), Variant("A")); }), 457);
    EXPECT_EQ(errorOf([&] { c->item(Variant(0)); }), 9);
    EXPECT_EQ(errorOf([&] { c->item(Variant(2)); }), 9);
    EXPECT_EQ(errorOf([&] { c->item(Variant("zz")); }), 5);
    EXPECT_EQ(errorOf([&] { c->remove(Variant(5)); }), 9);
    EXPECT_EQ(errorOf([&] { c->add(Variant(3), Variant::missing(), Variant(1), Variant(1)); }), 5);
    EXPECT_EQ(errorOf([&] { c->add(Variant(3), Variant(7)); }), 13);
    EXPECT_EQ(errorOf([&] { c->add(Variant(3), Variant::missing(), Variant(9)); }), 9);
    EXPECT_EQ(c->count(), 1);
}

TEST(Collection, BeforeAndAfter)
{
    auto c = Collection::create();
    c->add(Variant("b"), Variant("kb"));
    c->add(Variant("a"), Variant("ka"), Variant(1));                      // before 1
    c->add(Variant("d"));
    c->add(Variant("c"), Variant("kc"), Variant::missing(), Variant("KB"));  // after key
    c->add(Variant("e"), Variant::missing(), Variant::missing(), Variant(4));
    QStringList order;
    for (const Variant& v : *c)
        order << v.toString();
    EXPECT_EQ(order, QStringList({"a", "b", "c", "d", "e"}));
    EXPECT_EQ(c->item(Variant("kc")).toString(), "c");
    EXPECT_EQ(c->item(Variant("ka")).toString(), "a");
    EXPECT_EQ(c->keyAt(3), "kc");
}

TEST(Collection, HeldByVariant)
{
    auto c = Collection::create();
    c->add(Variant(5));
    Variant v{ObjectPtr(c)};
    EXPECT_TRUE(v.isObject());
    EXPECT_EQ(v.typeName(), "Collection");
    EXPECT_EQ(v.as<Collection>()->count(), 1);
    EXPECT_EQ(v.as<Dictionary>(), nullptr);
    Variant same{ObjectPtr(c)};
    EXPECT_TRUE(v.equals(same));
}

TEST(Dictionary, BinaryKeysByDefault)
{
    auto d = Dictionary::create();
    d->add(Variant("a"), Variant(1));
    d->add(Variant("A"), Variant(2));
    EXPECT_EQ(d->count(), 2);
    EXPECT_EQ(d->item(Variant("A")).toLong(), 2);
    EXPECT_EQ(errorOf([&] { d->add(Variant("a"), Variant(3)); }), 457);
    EXPECT_TRUE(d->exists(Variant("a")));
    EXPECT_FALSE(d->exists(Variant("b")));
    EXPECT_EQ(errorOf([&] { d->setCompareMode(CompareMethod::Text); }), 5);
}

TEST(Dictionary, TextMode)
{
    auto d = Dictionary::create();
    d->setCompareMode(CompareMethod::Text);
    d->add(Variant("Peña"), Variant(1));
    EXPECT_TRUE(d->exists(Variant("PEÑA")));
    EXPECT_EQ(errorOf([&] { d->add(Variant("peña"), Variant(2)); }), 457);
}

TEST(Dictionary, OrderItemsKeysRemove)
{
    auto d = Dictionary::create();
    d->add(Variant("z"), Variant(1));
    d->add(Variant("a"), Variant(2));
    d->add(Variant(10), Variant(3));
    d->setItem(Variant("m"), Variant(4));
    d->setItem(Variant("z"), Variant(5));
    ASSERT_EQ(d->count(), 4);
    QList<Variant> keys = d->keys();
    EXPECT_EQ(keys[0].toString(), "z");
    EXPECT_EQ(keys[1].toString(), "a");
    EXPECT_EQ(keys[2].toLong(), 10);
    EXPECT_EQ(keys[3].toString(), "m");
    EXPECT_EQ(d->items()[0].toLong(), 5);
    EXPECT_TRUE(d->exists(Variant(10.0)));           // numbers of any kind with the same value
    EXPECT_FALSE(d->exists(Variant("10")));          // a text is not a number key
    d->remove(Variant("a"));
    EXPECT_EQ(d->count(), 3);
    EXPECT_EQ(d->keys()[1].toLong(), 10);
    EXPECT_EQ(errorOf([&] { d->remove(Variant("nope")); }), 32811);
    // Reading a missing key adds it, as the original does.
    EXPECT_TRUE(d->item(Variant("new")).isEmpty());
    EXPECT_EQ(d->count(), 4);
    EXPECT_TRUE(d->value(Variant("other")).isEmpty());
    EXPECT_EQ(d->count(), 4);
    d->item(Variant("new")) = Variant(9);
    EXPECT_EQ(d->value(Variant("new")).toLong(), 9);
    d->setKey(Variant("new"), Variant("renamed"));
    EXPECT_EQ(d->value(Variant("renamed")).toLong(), 9);
    EXPECT_FALSE(d->exists(Variant("new")));
    d->removeAll();
    EXPECT_EQ(d->count(), 0);
}

// Small dictionaries are searched in order, larger ones through an index: every lookup must
// give the same answer at every size, on either side of the change and after shrinking back.
TEST(Dictionary, LookupsAgreeAtEverySize)
{
    for (CompareMethod mode : {CompareMethod::Binary, CompareMethod::Text}) {
        auto d = Dictionary::create();
        d->setCompareMode(mode);
        EXPECT_EQ(errorOf([&] { d->exists(Variant::null()); }), 94);
        for (int n = 0; n < 60; ++n) {
            // Texts, whole numbers and a date, all different keys.
            if (n % 3 == 0)
                d->add(Variant(QStringLiteral("Clave%1").arg(n)), Variant(n));
            else if (n % 3 == 1)
                d->add(Variant(std::int16_t(n)), Variant(n));
            else
                d->add(Variant(Date{double(n)}), Variant(n));
            SCOPED_TRACE(n);
            ASSERT_EQ(d->count(), n + 1);
            for (int k = 0; k <= n; ++k) {
                if (k % 3 == 0) {
                    const QString upper = QStringLiteral("CLAVE%1").arg(k);
                    EXPECT_EQ(d->exists(Variant(upper)), mode == CompareMethod::Text) << k;
                    EXPECT_EQ(d->value(Variant(QStringLiteral("Clave%1").arg(k))).toLong(), k);
                } else if (k % 3 == 1) {
                    EXPECT_EQ(d->value(Variant(double(k))).toLong(), k);   // any kind of number
                    EXPECT_FALSE(d->exists(Variant(QString::number(k))));  // never its text
                } else {
                    EXPECT_EQ(d->value(Variant(Date{double(k)})).toLong(), k);
                    EXPECT_FALSE(d->exists(Variant(double(k))));          // a date is not a number
                }
            }
            EXPECT_EQ(errorOf([&] { d->add(Variant(QStringLiteral("Clave0")), Variant(0)); }), 457);
            if (n >= 1) {
                EXPECT_EQ(errorOf([&] { d->add(Variant(1.0), Variant(0)); }), 457);
            }
            EXPECT_EQ(errorOf([&] { d->exists(Variant::null()); }), 94);
        }
        // Back below the size of the index, renamed and removed keys are found as they are now.
        while (d->count() > 4)
            d->remove(d->keyAt(d->count() - 1));
        d->setKey(Variant(std::int16_t(1)), Variant(QStringLiteral("uno")));
        EXPECT_EQ(d->value(Variant(QStringLiteral("uno"))).toLong(), 1);
        EXPECT_FALSE(d->exists(Variant(1)));
        EXPECT_FALSE(d->exists(Variant(QStringLiteral("Clave57"))));
        d->squeeze();
        EXPECT_EQ(d->value(Variant(QStringLiteral("Clave3"))).toLong(), 3);
    }
}

TEST(Dictionary, PositionsOutsideTheKeysRaiseNineThroughTraps)
{
    auto d = Dictionary::create();
    d->add(Variant("a"), Variant(1));
    d->add(Variant("b"), Variant(2));
    EXPECT_EQ(d->keyAt(1).toString(), "b");
    EXPECT_EQ(d->itemAt(0).toLong(), 1);
    EXPECT_EQ(errorOf([&] { d->keyAt(2); }), 9);
    EXPECT_EQ(errorOf([&] { d->keyAt(-1); }), 9);
    EXPECT_EQ(errorOf([&] { d->itemAt(2); }), 9);
    // A caller's trap sees the bad subscript as an ordinary error it can ignore.
    int answered = 0;
    Trap trap([&](const Error& e) { answered = e.number(); return int(Ignore); });
    EXPECT_TRUE(trap.run([&] { d->itemAt(5); }));
    EXPECT_EQ(answered, 9);
}

TEST(Dictionary, NestedTrees)
{
    auto root = Dictionary::create();
    auto list = Collection::create();
    auto child = Dictionary::create();
    child->add(Variant("nombre"), Variant("Peña"));
    list->add(Variant(ObjectPtr(child)));
    root->add(Variant("items"), Variant(ObjectPtr(list)));
    Variant v = root->value(Variant("items"));
    EXPECT_EQ(v.typeName(), "Collection");
    auto got = v.as<Collection>()->item(Variant(1)).as<Dictionary>();
    ASSERT_TRUE(got);
    EXPECT_EQ(got->value(Variant("nombre")).toString(), "Peña");
}
