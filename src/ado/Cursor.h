#pragma once

#include "ado/ResultSet.h"

#include <memory>
#include <vector>

namespace ado {

// The rows of one statement, handed out as the engine reads them. Failures throw
// DatabaseFailure. The engine's Connection releases its cursors before it closes, so that no
// statement outlives the handle it was made on.
class Cursor {
public:
    virtual ~Cursor() = default;
    virtual const std::vector<ColumnInfo>& columns() const = 0;
    // The next row's values as a Recordset would give them; false after the last.
    virtual bool fetch(std::vector<vb::Variant>& row) = 0;

    void release()
    {
        freeStatement();
        m_released = true;
    }
    bool released() const { return m_released; }

protected:
    virtual void freeStatement() = 0;   // may run more than once

private:
    bool m_released = false;
};

using CursorPtr = std::shared_ptr<Cursor>;

} // namespace ado
