#pragma once
// The dialogs a user sees: real message boxes, input box, file dialog and windows.

#include "DialogService.h"

class QFileDialog;

namespace ui {

class QtDialogService : public DialogService {
public:
    int msgBox(const QString& prompt, int style = vbOKOnly, const QString& title = {}) override;
    QString inputBox(const QString& prompt, const QString& title = {}, const QString& defaultText = {}) override;
    QString openFileName(const QString& title, const QString& filter, const QString& initialFolder) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& initialPath) override;
    int showModal(QDialog* dialog) override;
    void showModeless(QWidget* window) override;

private:
    static QString chosenFile(QFileDialog& dialog);
};

} // namespace ui
