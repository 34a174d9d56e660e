#include "vb/Regional.h"

namespace vb {

RegionalSettings RegionalSettings::argentina()
{
    RegionalSettings s;
    s.monthNames = {QStringLiteral("enero"), QStringLiteral("febrero"), QStringLiteral("marzo"), QStringLiteral("abril"),
                    QStringLiteral("mayo"), QStringLiteral("junio"), QStringLiteral("julio"), QStringLiteral("agosto"),
                    QStringLiteral("septiembre"), QStringLiteral("octubre"), QStringLiteral("noviembre"), QStringLiteral("diciembre")};
    s.monthAbbreviations = {QStringLiteral("ene"), QStringLiteral("feb"), QStringLiteral("mar"), QStringLiteral("abr"),
                            QStringLiteral("may"), QStringLiteral("jun"), QStringLiteral("jul"), QStringLiteral("ago"),
                            QStringLiteral("sep"), QStringLiteral("oct"), QStringLiteral("nov"), QStringLiteral("dic")};
    s.dayNames = {QStringLiteral("domingo"), QStringLiteral("lunes"), QStringLiteral("martes"), QStringLiteral("miércoles"),
                  QStringLiteral("jueves"), QStringLiteral("viernes"), QStringLiteral("sábado")};
    s.dayAbbreviations = {QStringLiteral("dom"), QStringLiteral("lun"), QStringLiteral("mar"), QStringLiteral("mié"),
                          QStringLiteral("jue"), QStringLiteral("vie"), QStringLiteral("sáb")};
    return s;
}

RegionalSettings RegionalSettings::unitedStates()
{
    RegionalSettings s;
    s.decimalSeparator = u'.';
    s.thousandsSeparator = u',';
    s.dateOrder = DateOrder::MDY;
    s.firstDayOfWeek = 1;
    s.shortDateFormat = QStringLiteral("m/d/yyyy");
    s.longDateFormat = QStringLiteral("dddd, mmmm d, yyyy");
    s.longTimeFormat = QStringLiteral("h:mm:ss AMPM");
    s.shortTimeFormat = QStringLiteral("hh:mm");
    s.amDesignator = QStringLiteral("AM");
    s.pmDesignator = QStringLiteral("PM");
    s.monthNames = {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"), QStringLiteral("April"),
                    QStringLiteral("May"), QStringLiteral("June"), QStringLiteral("July"), QStringLiteral("August"),
                    QStringLiteral("September"), QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    s.monthAbbreviations = {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
                            QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
                            QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    s.dayNames = {QStringLiteral("Sunday"), QStringLiteral("Monday"), QStringLiteral("Tuesday"), QStringLiteral("Wednesday"),
                  QStringLiteral("Thursday"), QStringLiteral("Friday"), QStringLiteral("Saturday")};
    s.dayAbbreviations = {QStringLiteral("Sun"), QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
                          QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat")};
    return s;
}

RegionalSettings& Regional::current()
{
    static RegionalSettings settings = RegionalSettings::argentina();
    return settings;
}

void Regional::set(const RegionalSettings& settings) { current() = settings; }
void Regional::reset() { current() = RegionalSettings::argentina(); }

} // namespace vb
