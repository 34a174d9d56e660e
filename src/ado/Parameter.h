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

} // namespace ado
