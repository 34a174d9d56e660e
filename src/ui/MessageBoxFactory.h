#pragma once
// Builds the QMessageBox for a message-box style without showing it, so the layout can be
// checked without a user; the answer is read back from the button that closed it.

#include <QString>
#include <memory>

class QMessageBox;
class QObject;
class QWidget;

namespace ui {

class MessageBoxFactory {
public:
    static std::unique_ptr<QMessageBox> create(const QString& prompt, int style, const QString& title = {},
                                               QWidget* parent = nullptr);
    // One of MsgBoxResult: the clicked button's answer, or the escape button's when the box
    // was closed another way.
    static int answer(const QMessageBox& box);
    // The answer a button of a box built here stands for, 0 for any other button.
    static int answerOf(const QObject* button);
};

} // namespace ui
