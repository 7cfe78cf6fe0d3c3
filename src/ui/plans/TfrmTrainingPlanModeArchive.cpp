// The archive commands of the training plan view: copying a plan into the training archive
// (plans), and deleting and renaming archived plans and teams (archive).
#include "ui/plans/TfrmTrainingPlanMode.h"

#include "core/FileHelpers.h"
#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/LevelListing.h"
#include "storage/TTrainingPlan.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/dialogs/TFormHeading.h"

#include <QDir>
#include <QFileInfo>

namespace korvex {

QString TfrmTrainingPlanMode::archiveFolder() const {
    return joinPath(settings().appDir(), settings().TPSaveDir(), QStringLiteral("Archive"));
}

void TfrmTrainingPlanMode::rememberArchiveSelection(const QString& team, const QString& number) {
    // The archive view opens on the copy just made: its positions in the lists the view
    // will read.
    const quint8 selector = settings().planSelector();
    settings().setPlanSelector(TSettings::Archive);
    const QStringList teams = ListFolder(archiveFolder(), QStringLiteral("*"), ListKind::Folders);
    const QStringList numbers =
        listItemLevel(joinPath(archiveFolder(), team), QStringLiteral(".pamp"));
    settings().setTPTeamIndex(std::max(0, static_cast<int>(teams.indexOf(team))));
    settings().setTPPlanIndex(std::max(0, static_cast<int>(numbers.indexOf(number))));
    settings().setPlanSelector(selector);
}

QString TfrmTrainingPlanMode::askName(const QString& captionKey, const QString& suggestion) {
    // The menu texts double as prompt captions, without their accelerator and ellipsis.
    QString caption = language().Text(captionKey).remove(QLatin1Char('&'));
    if (caption.endsWith(QLatin1String("...")))
        caption.chop(3);
    return dialogs().getText(this, language(), caption, TextPromptLayout::Name, suggestion);
}

bool TfrmTrainingPlanMode::CreateArchive() {
    if (isArchive() || !hasPlan() || !saveOrSay())
        return false;
    const TLanguage& l = language();
    TFormHeading form(language(), settings(), *m_plan, this);
    form.setCreateArchive(true);
    for (;;) {
        if (dialogs().exec(&form) != QDialog::Accepted)
            return false;
        const QString team = m_plan->Team();
        const QString number = m_plan->TrainingNumber();
        if (isBlank(team) || isBlank(number)) {
            dialogs().information(this, l.Text(LK("NotAllValuesEntered")));
            continue;
        }
        const QString stem = joinPath(archiveFolder(), team, number);
        if (QFileInfo(stem + QStringLiteral(".pamp")).isFile() &&
            !dialogs().confirm(this, l.Text(LK("NumberAlreadyExists")) + QLatin1Char(' ') +
                                         l.Text(LK("Continue")) + QLatin1Char('?')))
            continue;
        QDir().mkpath(joinPath(archiveFolder(), team));
        if (!m_plan->SaveArchiveCopy(stem)) {
            // Nothing is archived: say why and let the coach choose again or cancel.
            dialogs().information(this, l.Text(LK("ArchiveNotWritten")) + QStringLiteral("\n\n") +
                                            m_plan->errorString());
            continue;
        }
        m_plan->setTeam(QString());
        m_plan->setTrainingNumber(QString());
        rememberArchiveSelection(team, number);
        return true;
    }
}

void TfrmTrainingPlanMode::DeleteArchive() {
    if (!isArchive() || !hasPlan())
        return;
    if (!dialogs().confirm(this, language().Text(LK("DoUWantDel")) + QLatin1Char(' ') +
                                     m_plan->name() + QLatin1Char('?')))
        return;
    m_plan->DeleteCurrent();
    m_plan->setModified(false); // its evaluation went with it
    reloadSelection();
}

void TfrmTrainingPlanMode::RenameArchive() {
    if (!isArchive() || !hasPlan() || !saveOrSay())
        return;
    const QString entry = askName(LK("RenameNumber"), m_plan->name());
    if (isBlank(entry))
        return;
    if (!TPractiseObject::isValidName(entry)) {
        dialogs().information(this, language().Text(LK("NameNotAllowed")));
        return;
    }
    if (QFileInfo::exists(joinPath(m_plan->subcategoryPath(), entry) + m_plan->extension())) {
        dialogs().information(this, language().Text(LK("NumberAlreadyExists")));
        return;
    }
    m_plan->RenameCurrent(entry);
    reloadSelection();
}

void TfrmTrainingPlanMode::DeleteArchiveTeam() {
    if (!isArchive() || isBlank(m_plan->subcategory()))
        return;
    if (!dialogs().confirm(this, language().Text(LK("DoUWantDel")) + QLatin1Char(' ') +
                                     m_plan->subcategory() + QLatin1Char('?')))
        return;
    m_plan->setModified(false);
    m_plan->DeleteSubcategory();
    reloadSelection();
}

void TfrmTrainingPlanMode::RenameArchiveTeam() {
    if (!isArchive() || isBlank(m_plan->subcategory()) || !saveOrSay())
        return;
    const QString entry = askName(LK("RenameTeam"), m_plan->subcategory());
    if (isBlank(entry))
        return;
    if (!TPractiseObject::isValidName(entry)) {
        dialogs().information(this, language().Text(LK("NameNotAllowed")));
        return;
    }
    if (QFileInfo::exists(joinPath(m_plan->categoryPath(), entry))) {
        dialogs().information(this, language().Text(LK("TeamAlreadyExists")));
        return;
    }
    m_plan->RenameSubcategory(entry);
    reloadSelection();
}

} // namespace korvex
