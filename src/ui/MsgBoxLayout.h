#pragma once
// What a message-box style number asks for: the buttons (as the answers they give, in the
// order the original shows them), the icon and the default button. Both dialog services
// decode styles here so that the scripted one answers "by default" exactly as a user
// pressing Enter on the real box would.

#include <QList>

namespace ui {

class MsgBoxLayout {
public:
    enum Icon { NoIcon = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };

    explicit MsgBoxLayout(int style);

    const QList<int>& buttons() const { return m_buttons; }
    Icon icon() const { return m_icon; }
    // 0-based position of the default button; a default beyond the last button falls back
    // to the first, as the original does.
    int defaultIndex() const { return m_defaultIndex; }
    int defaultAnswer() const { return m_buttons.at(m_defaultIndex); }
    // The answer of Escape and the close box: Cancel when there is one, else the lone OK,
    // else the answer that stops the action (No, Abort). The original ignored Escape on
    // Yes/No and Abort/Retry/Ignore boxes; here it never leaves a box without an answer.
    int escapeAnswer() const;
    bool offers(int answer) const { return m_buttons.contains(answer); }

private:
    static QList<int> buttonsFor(int buttonGroup);
    static Icon iconFor(int iconGroup);

    QList<int> m_buttons;
    Icon m_icon;
    int m_defaultIndex;
};

} // namespace ui
