#pragma once
// Installs a dialog service for the life of the scope and puts the previous one back.

#include "DialogService.h"

namespace ui {

class DialogServiceScope {
public:
    explicit DialogServiceScope(DialogService& service) : m_previous(DialogService::installed())
    {
        DialogService::setInstance(&service);
    }
    ~DialogServiceScope() { DialogService::setInstance(m_previous); }

    DialogServiceScope(const DialogServiceScope&) = delete;
    DialogServiceScope& operator=(const DialogServiceScope&) = delete;

private:
    DialogService* m_previous;
};

} // namespace ui
