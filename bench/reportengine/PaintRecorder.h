#pragma once
// Records what a report page painter draws (each text with its font and baseline, each line) on a
// device with the measures of a PDF writer, and paints the same again on a bare QPdfWriter: the
// least any report tool must do to put those pages in a file, to measure the engine against.

#include <QFont>
#include <QLineF>
#include <QPaintDevice>
#include <QPageLayout>
#include <QString>
#include <memory>
#include <vector>

class QPdfWriter;

class PaintRecorder : public QPaintDevice {
public:
    struct Text {
        QPointF baseline;
        int font;
        QString text;
    };
    struct Page {
        std::vector<Text> texts;
        std::vector<QLineF> lines;
    };

    // Measures taken from a PDF writer of this resolution and page layout.
    PaintRecorder(int resolution, const QPageLayout& layout);
    ~PaintRecorder() override;

    void startPage() { m_pages.emplace_back(); }
    const std::vector<Page>& pages() const { return m_pages; }
    std::size_t textCount() const;
    QPaintEngine* paintEngine() const override;

    // Paints every page recorded on the writer with one plain QPainter; false when it cannot open.
    bool replay(QPdfWriter& writer) const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    friend class RecordingEngine;
    void addText(const QPointF& at, const QFont& font, const QString& text);
    void addLine(const QLineF& line) { m_pages.back().lines.push_back(line); }

    std::unique_ptr<QPaintEngine> m_engine;
    std::vector<Page> m_pages;
    std::vector<QFont> m_fonts;
    int m_resolution;
    QSize m_pixels;
    QSizeF m_millimetres;
};
