#pragma once

#include <QStringList>

// The statements ("> " lines) of every file of the dialect corpus, in file order; a file that
// does not open is a test failure.
QStringList corpusStatements();
