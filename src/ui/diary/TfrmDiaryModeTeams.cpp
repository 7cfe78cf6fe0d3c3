// The diary's team list and the team commands: new, rename and delete team.
#include "ui/diary/TfrmDiaryMode.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/ItemNames.h"
#include "storage/TDiary.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/diary/DiaryTeamComboBox.h"

#include <QSignalBlocker>
#include <QTableWidget>

namespace korvex {

QStringList TfrmDiaryMode::teamList() const {
    QStringList teams = m_diary->listTeams();
    std::sort(teams.begin(), teams.end(), [](const QString& a, const QString& b) {
        return QString::localeAwareCompare(a, b) < 0;
    });
    return teams;
}

QString TfrmDiaryMode::itemName() const {
    return m_diary ? m_diary->team() : QString();
}

void TfrmDiaryMode::fillTeams(const QString& select) {
    const QSignalBlocker blocker(m_cmbTeam);
    m_cmbTeam->clear();
    const QStringList teams = teamList();
    if (teams.isEmpty()) {
        m_cmbTeam->addItem(m_emptyTeam);
        m_cmbTeam->setCurrentIndex(0);
        return;
    }
    m_cmbTeam->addItems(teams);
    const int index = static_cast<int>(teams.indexOf(select));
    m_cmbTeam->setCurrentIndex(index >= 0 ? index : 0);
}

void TfrmDiaryMode::showNoTeam() {
    const QSignalBlocker blocker(m_cmbTeam);
    m_cmbTeam->clear();
    m_cmbTeam->addItem(m_emptyTeam);
    m_cmbTeam->setCurrentIndex(0);
    m_diary->clear();
    fillGrid(0);
}

bool TfrmDiaryMode::isListed(const QString& name, const QString& except) const {
    // Names that differ only in letter case are one file on the systems a shared library
    // may live on, so they count as the same team.
    for (int i = 0; i < m_cmbTeam->count(); ++i) {
        const QString listed = m_cmbTeam->itemText(i);
        if (listed == m_emptyTeam || (!except.isEmpty() && listed == except))
            continue;
        if (listed.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void TfrmDiaryMode::onDroppedDown() {
    // The folder is read again each time the list opens: another program may have changed it.
    fillTeams(m_diary->team());
}

void TfrmDiaryMode::onClosedUp() {
    if (m_cmbTeam->currentIndex() < 0 || m_cmbTeam->currentText() == m_emptyTeam) {
        showNoTeam();
        settings().setReloadNeeded(TSettings::DiaryList, false);
    }
}

void TfrmDiaryMode::onTeamChanged() {
    const QString chosen = m_cmbTeam->currentText();
    if (chosen.isEmpty() || chosen == m_emptyTeam) {
        m_diary->clear();
    } else if (chosen != m_diary->team() && !m_diary->loadTeam(chosen)) {
        reportFileError();
    }
    settings().setReloadNeeded(TSettings::DiaryList, false);
    settings().setRememberedIndex(4, 0, m_cmbTeam->currentIndex());
    fillGrid(1);
}

void TfrmDiaryMode::newTeam() {
    const QString name = dialogs().getText(this, language(), language().Text(LK("FormGetText")),
                                           TextPromptLayout::Name, QString());
    if (name.isEmpty())
        return;
    fillTeams(m_diary->team());
    if (isListed(name)) {
        dialogs().information(this, language().Text(LK("TeamExist")));
        return;
    }
    if (!isSafeItemName(name)) {
        dialogs().information(this, language().Text(LK("NameNotAllowed")));
        return;
    }
    if (!m_diary->createTeam(settings().Version(), name)) {
        reportFileError();
        return;
    }
    fillTeams(name);
    onTeamChanged();
}

void TfrmDiaryMode::renameTeam() {
    const QString team = m_diary->team();
    if (team.isEmpty())
        return;
    const QString name = dialogs().getText(this, language(), language().Text(LK("FormGetText")),
                                           TextPromptLayout::Name, team);
    if (name.isEmpty() || name == team)
        return;
    fillTeams(team);
    if (isListed(name, team)) {
        dialogs().information(this, language().Text(LK("TeamExist")));
        return;
    }
    if (!isSafeItemName(name)) {
        dialogs().information(this, language().Text(LK("NameNotAllowed")));
        return;
    }
    if (!m_diary->renameTeam(name)) {
        reportFileError();
        return;
    }
    fillTeams(name);
    settings().setRememberedIndex(4, 0, m_cmbTeam->currentIndex());
}

void TfrmDiaryMode::deleteTeam() {
    const QString team = m_diary->team();
    if (team.isEmpty() || m_cmbTeam->currentText() == m_emptyTeam)
        return;
    if (!dialogs().confirm(this, language().Text(LK("RemTeam")) + QLatin1Char(' ') + team +
                                     QLatin1Char('?')))
        return;
    if (!m_diary->deleteTeamFile()) {
        reportFileError();
        return;
    }
    onDroppedDown();
    onClosedUp();
    onTeamChanged();
}

void TfrmDiaryMode::reportFileError() {
    dialogs().information(this, language().Text(LK("DiaryFileError")) + QStringLiteral("\n\n") +
                                    m_diary->errorString());
}

} // namespace korvex
