#pragma once
// The item sets a bar can load by itself. Entry order is slot and display order.

#include <QString>
#include <vector>

namespace commandbar {

struct BarItemDefinition {
    QString key;
    QString caption;
    QString toolTip;
};

class BarItemSets {
public:
    // The report window's commands; the tab bar captions its share item differently.
    static std::vector<BarItemDefinition> reportItems(const QString& shareCaption = QStringLiteral("Mensaje"));
    static std::vector<BarItemDefinition> tervoSample();
    // The tab bar's full set; only its standard keys start visible.
    static std::vector<BarItemDefinition> tabBarItems();
    static bool IsStandardKey(const QString& key);
};

} // namespace commandbar
