// BASES.TXT as the login window reads it: any bytes give records (Windows-1252 text), and a
// name looked up among them is found or not.
#include "FuzzSupport.h"

#include "data/BasesFile.h"
#include "vb/Error.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::write(QStringLiteral("BASES.TXT"), fuzz::bytes(data, size));
    const QList<data::BasesRecord> records = data::BasesFile::read(path);
    for (const data::BasesRecord& record : records) {
        data::BasesFile::find(records, record.nombre);
        data::BasesFile::storable(record.servidor);
    }
    data::BasesFile::parse(fuzz::text(data, size));
    return 0;
}
