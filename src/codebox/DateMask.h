#pragma once
// The day/month/year entry mask of a text box tagged "FECHA": each digit overwrites its place
// in "dd/mm/yyyy", the slashes are stepped over, Backspace blanks the place before the
// caret, anything else is swallowed.

class QLineEdit;

namespace codebox {

class DateMask {
public:
    // Applies key `keyAscii` to the box and sets it to 0 (the box never receives the key)
    // when the box is tagged "FECHA"; any other box is left alone. Enter empties a text that
    // is no valid date. Raises when the caret stands past the tenth place.
    static void apply(QLineEdit* box, int& keyAscii);
};

} // namespace codebox
