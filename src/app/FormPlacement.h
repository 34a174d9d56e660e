#pragma once
// A window's own saved rows: its Top, Left, Width and Height in twips, and how they come back.
// The window's border style is its "BorderStyle" property when it has one (0 none, 1 fixed
// single, 2 sizable, 3 fixed dialog, 4 fixed tool window, 5 sizable tool window), else 1 for a
// window whose size cannot change and 2 for any other; a fixed border keeps its designed size.

#include "ControlState.h"

#include <QList>
#include <QRectF>
#include <QSizeF>

class QWidget;

namespace app {

class FormPlacement {
public:
    static constexpr double MinimumSize = 3500;   // twips

    static int borderStyle(const QWidget* form);
    static bool hasFixedBorder(const QWidget* form);

    // "Top", "Left", "Width", "Height", under the form's name as type and name.
    static QList<StoredProperty> rowsOf(const QWidget* form, const QString& dataField);

    // Stored position (and, for a sizable border, size) put back, then the box kept on the
    // given screen (twips): no edge before 0, a left or top beyond the screen goes back to 0,
    // the width within the screen's, both sides at least 3500, and a box reaching past the
    // right or bottom edge moved back in as far as its size allows.
    static void restore(QWidget* form, const QString& dataField, const StoredValues& values);
    static QRectF keptOnScreen(QRectF box, const QSizeF& screen);

private:
    static StoredProperty keyOf(const QWidget* form, const QString& dataField, const QString& property);
};

} // namespace app
