#pragma once

#include "ado/Parameter.h"

#include <vector>

namespace ado {

// Command.Parameters.
class Parameters {
public:
    void Append(ParameterPtr parameter) { m_items.push_back(std::move(parameter)); }
    int Count() const { return int(m_items.size()); }
    ParameterPtr Item(int index) const;
    ParameterPtr Item(const QString& name) const;   // with or without "@", any case
    void Delete(int index);
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    std::vector<ParameterPtr> m_items;
};

using ParametersPtr = std::shared_ptr<Parameters>;

} // namespace ado
