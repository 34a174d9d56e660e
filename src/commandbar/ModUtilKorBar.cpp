#include "commandbar/ModUtilKorBar.h"
#include "commandbar/BarEnvironment.h"
#include "commandbar/BarText.h"
#include "commandbar/ColorStyle.h"

#include "kit/ArchivoIni.h"
#include "vb/Files.h"
#include "kit/IniFile.h"
#include "vb/Files.h"
#include "vb/Conversions.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace commandbar {

QString ModUtilKorBar::NormalizeFolder(const QString& path)
{
    const QString p = BarText::trim(path);
    if (p.isEmpty() || p.endsWith(u'/') || p.endsWith(u'\\'))
        return p;
    return p + u'/';
}

QString ModUtilKorBar::firstVariable(const QStringList& names)
{
    for (const QString& name : names) {
        const QString value = BarText::trim(BarEnvironment::instance().variable(name));
        if (!value.isEmpty())
            return value;
    }
    return {};
}

// USER stands in for Windows' USERNAME, which Linux sessions seldom set.
QString ModUtilKorBar::CurrentUserName()
{
    const QString name = firstVariable({QStringLiteral("USERNAME"), QStringLiteral("USER")});
    return name.isEmpty() ? QStringLiteral("DEFAULT") : name;
}

QString ModUtilKorBar::CurrentDbName()
{
    QString name = CommandLineValue(QStringLiteral("@dbname"));
    if (name.isEmpty())
        name = firstVariable({QStringLiteral("QDR_DBNAME"), QStringLiteral("GDBNAME"), QStringLiteral("DBNAME")});
    return name.isEmpty() ? QStringLiteral("DEFAULT") : name;
}

// COMPUTERNAME is Windows'; elsewhere the host name plays its part.
QString ModUtilKorBar::WorkstationName()
{
    QString name = firstVariable({QStringLiteral("COMPUTERNAME")});
    if (name.isEmpty())
        name = BarText::trim(BarEnvironment::instance().hostName());
    return name.toUpper();
}

// A key counts only where a key can stand: at the start of the line or after a ";" (blanks
// between allowed), and followed by a blank, "=", ";" or the end, so "@dbname" never matches
// inside "@dbnameX" or inside a value.
int ModUtilKorBar::wholeKeyPosition(const QString& upperLine, const QString& key)
{
    for (qsizetype p = upperLine.indexOf(key); p >= 0; p = upperLine.indexOf(key, p + 1)) {
        qsizetype before = p - 1;
        while (before >= 0 && upperLine.at(before) == u' ')
            --before;
        const bool startsKey = before < 0 || upperLine.at(before) == u';';
        const qsizetype after = p + key.size();
        const bool endsKey = after >= upperLine.size() || QStringLiteral(" =;").contains(upperLine.at(after));
        if (startsKey && endsKey)
            return int(p);
    }
    return -1;
}

QString ModUtilKorBar::CommandLineValue(const QString& key)
{
    const QString cmd = BarText::trim(BarEnvironment::instance().commandLine());
    const QString k = BarText::upperTrim(key);
    if (cmd.isEmpty() || k.isEmpty())
        return {};
    const int p = wholeKeyPosition(cmd.toUpper(), k);
    if (p < 0)
        return {};
    const QString rest = BarText::trim(cmd.mid(p + k.size()));
    if (!rest.startsWith(u'='))
        return {};
    QString value = rest.mid(1);
    const qsizetype semicolon = value.indexOf(u';');
    if (semicolon >= 0)
        value.truncate(semicolon);
    value = BarText::trim(value);
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        value = value.mid(1, value.size() - 2);
    return BarText::trim(value);
}

QString ModUtilKorBar::IniFilePath(const QString& file)
{
    const QString name = BarText::trim(file);
    if (name.isEmpty())
        return {};
    if (name.contains(u'\\') || name.contains(u'/'))
        return name;
    return NormalizeFolder(BarEnvironment::instance().programFolder()) + name;
}

QString ModUtilKorBar::ReadIni(const QString& file, const QString& section, const QString& key,
                               const QString& defaultValue)
{
    const QString path = IniFilePath(file);
    if (path.isEmpty())
        return defaultValue;
    // As the system call: a missing key gives the default without its trailing spaces, and an
    // empty result gives the default as it was passed.
    const QString value = kit::IniFile(vb::resolvePath(path)).value(section, key, defaultValue);
    return value.isEmpty() ? defaultValue : value;
}

