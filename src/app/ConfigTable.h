#pragma once
// The suite's settings table TA_CONFIGURACION, one text value per key: Cfg and GrabaDfg on the
// suite database (gDB), CfgKQ and GrabaCfgKQ on the statistics database (gDBEstadisticas).
// Values travel as text; a switch is on when its text is "SI". Nothing is cached: every read
// is one query and sees the latest stored value.

#include "vb/Variant.h"

#include <QString>

namespace ado {
class Recordset;
}
namespace data {
class DB_Dll;
}
namespace vb {
class Trap;
}

namespace app {

// The Valor of the key's row; " " (one blank) when there is none, "" when the suite connection
// is closed. ValorAux, when given, receives the row's ValorAux ("" without a row). With a group
// other than "DATOS" the row must belong to that group. The key is searched trimmed; "THEME"
// reads "1" when blank. A failure goes to TratamientoErrores under "Cfg": Ignore goes on with
// the next step, any other answer gives "".
QString Cfg(const QString& Clave, QString* ValorAux = nullptr, const QString& Grupo = QStringLiteral("DATOS"));

// Writes the key's row (added when missing): key trimmed and upper-cased, the value trimmed
// when Recortar, ValorAux only when given (kept otherwise). Borrar deletes the row instead, and
// writes nothing when the key has no row. Nothing is raised or shown: a failed write leaves one
// line in the module's error log.
void GrabaDfg(const QString& Clave, const vb::Variant& Valor, const QString& ValorAux = {}, bool PoliticaNegocio = false,
              const QString& Grupo = QStringLiteral("DATOS"), bool Recortar = true, bool Borrar = false);

// The same pair on the statistics database. The row is found by key alone, the group is only
// written; ValorAux is always stored trimmed. Errors go to TratamientoErrores under "CfgKQ",
// where Retry runs the failing step again.
QString CfgKQ(const QString& Clave, QString* ValorAux = nullptr);
void GrabaCfgKQ(const QString& Clave, const vb::Variant& Valor, const QString& ValorAux = {},
                bool PoliticaNegocio = false, const QString& Grupo = QStringLiteral("DATOS"), bool Recortar = true);

// One settings table and the rules of its reader and writer.
class ConfigTable {
public:
    static ConfigTable suite();          // TA_CONFIGURACION through configuration.TablaConfiguracion, on gDB
    static ConfigTable statistics();     // "TA_CONFIGURACION" of KQ_ESTADISTICAS

    QString read(const QString& Clave, QString* ValorAux, const QString& Grupo) const;
    void write(const QString& Clave, const vb::Variant& Valor, const QString& ValorAux, bool PoliticaNegocio,
               const QString& Grupo, bool Recortar, bool Borrar) const;

    QString readStatement(const QString& Clave, const QString& Grupo) const;
    QString writeStatement(const QString& Clave, const QString& Grupo) const;

private:
    explicit ConfigTable(bool statistics) : m_statistics(statistics) {}
    data::DB_Dll& db() const;
    QString tableName() const;
    QString readRoutine() const;
    QString writeRoutine() const;
    bool groupApplies(const QString& Grupo) const;
    void fillRow(vb::Trap& trap, ado::Recordset& rs, const QString& Clave, const vb::Variant& Valor, const QString& ValorAux,
                 bool PoliticaNegocio, const QString& Grupo, bool Recortar) const;

    bool m_statistics;
};

} // namespace app
