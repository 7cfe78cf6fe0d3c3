// The backup commands of the main window: back up one data kind or all of them into a
// file, and restore such a file into the installation. The work is done by the storage
// layer; this file picks files, asks about existing items through TFormBackUp, shows
// progress and reports what could not be restored. The mode shown before a command is the
// mode shown after it.
#include "ui/TFormKorvexBackup.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/FullBackup.h"
#include "storage/PractiseRewriters.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/TFormKorvex.h"
#include "ui/dialogs/TFormBackUp.h"

#include <QAction>
#include <QDate>
#include <QProgressDialog>

#include <memory>

namespace korvex {

namespace {

constexpr int kProgressSteps = 1000;

TSettings::ReloadList reloadListOf(BackupKind kind) {
    switch (kind) {
    case BackupKind::Graphic:
        return TSettings::GraphicList;
    case BackupKind::Text:
        return TSettings::TextList;
    case BackupKind::Plans:
        return TSettings::TrainingPlanList;
    case BackupKind::Archive:
        return TSettings::TrainingArchiveList;
    case BackupKind::Cards:
        return TSettings::PlayerCardList;
    case BackupKind::Diary:
        return TSettings::DiaryList;
    }
    return TSettings::GraphicList;
}

FileDialogOptions backupFileOptions(TFormKorvex* window, const QString& backupExtension) {
    FileDialogOptions options;
    options.title = window->language().Text(LK("mmSaveBackUp")).remove(QLatin1Char('&'));
    options.folder = window->settings().appDir();
    options.filter = QStringLiteral("*%1 (*%1)").arg(backupExtension);
    options.defaultSuffix = backupExtension.mid(1);
    return options;
}

// The Save backup and Restore backup items, in menu order; each item's Tag names its kind.
constexpr const char* kSaveItems[] = {"mmSaveBUAll", "mmSaveBUGM",  "mmSaveBUTX", "mmSaveBUTP",
                                      "mmSaveBUTPA", "mmSaveBUDR", "mmSaveBUPC"};
constexpr const char* kLoadItems[] = {"mmLoadBUAll", "mmLoadBUGM",  "mmLoadBUTX", "mmLoadBUTP",
                                      "mmLoadBUTPA", "mmLoadBUDR", "mmLoadBUPC"};

// The name a new backup is offered under: the program, what it holds (the caption of the
// Save backup item of `tag`) and today's date, so backups of different days sit side by side
// ("Korvex - Graphic practises - 2026-12-10.gbp"). A caption that would not make a plain file
// name (a language file may say anything) is left out.
QString suggestedBackupName(TFormKorvex* window, int tag, const QString& backupExtension) {
    const QString date = QDate::currentDate().toString(Qt::ISODate);
    for (const char* name : kSaveItems) {
        const QAction* item = window->action(name);
        if (item == nullptr || item->property("Tag").toInt() != tag)
            continue;
        const QString named = QStringLiteral("Korvex - %1 - %2%3")
                                  .arg(item->text().remove(QLatin1Char('&')).trimmed(), date,
                                       backupExtension);
        if (isPlainName(named))
            return named;
    }
    return QStringLiteral("Korvex - %1%2").arg(date, backupExtension);
}

// A progress dialog that appears when the work takes more than a moment.
class Progress {
public:
    Progress(TFormKorvex* window, const QString& caption) {
        m_dialog = std::make_unique<QProgressDialog>(caption, QString(), 0, kProgressSteps, window);
        m_dialog->setObjectName(QStringLiteral("BackUpProgress"));
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(500);
        m_dialog->setAutoClose(false);
        m_dialog->setValue(0);
    }
    ~Progress() { m_dialog->close(); }
    // The progress window steps aside while a question is open, so that it never sits
    // modal over the question and blocks its buttons.
    void pause() { m_dialog->hide(); }
    void resume() {
        m_dialog->show();
        m_dialog->raise();
    }
    BackupProgress callback() {
        return [dialog = m_dialog.get()](qint64 done, qint64 total) {
            if (total > 0)
                dialog->setValue(static_cast<int>(done * kProgressSteps / total));
        };
    }

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

// Asks about existing items with the window's dialog while the progress steps aside.
class PausingDecider : public BackupDecider {
public:
    PausingDecider(BackupDecider& inner, Progress& progress)
        : m_inner(inner), m_progress(progress) {}
    BackupDecision decide(const QString& pathText, const QString& suggestedName,
                          const QStringList& existingNames, QString* finalName) override {
        m_progress.pause();
        const BackupDecision decision =
            m_inner.decide(pathText, suggestedName, existingNames, finalName);
        m_progress.resume();
        return decision;
    }

private:
    BackupDecider& m_inner;
    Progress& m_progress;
};

// The user's view of a restore that did not go cleanly (nothing when it did).
QStringList problemsOf(const TLanguage& language, const RestoreReport& report) {
    QStringList lines;
    if (!report.versionAccepted) {
        lines.append(language.Text(LK("BackUpVersionRefused")).arg(report.version));
        return lines;
    }
    if (!report.refused.isEmpty()) {
        lines.append(language.Text(LK("BackUpItemsRefused")));
        lines.append(report.refused);
    }
    if (!report.writeFailures.isEmpty()) {
        lines.append(language.Text(LK("BackUpItemsNotWritten")));
        lines.append(report.writeFailures);
    }
    if (!report.rewriteFailures.isEmpty()) {
        lines.append(language.Text(LK("BackUpItemsNotRewritten")));
        lines.append(report.rewriteFailures);
    }
    if (!report.error.isEmpty()) {
        lines.append(language.Text(LK("BackUpDamaged")));
        lines.append(report.error);
    }
    return lines;
}

void reportProblems(TFormKorvex* window, const QStringList& lines) {
    if (!lines.isEmpty())
        dialogs().information(window, lines.join(QLatin1Char('\n')));
}

void reportFailure(TFormKorvex* window, const QString& error) {
    dialogs().information(window,
                          window->language().Text(LK("BackUpFailed")) + QLatin1Char('\n') + error);
}

} // namespace

void installBackupCommands(TFormKorvex* window) {
    for (const char* name : kSaveItems) {
        if (QAction* item = window->action(name)) {
            item->setEnabled(true);
            QObject::connect(item, &QAction::triggered, window, [window, item] {
                saveBackupCommand(window, item->property("Tag").toInt());
            });
        }
    }
    for (const char* name : kLoadItems) {
        if (QAction* item = window->action(name)) {
            item->setEnabled(true);
            QObject::connect(item, &QAction::triggered, window, [window, item] {
                loadBackupCommand(window, item->property("Tag").toInt());
            });
        }
    }
}

void saveBackupCommand(TFormKorvex* window, int tag) {
    TSettings& settings = window->settings();
    const int startMode = settings.CurrentMode();
    const InstallationFolders folders = InstallationFolders::fromSettings(settings);
    QString error;
    if (tag == 0) {
        FileDialogOptions options = backupFileOptions(window, QStringLiteral(".abp"));
        options.fileName = suggestedBackupName(window, 0, QStringLiteral(".abp"));
        const QString file = dialogs().saveFileName(window, options);
        if (file.isEmpty())
            return;
        Progress progress(window, window->language().Text(LK("BackUpSaving")));
        FullBackupHooks hooks;
        // Entering each kind's mode saves what its view still holds unsaved.
        hooks.beforeKind = [window](BackupKind kind) { window->SwitchMode(int(kind)); };
        hooks.progress = progress.callback();
        const bool ok = writeFullBackup(folders, file, &error, hooks);
        window->SwitchMode(startMode);
        if (!ok)
            reportFailure(window, error);
        return;
    }
    if (tag < 1 || tag > 6)
        return;
    const auto kind = static_cast<BackupKind>(tag);
    if (startMode != tag)
        window->SwitchMode(tag);
    FileDialogOptions options = backupFileOptions(window, kindBackupExtension(kind));
    options.fileName = suggestedBackupName(window, tag, kindBackupExtension(kind));
    const QString file = dialogs().saveFileName(window, options);
    bool ok = true;
    if (!file.isEmpty()) {
        Progress progress(window, window->language().Text(LK("BackUpSaving")));
        ok = writeKindBackup(folders.root, backupWalkFolder(kind, folders), kindExtension(kind),
                             folders.version, file, &error, progress.callback());
    }
    if (settings.CurrentMode() != startMode)
        window->SwitchMode(startMode);
    if (!ok)
        reportFailure(window, error);
}

namespace {

bool isFullBackupFile(const QString& file) {
    return file.endsWith(QStringLiteral(".abp"), Qt::CaseInsensitive);
}

// Restores the full backup `file`, every kind with its view entered fresh, so no stale
// view saves over a restored file afterwards.
void restoreFull(TFormKorvex* window, const QString& file, BackupDecider& decider) {
    TSettings& settings = window->settings();
    TLanguage& language = window->language();
    settings.setAllReloadNeeded(true);
    Progress progress(window, language.Text(LK("BackUpLoading")));
    PausingDecider pausing(decider, progress);
    FullBackupHooks hooks;
    hooks.beforeKind = [window](BackupKind kind) { window->SwitchMode(int(kind)); };
    hooks.decider = [&pausing](BackupKind) { return &pausing; };
    hooks.rewriter = [window](BackupKind kind) {
        return practiseRewriter(kind, window->settings(), window->language());
    };
    hooks.progress = progress.callback();
    const FullRestoreReport report =
        restoreFullBackup(InstallationFolders::fromSettings(settings), file, hooks);
    QStringList problems;
    for (const RestoreReport& kindReport : report.reports)
        problems += problemsOf(language, kindReport);
    if (!report.error.isEmpty()) {
        problems.append(language.Text(LK("BackUpDamaged")));
        problems.append(report.error);
    }
    progress.pause();
    reportProblems(window, problems);
}

} // namespace

void loadBackupCommand(TFormKorvex* window, int tag) {
    TSettings& settings = window->settings();
    TLanguage& language = window->language();
    const int startMode = settings.CurrentMode();
    const InstallationFolders folders = InstallationFolders::fromSettings(settings);
    FormBackupDecider decider(language, window);
    if (tag == 0) {
        FileDialogOptions options = backupFileOptions(window, QStringLiteral(".abp"));
        options.title = language.Text(LK("mmLoadBackUp")).remove(QLatin1Char('&'));
        const QString file = dialogs().openFileName(window, options);
        if (!file.isEmpty())
            restoreFull(window, file, decider);
        window->SwitchMode(startMode);
        return;
    }
    if (tag < 1 || tag > 6)
        return;
    const auto kind = static_cast<BackupKind>(tag);
    // Entered even when it is the current mode: leaving saves the view's unsaved item, and
    // the fresh view holds nothing that could later be saved over a restored file.
    window->SwitchMode(tag);
    FileDialogOptions options = backupFileOptions(window, kindBackupExtension(kind));
    options.title = language.Text(LK("mmLoadBackUp")).remove(QLatin1Char('&'));
    const QString file = dialogs().openFileName(window, options);
    if (file.isEmpty()) {
        // nothing chosen
    } else if (isFullBackupFile(file)) {
        // A full backup read as one kind's would be "damaged": say what it is instead.
        if (dialogs().confirm(window, language.Text(LK("BackUpIsFullBackup"))))
            restoreFull(window, file, decider);
    } else {
        settings.setReloadNeeded(reloadListOf(kind), true);
        Progress progress(window, language.Text(LK("BackUpLoading")));
        PausingDecider pausing(decider, progress);
        RestoreOptions restore = restoreOptionsFor(kind, folders);
        restore.decider = &pausing;
        restore.rewrite = practiseRewriter(kind, settings, language);
        restore.progress = progress.callback();
        const RestoreReport report = restoreKindBackup(file, restore);
        progress.pause();
        reportProblems(window, problemsOf(language, report));
    }
    window->SwitchMode(startMode);
}

} // namespace korvex
