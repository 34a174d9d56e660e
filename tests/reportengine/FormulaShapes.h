#pragma once
// Shapes of formulas a report definition of a few KB may hold, each costly to work out if the
// engine works out more than it must or keeps more than it must; the tests print them and the
// benchmark times them. The formulas read C_MV_CPTE.Importe, which is never below -1.

#include <QString>
#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

namespace formulashapes {

using Formulas = std::vector<std::pair<QString, QString>>;   // name, text

// <prefix>0 is `first`, and each later one up to <prefix><last> is `step` with %1 standing for
// the one before it.
inline Formulas line(const QString& prefix, int last, const QString& step, const QString& first)
{
    Formulas formulas{{prefix + u'0', first}};
    for (int i = 1; i <= last; ++i)
        formulas.emplace_back(prefix + QString::number(i), step.arg(QStringLiteral("{@%1%2}").arg(prefix).arg(i - 1)));
    return formulas;
}

// f0 .. f<last>: 'ab' doubled at each step, 2^(last+1) characters in f<last>.
inline Formulas doubling(int last)
{
    return line(QStringLiteral("f"), last, QStringLiteral("%1 & %1"), QStringLiteral("'ab'"));
}

// c0 .. c159: each appends lit, a text of 40,000 characters, to the one before.
inline Formulas appends()
{
    Formulas formulas = line(QStringLiteral("c"), 159, QStringLiteral("%1 & {@lit}"), QStringLiteral("{@lit}"));
    formulas.emplace_back(QStringLiteral("lit"), u'\'' + QString(40000, u'x') + u'\'');
    return formulas;
}

// The formulas and one more, Cubierto: whether the amount is below -1, as no row's is, and then
// whether formula `name` has any text.
inline Formulas guarded(Formulas formulas, const QString& name)
{
    formulas.emplace_back(QStringLiteral("Cubierto"), QStringLiteral("{C_MV_CPTE.Importe} < -1 AND Len({@%1}) > 0").arg(name));
    return formulas;
}

// g1 .. g30, each f22 doubled once (16 Mi characters), and the column that sums their lengths.
inline std::pair<Formulas, QString> keptTexts()
{
    Formulas formulas = doubling(22);
    QStringList lengths;
    for (int i = 1; i <= 30; ++i) {
        formulas.emplace_back(QStringLiteral("g%1").arg(i), QStringLiteral("{@f22} & {@f22}"));
        lengths << QStringLiteral("Len({@g%1})").arg(i);
    }
    return {formulas, lengths.join(QStringLiteral(" + "))};
}

struct Shape {
    QString name;
    Formulas formulas;
    QStringList columns;   // the columns that show it
    QString value;         // what the first column shows for every row
};

// Four lines a, b, c and d that each double 'ab' `doublings` times, every step named twice by the
// next, so that the run keeps all of each line but its last text: with 23 doublings 64 Mi - 8
// characters, of which 64 Mi - 8 Ki in texts of more than 1 Ki. Pad, named twice, holds the first
// 8 Ki - 8 characters of a's last kept text, so that the texts of more than 1 Ki fill the bound on
// kept text but for 8 characters too. The first column adds up the lengths of the lines' last
// texts and of pad twice. Beside them a fan-out of short texts over the user: g0 is the user and
// ten digits, each later one up to g<fanOut> the first 12 characters of the one before doubled.
// The second column shows g<fanOut>.
inline Shape fullBudgetFanOut(int fanOut, int doublings = 23)
{
    constexpr qint64 padLength = 8 * 1024 - 8;
    Formulas formulas;
    QStringList lengths;
    for (const char* name : {"a", "b", "c", "d"}) {
        const QString prefix = QString::fromLatin1(name);
        const Formulas steps = line(prefix, doublings, QStringLiteral("%1 & %1"), QStringLiteral("'ab'"));
        formulas.insert(formulas.end(), steps.begin(), steps.end());
        lengths << QStringLiteral("Len({@%1%2})").arg(prefix).arg(doublings);
    }
    formulas.emplace_back(QStringLiteral("pad"), QStringLiteral("Left({@a%1}, %2)").arg(doublings - 1).arg(padLength));
    lengths << QStringLiteral("Len({@pad})") << QStringLiteral("Len({@pad})");
    const Formulas fan = line(QStringLiteral("g"), fanOut, QStringLiteral("Left(%1 & %1, 12)"),
                              QStringLiteral("{C_MV_CPTE.Usuario} & '0123456789'"));
    formulas.insert(formulas.end(), fan.begin(), fan.end());
    const qint64 lineEnds = 4LL << (doublings + 1);
    const qint64 pad = std::min(padLength, 1LL << doublings);
    return {QStringLiteral("full budget fan-out %1").arg(fanOut), formulas,
            {lengths.join(QStringLiteral(" + ")), QStringLiteral("{@g%1}").arg(fanOut)}, QString::number(lineEnds + 2 * pad)};
}

// A text doubled 23 times behind a condition no row meets, the line of 160 appends with and
// without that condition, the 30 texts of 16 Mi characters, and a fan-out of 30 short texts once
// the kept values fill their bound.
inline std::vector<Shape> costly()
{
    const QString guard = QStringLiteral("{@Cubierto}");
    const auto [kept, keptLengths] = keptTexts();
    return {
        {QStringLiteral("guarded doubling"), guarded(doubling(23), QStringLiteral("f23")), {guard}, QStringLiteral("False")},
        {QStringLiteral("160 appends"), appends(), {QStringLiteral("Len({@c159})")}, QString::number(160 * 40000)},
        {QStringLiteral("160 appends guarded"), guarded(appends(), QStringLiteral("c159")), {guard}, QStringLiteral("False")},
        {QStringLiteral("30 kept texts"), kept, {keptLengths}, QString::number(30LL << 24)},
        fullBudgetFanOut(30),
    };
}

} // namespace formulashapes
