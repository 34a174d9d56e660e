#pragma once
// Rows that stop coming halfway, as from a connection lost in the middle of a report: the
// runner's queries, together, give so many rows and then raise a ReportError, or, for an
// allocation that fails, std::bad_alloc.

#include "reportengine/RowSource.h"

enum class RowFailure { LostConnection, OutOfMemory };

reportengine::QueryRunner failingAfter(reportengine::QueryRunner runner, int rows, RowFailure failure = RowFailure::LostConnection);
