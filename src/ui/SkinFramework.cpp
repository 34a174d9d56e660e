#include "SkinFramework.h"

#include <QApplication>
#include <QHash>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

struct SkinLook {
    const char* name;
    const char* style;
    QRgb window;
    QRgb button;
    QRgb base;
    QRgb alternateBase;
    QRgb highlight;
    QRgb highlightedText;
};

// Colours in the spirit of each desktop theme the suite's skins imitated.
constexpr SkinLook looks[] = {
    {"Vista", "Fusion", 0xFFE9EEF5, 0xFFDCE6F2, 0xFFFFFFFF, 0xFFF3F7FC, 0xFF3399FF, 0xFFFFFFFF},
    {"WinXP.Luna", "Windows", 0xFFECE9D8, 0xFFF3F1E6, 0xFFFFFFFF, 0xFFF7F5EC, 0xFF316AC5, 0xFFFFFFFF},
    {"WinXP.Royale", "Windows", 0xFFEDEDF1, 0xFFF4F4F8, 0xFFFFFFFF, 0xFFF6F6FA, 0xFF335EA8, 0xFFFFFFFF},
    {"iTunes", "Fusion", 0xFFD8D8D8, 0xFFE6E6E6, 0xFFFFFFFF, 0xFFEDF3FE, 0xFF3D80DF, 0xFFFFFFFF},
    {"Office2007", "Fusion", 0xFFD6E5F5, 0xFFE4EEFA, 0xFFFFFFFF, 0xFFEEF4FB, 0xFFFFD27A, 0xFF000000},
};

const SkinLook* lookOf(const QString& skinName)
{
    for (const SkinLook& look : looks)
        if (skinName.compare(QLatin1String(look.name), Qt::CaseInsensitive) == 0)
            return &look;
    return nullptr;
}

QString lastPathPart(const QString& path)
{
    QString part = path;
    while (part.endsWith(u'/') || part.endsWith(u'\\'))
        part.chop(1);
    const qsizetype cut = std::max(part.lastIndexOf(u'/'), part.lastIndexOf(u'\\'));
    return part.mid(cut + 1);
}

} // namespace

SkinFramework::SkinFramework(QObject* parent) : QObject(parent)
{
    setObjectName(DefaultName);
}

QString SkinFramework::skinNameOf(const QString& file, const QString& iniName)
{
    QString name = lastPathPart(file);
    if (name.endsWith(QLatin1String(".cjstyles"), Qt::CaseInsensitive))
        name.chop(int(qstrlen(".cjstyles")));
    const SkinLook* look = lookOf(name);
    if (!look)
        return {};
    // The iTunes skin is a folder whose looks are picked by the ini inside it.
    if (name.compare(QLatin1String("iTunes"), Qt::CaseInsensitive) == 0
        && iniName.compare(QLatin1String("Normalitunes.ini"), Qt::CaseInsensitive) != 0)
        return {};
    return QString::fromLatin1(look->name);
}

QString SkinFramework::styleKey(const QString& skinName)
{
    const SkinLook* look = lookOf(skinName);
    return look ? QString::fromLatin1(look->style) : QString();
}

QPalette SkinFramework::skinPalette(const QString& skinName)
{
    const SkinLook* look = lookOf(skinName);
    if (!look)
        return {};
    QPalette palette{QColor::fromRgb(look->button), QColor::fromRgb(look->window)};
    palette.setColor(QPalette::Base, QColor::fromRgb(look->base));
    palette.setColor(QPalette::AlternateBase, QColor::fromRgb(look->alternateBase));
    palette.setColor(QPalette::Highlight, QColor::fromRgb(look->highlight));
    palette.setColor(QPalette::HighlightedText, QColor::fromRgb(look->highlightedText));
    palette.setColor(QPalette::ToolTipBase, QColor::fromRgb(0xFFFFFFE1));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    return palette;
}

bool SkinFramework::LoadSkin(const QString& file, const QString& iniName)
{
    const QString name = skinNameOf(file, iniName);
    if (name.isEmpty())
        return false;
    m_skin = name;
    return true;
}

// Styles live as long as the application: widgets keep a plain pointer to theirs.
QStyle* SkinFramework::sharedStyle(const QString& key)
{
    static QHash<QString, QStyle*> styles;
    QStyle*& style = styles[key];
    if (!style) {
        style = QStyleFactory::create(key);
        if (style)
            style->setParent(qApp);
    }
    return style;
}

void SkinFramework::ApplyWindow(QWidget* window)
{
    if (!window || m_skin.isEmpty())
        return;
    if (QStyle* style = sharedStyle(styleKey(m_skin))) {
        window->setStyle(style);
        for (QWidget* child : window->findChildren<QWidget*>())
            if (!child->isWindow())
                child->setStyle(style);
    }
    if (m_options & ApplyColors)
        window->setPalette(skinPalette(m_skin));
}

} // namespace ui
