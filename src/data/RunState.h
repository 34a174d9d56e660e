#pragma once
// What a run of the data access starts with. The program module's reset (app::resetState)
// calls resetRunState so that a second start in one process, or the next test, finds nothing
// of the one before; tests of this library call it on their own.
//
// Not reset, being wiring installed once rather than values of a run: the login window's
// factory, style hook and error handler, the reconnection pause and the desktop folder tests
// set, and the sibling programs exempt from the restricted views.

namespace data {

class DB_Dll;

// Closes the object's connection when it is open. Raises nothing and shows nothing: a failure
// is only left in Err, as a step passed over is.
void closeQuietly(DB_Dll& db);

// The shared data access object closed quietly and dropped (the next gDB() creates a fresh
// one, with default settings and no administrator flag), the path of BASES.TXT forgotten (it
// is worked out again from the program folder on its next use) and the session values cleared.
void resetRunState();

} // namespace data
