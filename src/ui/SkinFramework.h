#pragma once
// The skin control a window hosts (under the name "SkinFramework1") to take the program's
// skins. It stands where the suite's vendor skin control stood and keeps its calls: LoadSkin
// with a skin file and an ini name, the ApplyOptions flags, ApplyWindow with the window.
// Code that styles windows reaches it by name through the meta-object, so a window without
// one simply gets no skin.
//
// A skin here is a Qt style and a palette, chosen by the skin's file name (the last part of
// the path, without ".cjstyles"): "Vista", "WinXP.Luna", "WinXP.Royale", "Office2007", and the
// folder "iTunes" with its ini "Normalitunes.ini". The looks are built into the program, so no
// skin file has to exist on disk; a name the program does not know loads nothing and leaves
// the window as it is.

#include <QObject>
#include <QPalette>
#include <QString>

class QStyle;
class QWidget;

namespace ui {

class SkinFramework : public QObject {
    Q_OBJECT
    Q_PROPERTY(int ApplyOptions READ ApplyOptions WRITE setApplyOptions)

public:
    static inline const QString DefaultName = QStringLiteral("SkinFramework1");
    // ApplyOptions flag: the skin's colours go with its style (without it, the style alone).
    static constexpr int ApplyColors = 1;

    explicit SkinFramework(QObject* parent = nullptr);

    // False, and nothing loaded, for a skin the program does not know.
    Q_INVOKABLE bool LoadSkin(const QString& file, const QString& iniName);
    // The loaded skin's style on the window and every widget inside it, and its palette on
    // the window (children inherit it). Nothing without a loaded skin.
    Q_INVOKABLE void ApplyWindow(QWidget* window);

    int ApplyOptions() const { return m_options; }
    void setApplyOptions(int options) { m_options = options; }
    // The loaded skin, "" when none.
    const QString& skinName() const { return m_skin; }

    // The look of a known skin; an invalid palette and no style for an unknown one.
    static QPalette skinPalette(const QString& skinName);
    static QString styleKey(const QString& skinName);
    static QString skinNameOf(const QString& file, const QString& iniName);

private:
    static QStyle* sharedStyle(const QString& key);

    QString m_skin;
    int m_options = 0;
};

} // namespace ui
