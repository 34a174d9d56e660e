#include "PaintRecorder.h"
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>

class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(PaintRecorder& recorder) : QPaintEngine(QPaintEngine::AllFeatures), m_recorder(recorder) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override { m_recorder.addText(p, item.font(), item.text()); }
    void drawLines(const QLineF* lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            m_recorder.addLine(lines[i]);
    }
    Type type() const override { return QPaintEngine::User; }

private:
    PaintRecorder& m_recorder;
};

PaintRecorder::PaintRecorder(int resolution, const QPageLayout& layout)
    : m_engine(std::make_unique<RecordingEngine>(*this)), m_resolution(resolution),
      m_pixels(layout.fullRectPixels(resolution).size()), m_millimetres(layout.fullRect(QPageLayout::Millimeter).size())
{
}

PaintRecorder::~PaintRecorder() = default;

QPaintEngine* PaintRecorder::paintEngine() const
{
    return m_engine.get();
}

int PaintRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return m_pixels.width();
    case PdmHeight: return m_pixels.height();
    case PdmWidthMM: return int(m_millimetres.width());
    case PdmHeightMM: return int(m_millimetres.height());
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return m_resolution;
    case PdmNumColors: return INT_MAX;
    case PdmDepth: return 32;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}

void PaintRecorder::addText(const QPointF& at, const QFont& font, const QString& text)
{
    int index = int(m_fonts.size()) - 1;
    while (index >= 0 && !(m_fonts[std::size_t(index)] == font))
        --index;
    if (index < 0) {
        m_fonts.push_back(font);
        index = int(m_fonts.size()) - 1;
    }
    m_pages.back().texts.push_back({at, index, text});
}

std::size_t PaintRecorder::textCount() const
{
    std::size_t n = 0;
    for (const Page& page : m_pages)
        n += page.texts.size();
    return n;
}

bool PaintRecorder::replay(QPdfWriter& writer) const
{
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    bool first = true;
    for (const Page& page : m_pages) {
        if (!first)
            writer.newPage();
        first = false;
        int font = -1;
        for (const Text& t : page.texts) {
            if (t.font != font)
                painter.setFont(m_fonts[std::size_t(font = t.font)]);
            painter.drawText(t.baseline, t.text);
        }
        for (const QLineF& line : page.lines)
            painter.drawLine(line);
    }
    painter.end();
    return true;
}
