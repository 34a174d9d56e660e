#pragma once
// Every message box, input box, file dialog and modal window of the program goes through
// this service. The Qt implementation shows real dialogs; the scripted one (tests) records
// each prompt and answers from a script, so no test ever blocks.

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace ui {

// Styles and answers of the original's message box.
enum MsgBoxStyle {
    vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4, vbRetryCancel = 5,
    vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
    vbDefaultButton1 = 0, vbDefaultButton2 = 256, vbDefaultButton3 = 512
};
enum MsgBoxResult { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

class DialogService {
public:
    virtual ~DialogService() = default;
    // Message box: returns one of MsgBoxResult. An empty title means the program's title.
    virtual int msgBox(const QString& prompt, int style = vbOKOnly, const QString& title = {}) = 0;
    // Input box: the typed text, "" on cancel.
    virtual QString inputBox(const QString& prompt, const QString& title = {}, const QString& defaultText = {}) = 0;
    // File-open dialog: the chosen path, "" on cancel. filter uses the original's "Text|*.ext|..." form.
    virtual QString openFileName(const QString& title, const QString& filter, const QString& initialFolder) = 0;
    // File-save dialog: the chosen path, "" on cancel. initialPath is a folder or a proposed file.
    // A name typed without an extension gets the first pattern's extension ("*.pdf" gives .pdf);
    // the Qt dialog asks before replacing an existing file.
    virtual QString saveFileName(const QString& title, const QString& filter, const QString& initialPath) = 0;
    // Modal window: runs it to its end and returns its result code (QDialog::exec() in the Qt service).
    virtual int showModal(QDialog* dialog) = 0;
    // Modeless window: shown, the caller goes on.
    virtual void showModeless(QWidget* window) = 0;

    static DialogService& instance();               // the Qt service unless a test installed another
    static void setInstance(DialogService* service); // nullptr restores the Qt service
    // The service a caller installed, nullptr while the Qt service is in use. Only the GUI
    // thread shows dialogs, so the current service is a plain pointer.
    static DialogService* installed();

    // The title of a box whose caller gave none: the program title when one was set, else
    // QCoreApplication::applicationName().
    static QString programTitle();
    static void setProgramTitle(const QString& title);
    static QString effectiveTitle(const QString& title);
};

// Shorthands used throughout the program.
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = {});
QString InputBox(const QString& prompt, const QString& title = {}, const QString& defaultText = {});

} // namespace ui
