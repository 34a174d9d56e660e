#include "reports/SuiteDate.h"

#include "vb/Conversions.h"
#include "vb/DateTime.h"

namespace reports {

namespace {

bool isBoxSeparator(QChar c)
{
    return c == u'/' || c == u'-' || c == u'.';
}

// A separator first, or two together.
bool hasEmptyPart(const QString& text)
{
    if (!text.isEmpty() && isBoxSeparator(text.front()))
        return true;
    for (qsizetype i = 1; i < text.size(); ++i)
        if (isBoxSeparator(text.at(i - 1)) && isBoxSeparator(text.at(i)))
            return true;
    return false;
}

} // namespace

bool isSuiteDate(const QString& text)
{
    static const vb::Date first = vb::DateSerial(1753, 1, 1);
    return !hasEmptyPart(text) && vb::IsDate(text) && vb::CDate(text) >= first;
}

} // namespace reports