double ModUtilKorBar::numericValue(const QString& text)
{
    return vb::detail::bankersRound(vb::Val(text));
}

int ModUtilKorBar::ReadStyleNumber(const QString& file, const QString& section)
{
    if (BarText::trim(section).isEmpty())
        return -1;
    const QString value = BarText::trim(ReadIni(file, section, QStringLiteral("Styles"), {}));
    if (value.isEmpty())
        return -1;
    const double n = numericValue(value);
    return n >= 0 && n < 100 ? int(n) : -1;
}

QString ModUtilKorBar::ScanStylesSection(const QString& file)
{
    const QString path = IniFilePath(file);
    if (path.isEmpty())
        return {};
    QFile in(vb::resolvePath(path));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    const QString text = vb::Windows1252::decode(in.readAll());
    for (QString line : text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")))) {
        line = BarText::trim(line);
        if (line.size() < 3 || !line.startsWith(u'[') || !line.endsWith(u']'))
            continue;
        const QString name = line.mid(1, line.size() - 2);
        if (name.right(6).toUpper() == QLatin1String("STYLES"))
            return name;
    }
    return {};
}

QString ModUtilKorBar::FindStyleKey(const QString& file, const QString& user, const QString& db)
{
    const QString u = BarText::upperTrim(user);
    const QString d = BarText::upperTrim(db);
    const QString w = WorkstationName();
    const QString styles = QStringLiteral("Styles");
    QStringList candidates;
    if (!u.isEmpty())
        candidates << u + styles;
    if (!u.isEmpty() && !w.isEmpty())
        candidates << w + u'|' + u + styles;
    if (!u.isEmpty() && !d.isEmpty())
        candidates << u + u'_' + d + styles;
    if (!u.isEmpty() && !d.isEmpty() && !w.isEmpty())
        candidates << w + u'|' + u + u'_' + d + styles;
    if (!d.isEmpty())
        candidates << d + u'_' + d + styles;
    for (const QString& section : candidates)
        if (ReadStyleNumber(file, section) >= 0)
            return section;
    return ScanStylesSection(file);
}

int ModUtilKorBar::ResolveBarStyle(const QString& user, const QString& db)
{
    QString u = BarText::upperTrim(user);
    if (u.isEmpty())
        u = CurrentUserName().toUpper();
    QString d = BarText::upperTrim(db);
    if (d.isEmpty())
        d = CurrentDbName().toUpper();

    QString value;
    const QString section = FindStyleKey(IniFile, u, d);
    if (!section.isEmpty())
        value = BarText::trim(ReadIni(IniFile, section, QStringLiteral("Styles"), {}));
    if (value.isEmpty()) {
        kit::ArchivoIni ini;
        ini.setFolder(BarEnvironment::instance().programFolder());
        const QString osUser = BarEnvironment::instance().systemUserName().toUpper();
        value = ini.LeerValor(IniFile, osUser + QStringLiteral("Styles"), QStringLiteral("Styles"), QStringLiteral("0"));
    }
    if (value.isEmpty())
        value = BarText::trim(ReadIni(IniFile, QStringLiteral("UtilKorBar_") + d, QStringLiteral("Estilo"), {}));
    if (value.isEmpty())
        value = QStringLiteral("4");
    const double n = numericValue(value);
    return StyleToTheme(n >= -32768 && n <= 32767 ? int(n) : -1);
}

int ModUtilKorBar::StyleToTheme(int skin)
{
    return ColorStyle::fromSkinNumber(skin);
}

QString ModUtilKorBar::CaptionFontName()
{
    const QString fallback = QStringLiteral("Segoe UI");
    const QString section = CurrentUserName().toUpper() + u'_' + CurrentDbName().toUpper() + QStringLiteral("Font");
    const QString name = BarText::trim(ReadIni(IniFile, section, QStringLiteral("Font"), fallback));
    return name.isEmpty() ? fallback : name;
}

QString ModUtilKorBar::IniImageFolder()
{
    const QString value = BarText::trim(ReadIni(IniFile, QStringLiteral("BrixGestion"), QStringLiteral("PathSistema"), {}));
    const QString base = value.isEmpty() ? BarEnvironment::instance().programFolder() : value;
    return NormalizeFolder(base) + QStringLiteral("img_menu/");
}

} // namespace commandbar
