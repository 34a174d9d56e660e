#pragma once

namespace ado {

// For tests: the next `operations` database operations of any connection (open, execute,
// recordset open, schema, transactions, row writes) fail as a lost connection.
class TestHooks {
public:
    static void failNextOperations(int operations);
    static bool consumeFailure();   // true when this operation must fail
};

} // namespace ado
