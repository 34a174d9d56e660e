#pragma once

#include "ado/AdoEnums.h"

#include <vb/Variant.h>

#include <memory>

namespace ado {

// One parameter of a Command.
class Parameter {
public:
    Parameter(QString name, int type, int direction, qint64 size, vb::Variant value)
        : m_name(std::move(name)), m_type(type), m_direction(direction), m_size(size), m_value(std::move(value)) {}

    QString Name() const { return m_name; }
    int Type() const { return m_type; }
    int Direction() const { return m_direction; }
    qint64 Size() const { return m_size; }
    vb::Variant Value() const { return m_value; }
    void setValue(const vb::Variant& value) { m_value = value; }

private:
    QString m_name;
    int m_type;
    int m_direction;
    qint64 m_size;
    vb::Variant m_value;
};

using ParameterPtr = std::shared_ptr<Parameter>;

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
