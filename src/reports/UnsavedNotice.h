#pragma once
// What the operator is told when the database did not take a write of the report window (a
// database opened read-only, a lost connection, a lock held too long): one box, naming what was
// not stored and what stays instead. The writes themselves stay quiet (their failure is in the
// error log); the window asks the store whether it took them and tells the operator here.

#include <QString>

namespace reports {

struct UnsavedNotice {
    // The window's values, when it closes.
    static void windowValues();
    static void templateNotSaved(const QString& name);
    static void templateNotDeleted(const QString& name);
};

} // namespace reports
