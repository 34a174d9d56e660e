#pragma once
// Rows that stop coming halfway, as from a connection lost in the middle of a report: the
// runner's queries, together, give so many rows and then raise a ReportError.

#include "reportengine/RowSource.h"

reportengine::QueryRunner failingAfter(reportengine::QueryRunner runner, int rows);
