#pragma once
// A widget that shows a DrawingSurface: the item boxes and icon areas of the bars.

#include "commandbar/DrawingSurface.h"

#include <QWidget>

namespace commandbar {

class ItemSurface : public QWidget {
    Q_OBJECT
public:
    explicit ItemSurface(QWidget* parent = nullptr);

    // Kept at the widget's size; a hidden widget gets no resize events, hence the sync here.
    DrawingSurface& surface();
    const DrawingSurface& surface() const { return m_surface; }
    // Setting the back colour clears the drawing, as a picture box does.
    void setBackColor(const QColor& color);
    // The picture under every drawing; setting it clears the drawing.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_surface.picture(); }
    // Shows the drawing now (drawing calls do not repaint on their own).
    void refresh() { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DrawingSurface m_surface;
};

} // namespace commandbar
