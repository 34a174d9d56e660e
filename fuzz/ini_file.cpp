// INI files, read and written: any file is read; the input's last line, "section|key|value",
// is then written into it. A write reported done reads back as written (at most the 1,023
// characters a read gives); one refused leaves the file as it was.
#include "FuzzSupport.h"

#include "kit/IniFile.h"

#include <QFile>

namespace {
QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzz::start(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = fuzz::bytes(data, size);
    const QString path = fuzz::write(QStringLiteral("fuzz.ini"), input);
    kit::IniFile ini(path);
    for (const QString& section : ini.sections())
        for (const QString& key : ini.keys(section))
            ini.value(section, key, QStringLiteral("default "));

    const QStringList order = QString::fromUtf8(input.mid(input.lastIndexOf('\n') + 1)).split(u'|');
    if (order.size() != 3)
        return 0;
    if (!ini.setValue(order[0], order[1], order[2])) {
        if (contents(path) != input)
            qFatal("a refused write changed the file");
        return 0;
    }
    const std::optional<QString> readBack = kit::IniFile(path).value(order[0], order[1]);
    if (readBack != order[2].left(kit::IniFile::MaxValueLength))
        qFatal("a write reported done reads back different");
    return 0;
}
