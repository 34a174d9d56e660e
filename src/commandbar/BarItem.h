#pragma once
// One item slot of a command bar. A reset slot is hidden and enabled, with no texts.

#include <QImage>
#include <QString>

#include "commandbar/BarText.h"

namespace commandbar {

struct BarItem {
    QString Key;                 // as given, trimmed, in its own case
    QString Caption;
    QString ToolTip;
    QString IconFile;            // each file field holds a path only when the file existed
    QString IconOverFile;
    QString IconDisFile;
    bool Visible = false;
    bool Enabled = true;
    long Badge = 0;              // never negative
    bool HasCustomIcon = false;
    QImage FilePicture;          // null when there is none

    // Keys are compared upper-cased and trimmed.
    static QString keyOf(const QString& key) { return BarText::upperTrim(key); }
    bool hasKey(const QString& key) const { return keyOf(Key) == keyOf(key); }
};

} // namespace commandbar
