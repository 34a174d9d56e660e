// The column-widths file CONSULTASLEN.QZT: any bytes read as lines, each line's widths parsed
// and formatted again, and a rewrite of a table's line read back as written.
#include "FuzzSupport.h"

#include "lookup/AnchosConsulta.h"
#include "vb/Error.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::write(QStringLiteral("CONSULTASLEN.QZT"), fuzz::bytes(data, size));
    const QList<lookup::AnchosConsulta::Line> lines = lookup::AnchosConsulta::lines();
    for (const lookup::AnchosConsulta::Line& line : lines) {
        const QList<double> widths = lookup::AnchosConsulta::parse(line.anchos);
        if (lookup::AnchosConsulta::parse(lookup::AnchosConsulta::format(widths)).size() != widths.size())
            qFatal("formatted widths read back as another number of columns");
        lookup::AnchosConsulta::read(line.tabla);
    }
    if (lines.isEmpty())
        return 0;
    const lookup::AnchosConsulta::Line& first = lines.front();
    const QString widths = lookup::AnchosConsulta::format(lookup::AnchosConsulta::parse(first.anchos));
    try {
        lookup::AnchosConsulta::write(first.tabla, widths);
    } catch (const vb::Error&) {
        return 0;
    }
    // The file's quoted fields hold no double quote nor line break (table names never have
    // them): where a name has one, rewriting its line may change what it reads as.
    static const QRegularExpression unstorable(QStringLiteral("[\"\\r\\n]"));
    for (const lookup::AnchosConsulta::Line& line : lines)
        if (line.tabla.contains(unstorable))
            return 0;
    const QString readBack = lookup::AnchosConsulta::read(first.tabla).value(0);
    if (readBack != widths)
        qFatal("the rewritten line of \"%s\" reads back \"%s\", not \"%s\"", qPrintable(first.tabla), qPrintable(readBack),
               qPrintable(widths));
    return 0;
}
