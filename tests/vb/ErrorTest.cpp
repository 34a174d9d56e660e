#include "vb/Error.h"
#include "vb/TestSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

using namespace vb;

TEST(Error, StandardDescriptions)
{
    EXPECT_EQ(Error(5).description(), "Llamada a procedimiento o argumento no válidos");
    EXPECT_EQ(Error(6).description(), "Desbordamiento");
    EXPECT_EQ(Error(9).description(), "El subíndice está fuera del intervalo");
    EXPECT_EQ(Error(11).description(), "División por cero");
    EXPECT_EQ(Error(13).description(), "No coinciden los tipos");
    EXPECT_EQ(Error(53).description(), "No se encontró el archivo");
    EXPECT_EQ(Error(62).description(), "La entrada pasó del final del archivo");
    EXPECT_EQ(Error(75).description(), "Error de acceso a la ruta o al archivo");
    EXPECT_EQ(Error(76).description(), "No se encontró la ruta de acceso");
    EXPECT_EQ(Error(91).description(), "Variable de objeto o variable de bloque With no establecida");
    EXPECT_EQ(Error(94).description(), "Uso no válido de Null");
    EXPECT_EQ(Error(424).description(), "Se requiere un objeto");
    EXPECT_EQ(Error(438).description(), "El objeto no admite esta propiedad o método");
    EXPECT_EQ(Error(457).description(), "Esta clave ya está asociada con un elemento de esta colección");
    EXPECT_EQ(Error(3).description(), "Return sin GoSub");
    EXPECT_EQ(Error(30000).description(), "Error definido por la aplicación o por el objeto");
    Error custom(1001, "Falta la sucursal", "frmRep");
    EXPECT_EQ(custom.number(), 1001);
    EXPECT_EQ(custom.description(), "Falta la sucursal");
    EXPECT_EQ(custom.source(), "frmRep");
    EXPECT_EQ(QString::fromUtf8(Error(13).what()), "Error 13: No coinciden los tipos");
    EXPECT_EQ(vbtest::errorOf([] { vb::raise(76); }), 76);
}

TEST(Trap, RetryRerunsTheStep)
{
    int attempts = 0, handled = 0;
    Trap trap([&](const Error& e) {
        ++handled;
        EXPECT_EQ(e.number(), 53);
        EXPECT_EQ(Err::number(), 53);
        return int(Retry);
    });
    bool ok = trap.run([&] {
        if (++attempts < 3)
            vb::raise(53);
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(attempts, 3);
    EXPECT_EQ(handled, 2);
    EXPECT_EQ(Err::number(), 0);   // Resume clears Err
    EXPECT_FALSE(trap.left());
}

TEST(Trap, IgnoreGoesOnWithTheNextStep)
{
    std::vector<int> done;
    Trap trap([](const Error&) { return int(Ignore); });
    EXPECT_TRUE(trap.run([&] { done.push_back(1); }));
    EXPECT_TRUE(trap.run([&] { vb::raise(5); done.push_back(2); }));
    EXPECT_TRUE(trap.run([&] { done.push_back(3); }));
    EXPECT_EQ(done, (std::vector<int>{1, 3}));
    EXPECT_EQ(trap.lastAnswer(), Ignore);
    EXPECT_EQ(trap.lastError().number(), 5);
}

TEST(Trap, AnyOtherAnswerLeaves)
{
    for (int answer : {int(Abort), 1, 2, 6, 7, 0}) {
        std::vector<int> done;
        Trap trap([&](const Error&) { return answer; });
        EXPECT_TRUE(trap.run([&] { done.push_back(1); }));
        EXPECT_FALSE(trap.run([&] { vb::raise(11); }));
        EXPECT_FALSE(trap.run([&] { done.push_back(3); }));
        EXPECT_TRUE(trap.left());
        EXPECT_EQ(done, (std::vector<int>{1}));
        EXPECT_EQ(trap.lastAnswer(), answer);
        EXPECT_EQ(Err::number(), 11);    // the caller can still read what failed
    }
    Err::clear();
}

TEST(Trap, SkippingPassesOverFailingSteps)
{
    std::vector<int> done;
    Trap trap = Trap::skipping();
    EXPECT_TRUE(trap.run([&] { vb::raise(9); }));
    EXPECT_EQ(Err::number(), 9);               // Err stays set for code that checks it
    EXPECT_TRUE(trap.run([&] { done.push_back(2); }));
    EXPECT_TRUE(trap.run([&] { vb::raise(13); done.push_back(3); }));
    EXPECT_EQ(done, (std::vector<int>{2}));
    EXPECT_EQ(Err::current().number(), 13);
    Err::clear();
    EXPECT_EQ(Err::current().number(), 0);
    EXPECT_EQ(Err::description(), "");
}

TEST(Trap, SwitchToSkippingMidway)
{
    int handled = 0;
    Trap trap([&](const Error&) { ++handled; return int(Ignore); });
    trap.run([] { vb::raise(5); });
    trap.setSkipping(true);
    trap.run([] { vb::raise(5); });
    EXPECT_EQ(handled, 1);
    Err::clear();
}

TEST(Trap, OutOfMemoryBecomesSeven)
{
    Trap trap = Trap::skipping();
    trap.run([] { throw std::bad_alloc(); });
    EXPECT_EQ(Err::number(), 7);
    Err::clear();
}

TEST(End, HookThrowsAndTrapsDoNotCatchIt)
{
    Trap trap([](const Error&) { return int(Ignore); });
    EXPECT_THROW(trap.run([] { End(); }), EndRequested);
    Trap skipping = Trap::skipping();
    EXPECT_THROW(skipping.run([] { End(); }), EndRequested);
}

TEST(DoEvents, RunsPendingEvents)
{
    ASSERT_NE(QCoreApplication::instance(), nullptr);   // the test main made one
    bool fired = false;
    QTimer::singleShot(0, [&] { fired = true; });
    for (int i = 0; i < 10 && !fired; ++i)
        DoEvents();
    EXPECT_TRUE(fired);
}
