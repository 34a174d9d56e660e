// The suite's parameter line and the host part of a server text: any line is read.
#include "FuzzSupport.h"

#include "app/CommandLine.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString line = fuzz::text(data, size);
    app::CommandLineValues before;
    before.ParametroAdicional = QStringLiteral("RMC");
    const app::CommandLineValues values = app::LeerLineaParametros(line, before);
    app::HostDeServidor(values.Servidor);
    app::HostDeServidor(line);
    return 0;
}
