#pragma once
// Keys as the original's key handlers received them: KeyCode (the key, e.g. 13 Enter, 27 Esc,
// 40 Down arrow, 112 to 135 F1 to F24, 65 to 90 letters whatever the shift) with the Shift
// state (1 Shift, 2 Ctrl, 4 Alt), and KeyAscii (the character typed, 0 when the key types
// none).

class QKeyEvent;

namespace reports {

class KeyCodes {
public:
    static int keyCode(const QKeyEvent* event);
    static int shift(const QKeyEvent* event);
    static int keyAscii(const QKeyEvent* event);
    static int fromQtKey(int key);
};

} // namespace reports
