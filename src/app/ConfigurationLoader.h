#pragma once
// Turns the suite's settings (TA_CONFIGURACION) and the current user's row of ta_usuarios into
// the module's configuration values (state().configuration, AppModule.h), once per start,
// before the user is validated.

#include <QString>
#include <QStringList>
#include <functional>

namespace vb {
class Trap;
}

namespace app {

struct ConfigurationValues;

// Carpeta is the program folder ending in a separator. Every failing step is passed over and
// its value keeps what it had; Cfg reports its own failures. The only writes are the colour
// reset (CFondo and CLetra) when both colours read alike.
void CargarConfiguracion(const QString& Carpeta);

class ConfigurationLoader {
public:
    explicit ConfigurationLoader(QString folder);
    void run();

    // Executables of the suite's sales programs, whose decimals come from CantidadDecimalesVentas.
    static const QStringList& salesPrograms();

private:
    void step(const std::function<void()>& statement);
    void readDisplayAndLookupValues();
    void readSalesValues();
    void readCurrentUser();
    void readUnitsAndPeriod();
    void readColours();
    void readTradeSwitches();
    void readLocksAndLots();
    void settleVatCondition();

    QString m_folder;
    ConfigurationValues& m_values;  // the program state's, where every value read lands
    vb::Trap* m_trap = nullptr;
};

} // namespace app
