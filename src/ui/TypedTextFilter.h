#pragma once

#include <QObject>

class QCoreApplication;
class QLineEdit;

namespace ui {

// One rule for the text that enters the program through its boxes: a one-line box never
// holds a control character. Qt already ignores them as keys, but a paste, a drop or an input
// method brings them in, and a NUL in a filter, a code or a login name ended the statement
// built from it. Every QLineEdit of the program (combo box editors and the input box
// included) drops them as they come in, before any handler of the box sees the text; what is
// left, and the cursor, stay as they were. Installed once on the application: each line box
// is equipped when it is polished, before it is first shown.
class TypedTextFilter : public QObject {
    Q_OBJECT
public:
    static void install(QCoreApplication& application);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    static void equip(QLineEdit* box);
};

} // namespace ui
