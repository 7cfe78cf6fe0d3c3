#include "ui/ScriptedDialogs.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QPrinter>

namespace korvex {

ScriptedDialogs::ScriptedDialogs() {
    installDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    installDialogs(nullptr);
}

void ScriptedDialogs::information(QWidget*, const QString& text) {
    informations.append(text);
}

bool ScriptedDialogs::confirm(QWidget*, const QString& text) {
    confirmations.append(text);
    return m_confirms.isEmpty() ? false : m_confirms.dequeue();
}

QString ScriptedDialogs::getText(QWidget* parent, const TLanguage& language, const QString& caption,
                                 TextPromptLayout layout, const QString& suggestion) {
    textPrompts.append(caption);
    if (!m_texts.isEmpty())
        return m_texts.dequeue();
    return runTextPrompt(*this, parent, language, caption, layout, suggestion);
}

QString ScriptedDialogs::openFileName(QWidget*, const FileDialogOptions& options) {
    fileDialogs.append(options);
    return m_openFiles.isEmpty() ? QString() : m_openFiles.dequeue();
}

QString ScriptedDialogs::saveFileName(QWidget*, const FileDialogOptions& options) {
    fileDialogs.append(options);
    return m_saveFiles.isEmpty() ? QString() : m_saveFiles.dequeue();
}

bool ScriptedDialogs::print(QWidget*, QPrinter* printer) {
    ++printDialogs;
    if (m_prints.isEmpty())
        return false;
    const PrintAnswer answer = m_prints.dequeue();
    if (answer.print && !answer.pdfPath.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(answer.pdfPath);
    }
    return answer.print;
}

int ScriptedDialogs::exec(QDialog* dialog) {
    forms.append(QString::fromLatin1(dialog->metaObject()->className()));
    // Shown (off screen) so that the form runs its show handler as it would for the user.
    dialog->setResult(QDialog::Rejected);
    dialog->show();
    if (!m_forms.isEmpty())
        m_forms.dequeue()(dialog);
    const int result = dialog->result();
    dialog->hide();
    return result;
}

QAction* ScriptedDialogs::popup(QMenu* menu, const QPoint&) {
    ++popups;
    if (m_popups.isEmpty())
        return nullptr;
    const QString name = m_popups.dequeue();
    QAction* chosen = nullptr;
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        if (action->objectName() == name)
            chosen = action;
    }
    if (chosen != nullptr && chosen->isEnabled())
        chosen->trigger();
    return chosen;
}

bool ScriptedDialogs::openUrl(const QUrl& url) {
    openedUrls.append(url);
    return openUrlResult;
}

} // namespace korvex
