#pragma once
// One item slot of a bar. A reset slot is hidden and enabled, with no texts.

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
    // Only the tab bar reads these: an attention dot and a check state of the item's own.
    bool Attention = false;
    long AttentionColor = 220 + 64 * 256L + 64 * 65536L;
    bool Checkable = false;
    bool Checked = false;

    // Keys are compared upper-cased and trimmed.
    static QString keyOf(const QString& key) { return BarText::upperTrim(key); }
    bool hasKey(const QString& key) const { return keyOf(Key) == keyOf(key); }
};

} // namespace commandbar
