#pragma once
// Regional settings as the original read them from the system: Argentina by default.
// One object for the whole program; tests change it (RegionalScope restores it).

#include <QChar>
#include <QString>
#include <QStringList>

namespace vb {

struct RegionalSettings {
    enum class DateOrder { DMY, MDY, YMD };

    QChar decimalSeparator = u',';
    QChar thousandsSeparator = u'.';
    QChar dateSeparator = u'/';
    QChar timeSeparator = u':';
    DateOrder dateOrder = DateOrder::DMY;
    // Patterns in the original's Format syntax.
    QString shortDateFormat = QStringLiteral("dd/mm/yyyy");
    QString longDateFormat = QStringLiteral("dddd, d \"de\" mmmm \"de\" yyyy");
    QString longTimeFormat = QStringLiteral("hh:mm:ss");       // 24-hour unless it has AM/PM
    QString shortTimeFormat = QStringLiteral("hh:mm");
    QString amDesignator = QStringLiteral("a.m.");
    QString pmDesignator = QStringLiteral("p.m.");
    QString currencySymbol = QStringLiteral("$");
    int currencyDigits = 2;
    bool leadingZero = true;                                    // "0,5" rather than ",5"
    int firstDayOfWeek = 2;                                     // what vbUseSystemDayOfWeek means: 1 Sunday, 2 Monday
    QStringList monthNames;                                     // 12 each
    QStringList monthAbbreviations;
    QStringList dayNames;                                       // Sunday first, 7 each
    QStringList dayAbbreviations;

    static RegionalSettings argentina();
    static RegionalSettings unitedStates();
};

class Regional {
public:
    static RegionalSettings& current();
    static void set(const RegionalSettings& settings);
    static void reset();                                        // back to Argentina
};

// Changes the settings for a scope and restores the previous ones.
class RegionalScope {
public:
    explicit RegionalScope(const RegionalSettings& settings) : m_saved(Regional::current()) { Regional::set(settings); }
    ~RegionalScope() { Regional::set(m_saved); }
    RegionalScope(const RegionalScope&) = delete;
    RegionalScope& operator=(const RegionalScope&) = delete;
private:
    RegionalSettings m_saved;
};

} // namespace vb
