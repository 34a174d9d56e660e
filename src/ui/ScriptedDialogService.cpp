#include "ScriptedDialogService.h"
#include "MsgBoxLayout.h"

#include <QDialog>

namespace ui {

void ScriptedDialogService::pushMsgBoxAnswer(int answer)
{
    m_msgBoxAnswers.enqueue(answer);
}

void ScriptedDialogService::pushInputText(const QString& text)
{
    m_inputTexts.enqueue(text);
}

void ScriptedDialogService::pushFileName(const QString& path)
{
    m_fileNames.enqueue(path);
}

void ScriptedDialogService::pushModalHandler(ModalHandler handler)
{
    m_modalHandlers.enqueue(std::move(handler));
}

void ScriptedDialogService::pushModalResult(int result)
{
    pushModalHandler([result](QDialog*) { return result; });
}

void ScriptedDialogService::setModalHandler(const QString& objectName, ModalHandler handler)
{
    m_namedHandlers.insert(objectName, std::move(handler));
}

ScriptedDialogService::Prompt& ScriptedDialogService::record(Kind kind, const QString& text, const QString& title)
{
    Prompt prompt;
    prompt.kind = kind;
    prompt.text = text;
    prompt.title = title;
    m_prompts.append(prompt);
    return m_prompts.last();
}

int ScriptedDialogService::msgBox(const QString& prompt, int style, const QString& title)
{
    const MsgBoxLayout layout(style);
    Prompt& p = record(Kind::MsgBox, prompt, DialogService::effectiveTitle(title));
    p.style = style;
    p.buttons = layout.buttons();
    p.icon = layout.icon();
    p.defaultAnswer = layout.defaultAnswer();
    p.ranDry = m_msgBoxAnswers.isEmpty();
    p.answer = p.ranDry ? p.defaultAnswer : m_msgBoxAnswers.dequeue();
    p.answerOffered = layout.offers(p.answer);
    return p.answer;
}

QString ScriptedDialogService::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    Prompt& p = record(Kind::InputBox, prompt, DialogService::effectiveTitle(title));
    p.defaultText = defaultText;
    p.ranDry = m_inputTexts.isEmpty();
    p.answerText = p.ranDry ? QString() : m_inputTexts.dequeue();
    return p.answerText;
}

QString ScriptedDialogService::fileDialog(Kind kind, const QString& title, const QString& filter, const QString& folder)
{
    Prompt& p = record(kind, QString(), DialogService::effectiveTitle(title));
    p.filter = filter;
    p.folder = folder;
    p.ranDry = m_fileNames.isEmpty();
    p.answerText = p.ranDry ? QString() : m_fileNames.dequeue();
    return p.answerText;
}

QString ScriptedDialogService::openFileName(const QString& title, const QString& filter, const QString& initialFolder)
{
    return fileDialog(Kind::OpenFile, title, filter, initialFolder);
}

QString ScriptedDialogService::saveFileName(const QString& title, const QString& filter, const QString& initialPath)
{
    return fileDialog(Kind::SaveFile, title, filter, initialPath);
}

ScriptedDialogService::ModalHandler ScriptedDialogService::takeModalHandler(const QString& objectName)
{
    const auto named = m_namedHandlers.constFind(objectName);
    if (named != m_namedHandlers.constEnd())
        return named.value();
    return m_modalHandlers.isEmpty() ? ModalHandler() : m_modalHandlers.dequeue();
}

int ScriptedDialogService::runModal(QDialog* dialog, const ModalHandler& handler)
{
    // The handler may delete the window; exec() itself deletes a delete-on-close window.
    const QPointer<QDialog> guard(dialog);
    const bool deleteOnClose = dialog->testAttribute(Qt::WA_DeleteOnClose);
    dialog->setResult(QDialog::Rejected);
    dialog->show();
    const int result = handler ? handler(dialog) : int(QDialog::Rejected);
    if (guard && guard->isVisible())
        guard->done(result);
    if (guard && deleteOnClose)
        delete guard.data();
    return result;
}

int ScriptedDialogService::showModal(QDialog* dialog)
{
    const QString name = dialog ? dialog->objectName() : QString();
    const qsizetype at = m_prompts.size();
    record(Kind::Modal, name, dialog ? dialog->windowTitle() : QString()).window = dialog;
    const ModalHandler handler = takeModalHandler(name);
    int result = QDialog::Rejected;
    if (dialog)
        result = runModal(dialog, handler);
    else if (handler)
        result = handler(nullptr);
    // The handler may itself raise prompts, so the record is found again by position.
    m_prompts[at].ranDry = !handler;
    m_prompts[at].answer = result;
    return result;
}

void ScriptedDialogService::showModeless(QWidget* window)
{
    record(Kind::Modeless, window ? window->objectName() : QString(),
           window ? window->windowTitle() : QString()).window = window;
    if (window)
        window->show();
}

QList<ScriptedDialogService::Prompt> ScriptedDialogService::prompts(Kind kind) const
{
    QList<Prompt> found;
    for (const Prompt& p : m_prompts)
        if (p.kind == kind)
            found.append(p);
    return found;
}

bool ScriptedDialogService::ranDry() const
{
    return dryCount() > 0;
}

int ScriptedDialogService::dryCount() const
{
    int count = 0;
    for (const Prompt& p : m_prompts)
        count += p.ranDry ? 1 : 0;
    return count;
}

int ScriptedDialogService::unusedAnswers() const
{
    return int(m_msgBoxAnswers.size() + m_inputTexts.size() + m_fileNames.size() + m_modalHandlers.size());
}

void ScriptedDialogService::clear()
{
    m_prompts.clear();
    m_msgBoxAnswers.clear();
    m_inputTexts.clear();
    m_fileNames.clear();
    m_modalHandlers.clear();
    m_namedHandlers.clear();
}

} // namespace ui
