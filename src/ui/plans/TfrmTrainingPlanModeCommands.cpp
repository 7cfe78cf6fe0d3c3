// The menu commands of the training plan view and the road of a practise into a plan.
#include "ui/plans/TfrmTrainingPlanMode.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TTrainingPlan.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/dialogs/TFormEditPractises.h"
#include "ui/dialogs/TFormHeading.h"
#include "ui/plans/PractisePlacement.h"

#include <QDir>

namespace korvex {

bool TfrmTrainingPlanMode::supports(ViewCommand command) const {
    switch (command) {
    case ViewCommand::New:
    case ViewCommand::Place:
    case ViewCommand::CreateArchive:
        return !isArchive();
    case ViewCommand::DeleteArchive:
    case ViewCommand::RenameArchive:
    case ViewCommand::DeleteArchiveTeam:
    case ViewCommand::RenameArchiveTeam:
        return isArchive();
    default:
        return false;
    }
}

bool TfrmTrainingPlanMode::run(ViewCommand command, int tag) {
    if (!supports(command))
        return false;
    switch (command) {
    case ViewCommand::New:
        NewPlan();
        return true;
    case ViewCommand::Place:
        // Tag 3 is the plan menu's item; the archive's (Tag 6) does nothing.
        if (tag == 3)
            PlaceChosen();
        return true;
    case ViewCommand::CreateArchive:
        return CreateArchive();
    case ViewCommand::DeleteArchive:
        DeleteArchive();
        return true;
    case ViewCommand::RenameArchive:
        RenameArchive();
        return true;
    case ViewCommand::DeleteArchiveTeam:
        DeleteArchiveTeam();
        return true;
    case ViewCommand::RenameArchiveTeam:
        RenameArchiveTeam();
        return true;
    default:
        return false;
    }
}

void TfrmTrainingPlanMode::PlacePractise(const QString& path) {
    if (isArchive() || !saveOrSay())
        return;
    if (!hasPlan()) {
        NewPlan();
        if (!hasPlan()) {
            dialogs().information(this, language().Text(LK("ActTUIsNotSelected")));
            return;
        }
    }
    const TLanguage& l = language();
    const QString stored = placeablePractisePath(settings().appDir(), settings().GMSaveDir(),
                                                 settings().TXSaveDir(), path);
    if (stored.isEmpty()) {
        const QString app = settings().appDir();
        dialogs().information(
            this, l.Text(LK("PractiseOutsideLibrary"))
                      .arg(QDir::toNativeSeparators(joinPath(app, settings().GMSaveDir())),
                           QDir::toNativeSeparators(joinPath(app, settings().TXSaveDir()))));
        return;
    }
    if (m_plan->paths.contains(stored)) {
        dialogs().information(this, l.Text(LK("PracIsAdded")));
        return;
    }
    const QString question = l.Text(LK("shtPractise")) + QLatin1Char(' ') +
                             extractFileTitle(stored) + QLatin1Char(' ') +
                             l.Text(LK("IsAboutAdd")) + QLatin1Char(' ') + m_plan->name() +
                             QStringLiteral(". ") + l.Text(LK("Continue")) + QLatin1Char('?');
    if (!dialogs().confirm(this, question))
        return;
    m_plan->LoadCurrent();
    for (const QString& message : m_plan->missingPractiseMessages())
        dialogs().information(this, message);
    if (!m_plan->AddPractise(stored)) {
        // The practise stays in the plan on screen; the plan is saved when it can be.
        dialogs().information(this, l.Text(LK("SaveFailedItemKept")) + QStringLiteral("\n\n") +
                                        m_plan->errorString());
        showAll();
        return;
    }
    reloadSelection();
    setMainEditMode(true);
}

void TfrmTrainingPlanMode::PlaceChosen() {
    if (isArchive())
        return;
    if (!hasPlan()) {
        dialogs().information(this, language().Text(LK("ActTPIsNotSelected")));
        return;
    }
    FileDialogOptions options;
    options.title = language().Text(LK("mmTPPlace")).remove(QLatin1Char('&'));
    options.folder = joinPath(settings().appDir(), settings().GMSaveDir());
    options.filter = QStringLiteral("*.gmp (*.gmp);;*.tmp (*.tmp)");
    const QString file = dialogs().openFileName(this, options);
    if (!file.isEmpty())
        PlacePractise(file);
}

void TfrmTrainingPlanMode::NewPlan() {
    if (isArchive() || !saveOrSay())
        return;
    TFormEditPractises form(language(), settings(), *m_plan, 3, this);
    form.setWindowTitle(language().Text(LK("FormEditTPPractise")));
    dialogs().exec(&form);
    reloadSelection();
    // A new, empty plan opens ready for filling in.
    if (hasPlan() && planIsEmpty())
        setMainEditMode(true);
}

void TfrmTrainingPlanMode::OpenHeading() {
    if (!hasPlan() || !saveOrSay())
        return;
    TFormHeading form(language(), settings(), *m_plan, this);
    dialogs().exec(&form);
}

} // namespace korvex
