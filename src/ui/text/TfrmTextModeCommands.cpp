// The menu commands of the text practise mode.
#include "ui/text/TfrmTextMode.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "print/PageLayout.h"
#include "print/TextPractisePrint.h"
#include "storage/BackupKinds.h"
#include "storage/PractiseRewriters.h"
#include "storage/TTextPractise.h"
#include "storage/TextPractiseHtml.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/PrintCommand.h"
#include "ui/TFormKorvex.h"
#include "ui/dialogs/TFormBackUp.h"
#include "ui/dialogs/TFormEditPractises.h"
#include "ui/dialogs/TFormImportPractise.h"

#include <QDir>
#include <QFile>
#include <QUrl>

namespace korvex {

namespace {

QString menuText(const TLanguage& language, const QString& key) {
    return language.Text(key).remove(QLatin1Char('&'));
}

FileDialogOptions fileOptions(const QString& title, const QString& extension) {
    FileDialogOptions options;
    options.title = title;
    options.filter = QStringLiteral("*.%1 (*.%1)").arg(extension);
    options.defaultSuffix = extension;
    return options;
}

// What the user is told about a restore that did not go cleanly (nothing when it did).
QStringList restoreProblems(const TLanguage& language, const RestoreReport& report) {
    QStringList lines;
    if (!report.versionAccepted)
        return {language.Text(LK("BackUpVersionRefused")).arg(report.version)};
    if (!report.refused.isEmpty())
        lines << language.Text(LK("BackUpItemsRefused")) << report.refused;
    if (!report.rewriteFailures.isEmpty())
        lines << language.Text(LK("BackUpItemsNotRewritten")) << report.rewriteFailures;
    if (!report.error.isEmpty())
        lines << language.Text(LK("BackUpDamaged")) << report.error;
    return lines;
}

} // namespace

void TfrmTextMode::switchEdit(bool on) {
    // The view/edit switch lives in the main window; a view shown on its own switches itself.
    if (auto* main = qobject_cast<TFormKorvex*>(window())) {
        main->SetEditMode(on);
        return;
    }
    settings().setEditFlag(setEditMode(on));
}

bool TfrmTextMode::supports(ViewCommand command) const {
    switch (command) {
    case ViewCommand::New:
    case ViewCommand::PlaceToPlan:
    case ViewCommand::Export:
    case ViewCommand::Import:
    case ViewCommand::SaveBackup:
    case ViewCommand::LoadBackup:
    case ViewCommand::Print:
    case ViewCommand::PrintPreview:
    case ViewCommand::ExportToHtml:
        return true;
    default:
        return false;
    }
}

bool TfrmTextMode::run(ViewCommand command, int tag) {
    switch (command) {
    case ViewCommand::New:
        newPractise();
        return true;
    case ViewCommand::Export:
        exportPractise();
        return true;
    case ViewCommand::Import:
        importPractise();
        return true;
    case ViewCommand::SaveBackup:
        saveBackup(tag);
        return true;
    case ViewCommand::LoadBackup:
        loadBackup();
        return true;
    case ViewCommand::Print:
        print(false);
        return true;
    case ViewCommand::PrintPreview:
        print(true);
        return true;
    case ViewCommand::ExportToHtml:
        exportToHtml();
        return true;
    default:
        return false;
    }
}

void TfrmTextMode::newPractise() {
    // The category editor clears the practise; what is unsaved must be on disk first.
    if (!saveOrSay())
        return;
    TFormEditPractises form(language(), settings(), *m_practise, 2, this);
    form.setWindowTitle(language().Text(LK("FormEditTXPractise")));
    dialogs().exec(&form);
    switchEdit(false);
    reloadSelection();
    // A freshly created practise opens ready for writing.
    const bool empty = m_practise->text.isEmpty() && m_practise->keywords.isEmpty() &&
                       m_practise->pictureCount() == 0;
    if (!m_practise->name().isEmpty() && empty)
        switchEdit(true);
}

void TfrmTextMode::exportPractise() {
    if (isBlank(m_practise->name()) || !saveOrSay())
        return;
    const QString file = dialogs().saveFileName(
        this, fileOptions(menuText(language(), LK("mmGMExport")), QStringLiteral("tmp")));
    if (file.isEmpty())
        return;
    if (!m_practise->ExportCurrent(file))
        dialogs().information(
            this, language().Text(LK("TXFileNotWritten")).arg(QDir::toNativeSeparators(file)));
}

void TfrmTextMode::importPractise() {
    // Importing loads the imported practise into the object and its scratch folder.
    if (!saveOrSay())
        return;
    TFormImportPractise form(language(), *m_practise, this,
                             [this] { return m_practise->errorString(); });
    dialogs().exec(&form);
    if (form.importedAny())
        reloadSelection();
}

void TfrmTextMode::saveBackup(int tag) {
    // Tag 0 backs up every text practise, 1 the current category, 2 the subcategory.
    QString walk = settings().TXSaveDir();
    if (tag >= 1) {
        if (m_practise->category().isEmpty()) {
            dialogs().information(this, language().Text(LK("BackUpNeedsCategory")));
            return;
        }
        walk = joinPath(walk, m_practise->category());
    }
    if (tag >= 2) {
        if (m_practise->subcategory().isEmpty()) {
            dialogs().information(this, language().Text(LK("BackUpNeedsSubcategory")));
            return;
        }
        walk = joinPath(walk, m_practise->subcategory());
    }
    if (!saveOrSay())
        return;
    const QString file = dialogs().saveFileName(
        this, fileOptions(menuText(language(), LK("mmSaveBackUp")), QStringLiteral("tbp")));
    if (file.isEmpty())
        return;
    QString error;
    if (!writeKindBackup(settings().appDir(), walk, m_practise->extension(), settings().Version(),
                         file, &error))
        dialogs().information(this,
                              language().Text(LK("BackUpFailed")) + QLatin1Char('\n') + error);
}

void TfrmTextMode::loadBackup() {
    if (!saveOrSay())
        return;
    const QString file = dialogs().openFileName(
        this, fileOptions(menuText(language(), LK("mmLoadBackUp")), QStringLiteral("tbp")));
    if (file.isEmpty())
        return;
    FormBackupDecider decider(language(), this);
    RestoreOptions restore;
    restore.root = settings().appDir();
    restore.extension = m_practise->extension();
    restore.kindFolder = settings().TXSaveDir();
    restore.style = restoreStyleOf(BackupKind::Text);
    restore.decider = &decider;
    // Restored practises are rewritten without the scratch folder, which holds the pictures
    // of the practise shown here.
    restore.rewrite = practiseRewriter(BackupKind::Text, settings(), language());
    const QStringList problems = restoreProblems(language(), restoreKindBackup(file, restore));
    // The practise shown may have been replaced: it is read again from disk.
    reloadSelection();
    if (!problems.isEmpty())
        dialogs().information(this, problems.join(QLatin1Char('\n')));
}

void TfrmTextMode::exportToHtml() {
    if (isBlank(m_practise->name()) || !saveOrSay())
        return;
    const QString file = dialogs().saveFileName(
        this, fileOptions(menuText(language(), LK("mmGMExportToHTML")), QStringLiteral("html")));
    if (file.isEmpty())
        return;
    QString error;
    if (!writeTextPractiseHtml(*m_practise, settings().appDir(), file, &error)) {
        dialogs().information(this, error);
        return;
    }
    dialogs().openUrl(QUrl::fromLocalFile(file));
}

void TfrmTextMode::print(bool preview) {
    if (isBlank(m_practise->name()) || !saveOrSay())
        return;
    // The pictures as the practise has them now, read before the print dialog opens.
    QList<QByteArray> pictures;
    for (const QString& file : m_practise->scratchPictures()) {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) {
            dialogs().information(
                this, language().Text(LK("TXPictureNotRead")).arg(QDir::toNativeSeparators(file)));
            return;
        }
        pictures.append(in.readAll());
    }
    const QString name = m_practise->name();
    const QStringList text = m_practise->text;
    const PrintBody body = [name, text, pictures](PageCanvas& canvas, QString& error) {
        PageLayout layout(canvas);
        return printTextPractise(layout, name, text, pictures, error);
    };
    const QString title = QStringLiteral("Korvex - ") + name;
    if (preview)
        runPrintPreview(this, language(), title, body);
    else
        runPrintCommand(this, language(), title, body);
}

QString TfrmTextMode::pathForPlan() {
    if (isBlank(m_practise->category()) || isBlank(m_practise->subcategory()) ||
        isBlank(m_practise->name()))
        return QString();
    if (!saveOrSay())
        return QString();
    return QDir(settings().appDir()).relativeFilePath(m_practise->currentFile());
}

} // namespace korvex
