#pragma once

#include "ado/Error.h"

#include <exception>
#include <vector>

namespace ado {

// What an engine throws: the provider's records and the ADO number to raise. The Connection
// turns it into Errors and a vb::Error.
class DatabaseFailure : public std::exception {
public:
    DatabaseFailure(int number, std::vector<Error> records) : m_number(number), m_records(std::move(records)) {}
    int number() const { return m_number; }
    const std::vector<Error>& records() const { return m_records; }
    bool connectionLost() const;
    const char* what() const noexcept override { return "database failure"; }

    // ADO's number for a SQL state, as the OLE DB providers report it.
    static int numberForState(const QString& sqlState);

private:
    int m_number;
    std::vector<Error> m_records;
};

} // namespace ado
