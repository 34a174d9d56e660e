#pragma once
// The dialog service of tests: records every prompt in order and answers from a script.
// Nothing here waits for a user. When the script has no answer left, the prompt gets the
// documented default and is marked as having run dry, so a test can assert that its
// script covered every dialog:
//   message box  the default button's answer (what Enter does on the real box)
//   input box    "" (cancel)
//   file dialog  "" (cancel), open and save alike
//   modal window QDialog::Rejected (what Escape does)

#include "DialogService.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <functional>

namespace ui {

class ScriptedDialogService : public DialogService {
public:
    enum class Kind { MsgBox, InputBox, OpenFile, SaveFile, Modal, Modeless };

    struct Prompt {
        Kind kind = Kind::MsgBox;
        QString text;            // prompt of a box; objectName of a window
        QString title;           // as the user would see it (an empty title becomes the program title)
        int style = 0;           // message box: the style number as given
        QList<int> buttons;      // message box: the answers of its buttons, in the original's order
        int icon = 0;            // message box: 0, 16, 32, 48 or 64
        int defaultAnswer = 0;   // message box: the answer of its default button
        QString defaultText;     // input box
        QString filter;          // file dialog, in the program's "Text|*.ext" form
        QString folder;          // file dialog
        QPointer<QWidget> window; // modal and modeless windows
        int answer = 0;          // what the service returned (message box, modal window)
        QString answerText;      // what the service returned (input box, file dialog)
        bool ranDry = false;     // the script had nothing for this prompt
        bool answerOffered = true; // message box: the scripted answer is one of its buttons
    };

    using ModalHandler = std::function<int(QDialog*)>;

    // The script: each queue is consumed in order by prompts of its kind.
    void pushMsgBoxAnswer(int answer);
    void pushInputText(const QString& text);
    void pushFileName(const QString& path);        // answers open and save dialogs, in order
    void pushModalHandler(ModalHandler handler);
    void pushModalResult(int result);
    // A handler for every modal window with this objectName; it is not consumed and comes
    // before the queue.
    void setModalHandler(const QString& objectName, ModalHandler handler);

    int msgBox(const QString& prompt, int style = vbOKOnly, const QString& title = {}) override;
    QString inputBox(const QString& prompt, const QString& title = {}, const QString& defaultText = {}) override;
    QString openFileName(const QString& title, const QString& filter, const QString& initialFolder) override;
    QString saveFileName(const QString& title, const QString& filter, const QString& initialPath) override;
    // Shows the window (so show-time loading runs), hands it to the handler, and closes it
    // with done() when the handler left it open, as exec() would end; a delete-on-close
    // window is deleted afterwards, as exec() does. The handler's return is the result.
    int showModal(QDialog* dialog) override;
    void showModeless(QWidget* window) override;

    const QList<Prompt>& prompts() const { return m_prompts; }
    QList<Prompt> prompts(Kind kind) const;
    const Prompt& last() const { return m_prompts.last(); }
    bool ranDry() const;
    int dryCount() const;
    // Scripted answers no prompt has used yet.
    int unusedAnswers() const;
    void clear();

private:
    Prompt& record(Kind kind, const QString& text, const QString& title);
    QString fileDialog(Kind kind, const QString& title, const QString& filter, const QString& folder);
    ModalHandler takeModalHandler(const QString& objectName);
    static int runModal(QDialog* dialog, const ModalHandler& handler);

    QList<Prompt> m_prompts;
    QQueue<int> m_msgBoxAnswers;
    QQueue<QString> m_inputTexts;
    QQueue<QString> m_fileNames;
    QQueue<ModalHandler> m_modalHandlers;
    QHash<QString, ModalHandler> m_namedHandlers;
};

} // namespace ui
