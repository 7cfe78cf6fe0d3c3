#include "ui/share/ShareCommand.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/ItemKinds.h"
#include "storage/share/ShareFile.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/TModeView.h"

#include <QDir>
#include <QFileInfo>

namespace korvex {

namespace {

// The saved file of the view's item, or the empty text when there is none (or its save
// failed, which the view or this function has said).
QString savedItemFile(QWidget* parent, TModeView* view, int mode, const TSettings& settings) {
    if (mode == 1 || mode == 2 || mode == 7) {
        // The practise views save their practise and name its file, as they do for the plan.
        const QString relative = view->pathForPlan();
        return relative.isEmpty() ? QString() : QDir(settings.appDir()).filePath(relative);
    }
    if (mode != 3 && mode != 6)
        return QString();
    if (isBlank(view->itemName()) || isBlank(view->subcategoryName()))
        return QString();
    if (!view->saveIfModified()) {
        dialogs().information(parent, view->errorString());
        return QString();
    }
    const bool archive = mode == 6;
    const QString folder =
        joinPath(settings.appDir(), settings.TPSaveDir(),
                 archive ? archiveCategory() : trainingPlanCategory(), view->subcategoryName());
    return joinPath(folder, view->itemName() + dataExtension(archive ? ItemKind::ArchivedPlan
                                                                     : ItemKind::TrainingPlan));
}

} // namespace

void shareCurrentItem(QWidget* parent, TModeView* view, int mode, TSettings& settings,
                      TLanguage& language) {
    if (view == nullptr)
        return;
    const QString file = savedItemFile(parent, view, mode, settings);
    if (file.isEmpty())
        return;
    FileDialogOptions options;
    options.title = language.Text(LK("shareSaveTitle"));
    options.fileName = QFileInfo(file).completeBaseName() + QStringLiteral(".html");
    options.filter = language.Text(LK("shareFilter"));
    options.defaultSuffix = QStringLiteral("html");
    const QString target = dialogs().saveFileName(parent, options);
    if (target.isEmpty())
        return;
    QString error;
    if (!writeSharePage(file, settings, language, target, &error)) {
        dialogs().information(parent,
                              language.Text(LK("shareFailed")) + QStringLiteral("\n\n") + error);
        return;
    }
    dialogs().information(parent,
                          language.Text(LK("shareWritten")).arg(QDir::toNativeSeparators(target)));
}

} // namespace korvex
