#pragma once
// Ground of the window-state, template and style tests: the module's test ground with gDB open
// on this test's copy of the demo database, the operating-system user "ana" and the
// application user "ANA".

#include "AppTestBase.h"

#include <QList>
#include <QString>
#include <ostream>

namespace apptest {

// A TA_CONFIG_FORM row, its texts as stored (blanks included).
struct ConfigRow {
    QString formulario, usuario, tipo, nombre, propiedad, datafield, valor;
    bool operator==(const ConfigRow&) const = default;
};
void PrintTo(const ConfigRow& row, std::ostream* out);

class WindowStateFixture : public AppTestBase {
protected:
    WindowStateFixture();
    ~WindowStateFixture() override;

    // Rows in the order they were written, optionally narrowed by a WHERE condition.
    QList<ConfigRow> rows(const QString& condition = {});
    int rowCount(const QString& condition = {});
    QString programFolder() const { return m_programDir.path(); }

private:
    QByteArray m_savedLogname;
};

} // namespace apptest
