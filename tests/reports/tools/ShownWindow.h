#pragma once
// The report window as the screenshot and PDF tools drive it: loaded, shown and active, as an
// operator finds it.

#include "reports/Rp_Quindal.h"

#include <QApplication>
#include <QTest>
#include <cstdio>

namespace reporttools {

inline void loadAndShow(reports::Rp_Quindal& window)
{
    window.Form_Load();
    window.show();
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        std::fputs("the window did not become active\n", stderr);
}

} // namespace reporttools
