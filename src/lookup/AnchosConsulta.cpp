#include "lookup/AnchosConsulta.h"

#include "vb/App.h"
#include "vb/Conversions.h"
#include "vb/Error.h"
#include "vb/Files.h"
#include "vb/Strings.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace lookup {

namespace {

const QString kFileName = QStringLiteral("CONSULTASLEN.QZT");
constexpr int kPathNotFound = 76;
constexpr int kPermissionDenied = 70;

std::optional<AnchosConsulta::Line> lineOf(const QString& text)
{
    if (vb::Trim(text).isEmpty())
        return std::nullopt;
    try {
        vb::TextFileReader reader = vb::TextFileReader::fromText(text);
        const QList<vb::Variant> fields = reader.readFields(2);
        return AnchosConsulta::Line{vb::CStr(fields[0]), vb::CStr(fields[1])};
    } catch (const vb::Error&) {
        return std::nullopt;
    }
}

} // namespace

QString AnchosConsulta::path()
{
    const QString folder = vb::App::path();
    const QString found = vb::findFileNoCase(folder, kFileName);
    return found.isEmpty() ? QDir(folder).filePath(kFileName) : found;
}

QList<AnchosConsulta::Line> AnchosConsulta::lines()
{
    QList<Line> out;
    const QString file = path();
    if (!vb::FileExists(file))
        return out;
    for (const QString& text : vb::readTextLines(file)) {
        if (std::optional<Line> line = lineOf(text))
            out.append(*line);
    }
    return out;
}

QStringList AnchosConsulta::read(const QString& tabla)
{
    QStringList out;
    for (const Line& line : lines()) {
        if (vb::textEquals(line.tabla, tabla))
            out.append(line.anchos);
    }
    return out;
}

void AnchosConsulta::write(const QString& tabla, const QString& anchos)
{
    QByteArray bytes;
    auto put = [&bytes](const QString& name, const QString& widths) {
        bytes += vb::Windows1252::encode(vb::writeFields({vb::Variant(name), vb::Variant(widths)}));
        bytes += "\r\n";
    };
    for (const Line& line : lines()) {
        if (!vb::textEquals(line.tabla, tabla))
            put(line.tabla, line.anchos);
    }
    put(tabla, anchos);

    const QString file = path();
    if (!QFileInfo(QFileInfo(file).absolutePath()).isDir())
        vb::raise(kPathNotFound);
    // Unbuffered, so that a short write is seen here and not lost in a buffer at commit.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || out.write(bytes) != bytes.size() || !out.commit())
        vb::raise(kPermissionDenied);
}

QList<double> AnchosConsulta::parse(const QString& anchos)
{
    QList<double> widths;
    QStringList parts = anchos.split(u'|');
    parts.removeLast();                         // the text after the last "|" is no width
    try {
        for (const QString& part : parts)
            widths.append(vb::Val(part));
    } catch (const vb::Error&) {
        // A number past Val's range (error 6) ends the widths there.
    }
    return widths;
}

QString AnchosConsulta::number(double width)
{
    return vb::Trim(vb::Str(vb::Variant(float(width))));
}

QString AnchosConsulta::format(const QList<double>& widths)
{
    QString text;
    for (double width : widths)
        text += number(width) + u'|';
    return text;
}

void GrabarAnchosConsulta(const QString& tabla, const QString& anchos)
{
    vb::Trap skip = vb::Trap::skipping();
    skip.run([&] { AnchosConsulta::write(tabla, anchos); });
}

QStringList LeerAnchosConsulta(const QString& tabla)
{
    return AnchosConsulta::read(tabla);
}

} // namespace lookup
