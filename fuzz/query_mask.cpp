// The query-mask file consultas.qzt: any bytes read as records, each record's lookup statement
// built, and the records appended to a new file read back the same.
#include "FuzzSupport.h"

#include "lookup/LookupStatement.h"
#include "lookup/MaskFile.h"

#include <QFile>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = fuzz::write(QStringLiteral("consultas.qzt"), fuzz::bytes(data, size));
    QList<lookup::MascaraConsulta> records;
    lookup::MaskFile::find(path, [&](const lookup::MascaraConsulta& record) {
        records << record;
        return false;
    });
    for (const lookup::MascaraConsulta& record : records) {
        lookup::MaskFile::find(path, record.tablaLimpia());
        QString campo;
        QString sql;
        lookup::LookupStatement::fromMask(record, 1000, QStringLiteral("Activo = 1"), campo, sql);
        lookup::LookupStatement::hasTopLevelOr(record.Condicion);
    }

    const QString copy = fuzz::folder() + QStringLiteral("/copia.qzt");
    QFile::remove(copy);
    lookup::MaskFile::append(copy, records);
    qsizetype n = 0;
    lookup::MaskFile::find(copy, [&](const lookup::MascaraConsulta& record) {
        const lookup::MascaraConsulta& original = records.at(n++);
        if (record.Nombre != original.Nombre || record.Tabla != original.Tabla || record.Campos != original.Campos
            || record.Condicion != original.Condicion)
            qFatal("an appended record reads back different");
        return false;
    });
    if (n != records.size())
        qFatal("appended records are missing");
    return 0;
}
