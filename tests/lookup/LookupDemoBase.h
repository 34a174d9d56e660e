#pragma once
// The lookups as the program runs them: the demo database open, the start-up's lookup step
// done (the default query masks beside the program), fresh module values, the module's error
// log in the temporary program folder, and recording windows.

#include "LookupTestBase.h"

#include "app/AppModule.h"
#include "lookup/Consultas.h"
#include "lookup/Lib_ClsCons3.h"

#include <QFile>

class LookupDemoBase : public LookupTestBase {
protected:
    LookupDemoBase()
    {
        m_hadTemp = qEnvironmentVariableIsSet("TEMP");
        m_savedTemp = qgetenv("TEMP");
        qputenv("TEMP", QFile::encodeName(m_programDir.path()));
        app::resetModuleValues();
        openDemo();
        lookup::PrepararConsultas();
        recordWindows();
    }

    ~LookupDemoBase() override
    {
        app::resetModuleValues();
        if (m_hadTemp)
            qputenv("TEMP", m_savedTemp);
        else
            qunsetenv("TEMP");
    }

    lookup::Lib_ClsCons3& consulta() { return lookup::gConsulta(); }

    // The module's error log: a test that expects no error dialog also expects no line there.
    bool errorLogged() const { return QFile::exists(programFile(QStringLiteral("KQERR.LOG"))); }

private:
    QByteArray m_savedTemp;
    bool m_hadTemp = false;
};
