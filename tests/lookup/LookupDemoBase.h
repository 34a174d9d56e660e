#pragma once
// The lookups as the program runs them: the demo database open, the start-up's lookup step
// done (the default query masks beside the program), a fresh program state and recording
// windows. The module's error log lies in the temporary program folder (LookupTestBase).

#include "LookupTestBase.h"

#include "app/AppModule.h"
#include "lookup/Consultas.h"
#include "lookup/Lib_ClsCons3.h"

#include <QFile>

class LookupDemoBase : public LookupTestBase {
protected:
    LookupDemoBase()
    {
        openDemo();
        lookup::PrepararConsultas();
        recordWindows();
    }

    lookup::Lib_ClsCons3& consulta() { return lookup::gConsulta(); }

    // The next window answers with this value chosen and these values collected.
    void pick(const QString& value, const QStringList& values = {})
    {
        nextAnswer.ValorDevuelto = value;
        nextAnswer.Valores = vb::Collection::create();
        for (const QString& v : values)
            nextAnswer.Valores->add(v);
    }

    // The list window records, besides the request, the column names of its list as they were
    // handed over (the driver empties that list when the lookup ends).
    QStringList handedNames;
    void recordColumnNames()
    {
        lookup::LookupWindows::setListRunner([this](const lookup::ListLookupRequest& request) {
            listRequests.append(request);
            handedNames.clear();
            if (request.CmpsDevueltos)
                for (const vb::Variant& name : *request.CmpsDevueltos)
                    handedNames << name.toString();
            return nextAnswer;
        });
    }

    // The module's error log: a test that expects no error dialog also expects no line there.
    bool errorLogged() const { return QFile::exists(programFile(QStringLiteral("KQERR.LOG"))); }
};
