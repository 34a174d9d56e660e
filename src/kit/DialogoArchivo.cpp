#include "kit/DialogoArchivo.h"

#include "ui/DialogService.h"

namespace kit {

bool DialogoArchivo::showOpen()
{
    m_fileName = ui::DialogService::instance().openFileName(m_title, m_filter, m_initialFolder);
    m_cancelled = m_fileName.isEmpty();
    return !m_cancelled;
}

} // namespace kit
