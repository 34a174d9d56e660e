#include "reportengine/PageStore.h"
#include "reportengine/CompactReader.h"
#include "reportengine/CompactWriter.h"
#include "reportengine/ReportError.h"
#include "reportengine/ReportModel.h"

namespace reportengine {

PageStore::PageStore(const ReportModel& model, qint64 memoryLimit) : m_bytes(memoryLimit)
{
    addModels(model);
}

void PageStore::addModels(const ReportModel& model)
{
    m_models.push_back(&model);
    for (const ReportModel* sub : model.subModels())
        addModels(*sub);
}

int PageStore::modelIndex(const ReportModel* model) const
{
    for (std::size_t i = 0; i < m_models.size(); ++i)
        if (m_models[i] == model)
            return int(i);
    throw ReportError(QStringLiteral("en una página de este informe se compaginó una banda de otro informe"));
}

void PageStore::write(CompactWriter& out, const Band& band) const
{
    out.number(quint64(band.kind));
    out.number(quint64(band.level));
    out.number(quint64(band.depth));
    out.number(quint64(modelIndex(band.model)));
    out.number(band.repeated ? 1 : 0);
    out.text(band.label);
    out.number(quint64(band.cells.size()));
    for (const QString& cell : band.cells)
        out.text(cell);
}

Band PageStore::read(CompactReader& in) const
{
    Band band;
    band.kind = Band::Kind(in.number());
    band.level = int(in.number());
    band.depth = int(in.number());
    const quint64 model = in.number();
    if (model >= m_models.size())
        throw ReportError(QStringLiteral("las páginas guardadas del informe están dañadas"));
    band.model = m_models[model];
    band.repeated = in.number() != 0;
    band.label = in.text();
    const quint64 cells = in.number();
    band.cells.reserve(qsizetype(std::min<quint64>(cells, 1024)));
    for (quint64 i = 0; i < cells; ++i)
        band.cells << in.text();
    return band;
}

void PageStore::append(const Page& page)
{
    CompactWriter out;
    out.number(quint64(page.bands.size()));
    for (const Band& band : page.bands)
        write(out, band);
    m_offsets.push_back(m_bytes.append(out.bytes()));
}

Page PageStore::page(int number) const
{
    if (number < 1 || number > count())
        throw ReportError(QStringLiteral("el informe no tiene la página %1").arg(number));
    const auto i = std::size_t(number - 1);
    const qint64 end = i + 1 < m_offsets.size() ? m_offsets[i + 1] : m_bytes.size();
    CompactReader in(m_bytes.read(m_offsets[i], end - m_offsets[i]));
    Page page;
    page.number = number;
    const quint64 bands = in.number();
    for (quint64 b = 0; b < bands; ++b)
        page.bands.push_back(read(in));
    return page;
}

} // namespace reportengine
