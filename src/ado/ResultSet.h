#pragma once

#include "ado/RowStore.h"

#include <vb/Variant.h>

#include <QString>
#include <vector>

namespace ado {

// What a recordset knows of one of its columns.
struct ColumnInfo {
    QString name;
    int type = 200;              // ADO DataTypeEnum
    qint64 definedSize = 0;
    int precision = 255;
    int numericScale = 255;
    QString baseTable;           // "" for computed columns
    QString baseColumn;
    bool key = false;            // part of the base table's primary key
    int tableKeyColumns = 0;     // how many columns that key has
    bool autoIncrement = false;
};

// Rows read whole from the engine, row-major.
struct ResultSet {
    std::vector<ColumnInfo> columns;
    RowStore values;

    size_t columnCount() const { return columns.size(); }
    size_t rowCount() const { return rows; }
    void countRows() { rows = columns.empty() ? 0 : values.size() / columns.size(); }   // after filling values
    vb::Variant at(size_t row, size_t column) const;
    void set(size_t row, size_t column, const vb::Variant& value) { values.set(row * columns.size() + column, value); }
    void appendRow(const std::vector<vb::Variant>& row);
    void eraseRow(size_t row)
    {
        values.erase(row * columns.size(), columns.size());
        --rows;
    }

    size_t rows = 0;
};

// The outcome of running a statement or batch: the first row set it produced, if any.
struct ExecuteResult {
    bool hasRows = false;
    ResultSet rows;
    qint64 recordsAffected = -1;
};

} // namespace ado
