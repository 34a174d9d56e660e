#pragma once

#include "ado/Error.h"

#include <memory>
#include <vector>

namespace vb { class Error; }

namespace ado {

// Connection.Errors: the records of the last failed operation, cleared by the next one.
class Errors {
public:
    int Count() const { return int(m_items.size()); }
    const Error& Item(int index) const;         // error 3265 out of range
    void Clear() { m_items.clear(); }
    void assign(std::vector<Error> items) { m_items = std::move(items); }
    bool empty() const { return m_items.empty(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<Error> m_items;
};

using ErrorsPtr = std::shared_ptr<Errors>;

// A lost connection: the network link (SQL states 08xxx, HYT01) or the embedded database
// file that became unreadable or vanished. Works on the vb::Error raised and on the records.
bool isConnectionLost(const vb::Error& error);
bool isConnectionLost(const Errors& errors);
bool isConnectionLostState(const QString& sqlState);

} // namespace ado
