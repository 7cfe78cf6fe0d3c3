#include "ui/plans/TfrmTrainingPlanMode.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TTrainingPlan.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/TFormKorvex.h"
#include "ui/TSelectionComboBox.h"
#include "ui/plans/PlanMemo.h"
#include "ui/plans/PlanNoteRow.h"
#include "ui/plans/PlanPractiseRow.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

namespace korvex {

namespace {

const QString kPlanCategory = QStringLiteral("TrainingPlanCategory");
const QString kArchiveCategory = QStringLiteral("Archive");

} // namespace

TfrmTrainingPlanMode::TfrmTrainingPlanMode(TLanguage& language, TSettings& settings, int archive,
                                           QWidget* parent)
    : TModeView(language, settings, parent), m_archive(archive) {
    setObjectName(QStringLiteral("frmTrainingPlanMode"));
}

TfrmTrainingPlanMode::~TfrmTrainingPlanMode() = default;

QString TfrmTrainingPlanMode::titleKey() const {
    return isArchive() ? LK("spbTPAMode") : LK("spbTPMode");
}

void TfrmTrainingPlanMode::initialise() {
    createControls();
    applyLayout();
    connectRows();
    m_top = 0;
    m_noteTop = 0;
    m_plan = std::make_unique<TTrainingPlan>(settings().appDir(), settings().TPSaveDir(),
                                             isArchive(), &language(), &settings());
    // Both category folders exist from the first start on; the mode's own comes last.
    const QString own = isArchive() ? kArchiveCategory : kPlanCategory;
    m_plan->CreateCategory(isArchive() ? kPlanCategory : kArchiveCategory);
    m_plan->CreateCategory(own);
    m_plan->setCategory(own);
    const TLanguage& l = language();
    m_plan->setPlaceholders(l.Text(LK("EmptyCategoryString")),
                            l.Text(isArchive() ? LK("EmptyTeamString") : LK("EmptyCategoryString")),
                            l.Text(isArchive() ? LK("EmptyNumberString") : LK("EmptyPlanString")));
    for (TSelectionComboBox* combo : m_combos) {
        combo->bind(m_plan.get());
        connect(combo, &TSelectionComboBox::choosing, this, &TfrmTrainingPlanMode::onChoosing);
        connect(combo, &TSelectionComboBox::itemChosen, this, &TfrmTrainingPlanMode::onItemChosen);
    }
    m_loading = true;
    m_plan->Clear();
    m_plan->FillCombos(false, settings());
    m_loading = false;
    settings().setPlanReloadNeeded(false);
    afterLoad();
    showAll();
    applyCaptions();
}

void TfrmTrainingPlanMode::tearDown() {
    if (!m_plan)
        return;
    // The window saves before it leaves a mode; what still fails here is said, not lost
    // silently.
    if (!saveIfModified())
        dialogs().information(this, m_plan->errorString());
    m_plan->UnregisterCombos();
    for (TSelectionComboBox* combo : m_combos)
        combo->bind(nullptr);
}

QString TfrmTrainingPlanMode::itemName() const {
    return m_plan ? m_plan->name() : QString();
}

QString TfrmTrainingPlanMode::subcategoryName() const {
    return m_plan ? m_plan->subcategory() : QString();
}

bool TfrmTrainingPlanMode::isModified() const {
    return m_plan && m_plan->modified();
}

bool TfrmTrainingPlanMode::saveIfModified() {
    if (!m_plan)
        return true;
    StoreEdits();
    if (!m_plan->modified() || !m_plan->hasCurrentItem())
        return true;
    return m_plan->SaveCurrent();
}

QString TfrmTrainingPlanMode::errorString() const {
    return m_plan ? m_plan->errorString() : QString();
}

bool TfrmTrainingPlanMode::saveOrSay() {
    if (saveIfModified())
        return true;
    dialogs().information(this, language().Text(LK("SaveFailedItemKept")) + QStringLiteral("\n\n") +
                                    m_plan->errorString());
    return false;
}

void TfrmTrainingPlanMode::StoreEdits() {
    if (!m_plan || !hasPlan())
        return;
    TTrainingPlan& plan = *m_plan;
    bool changed = false;
    const auto take = [&changed](auto& field, const auto& shown) {
        if (field != shown) {
            field = shown;
            changed = true;
        }
    };
    take(plan.date, m_edtDate->text());
    take(plan.time, m_edtTime->text());
    take(plan.description, memoLines(m_memDescription));
    if (isArchive())
        take(plan.evaluation, memoLines(m_memEvaluate));
    const bool notes = !plan.textBlocks.isEmpty();
    for (int k = notes ? 1 : 0; k < 3; ++k) {
        const int index = m_top + k;
        if (index >= 0 && index < plan.items.size())
            take(plan.items[index].time, m_rows[k]->duration()->text());
    }
    for (int j = 0; j < 2; ++j) {
        const int index = m_noteTop + j;
        if (index >= 0 && index < plan.textBlocks.count())
            changed = m_noteRows[j]->storeInto(plan.textBlocks.at(index)) || changed;
    }
    if (changed)
        plan.setModified(true);
}

void TfrmTrainingPlanMode::onChoosing() {
    settings().setPlanReloadNeeded(false);
    StoreEdits();
}

void TfrmTrainingPlanMode::onItemChosen() {
    rememberSelection();
    afterLoad();
    showAll();
    setMainEditMode(settings().EditFlag());
}

void TfrmTrainingPlanMode::rememberSelection() {
    settings().setTPTeamIndex(m_combos[1]->currentIndex());
    settings().setTPPlanIndex(m_combos[2]->currentIndex());
}

void TfrmTrainingPlanMode::afterLoad() {
    // A plan that lost practises since it was saved says which, once each; it is saved
    // without them when it is left.
    const QStringList messages = m_plan->missingPractiseMessages();
    for (const QString& message : messages)
        dialogs().information(this, message);
    const QSignalBlocker practises(m_uadTPScroll);
    const QSignalBlocker notes(m_uadTPTXScroll);
    m_uadTPScroll->setValue(0);
    m_uadTPTXScroll->setValue(0);
}

void TfrmTrainingPlanMode::reloadSelection() {
    m_loading = true;
    m_plan->setCategory(isArchive() ? kArchiveCategory : kPlanCategory);
    for (TSelectionComboBox* combo : m_combos) {
        m_plan->ComboDropDown(combo->selection());
        if (combo->level() > 0)
            m_plan->setLevelValue(combo->level(), combo->selection()->currentText());
    }
    m_plan->Clear();
    m_plan->LoadCurrent();
    m_loading = false;
    rememberSelection();
    afterLoad();
    showAll();
}

void TfrmTrainingPlanMode::fillFromPlan() {
    const bool loading = m_loading;
    m_loading = true;
    m_edtDate->setText(m_plan->date);
    m_edtTime->setText(m_plan->time);
    setMemoLines(m_memDescription, m_plan->description);
    setMemoLines(m_memEvaluate, m_plan->evaluation);
    m_loading = loading;
}

void TfrmTrainingPlanMode::onFieldEdited(QWidget* field) {
    if (m_loading || !m_plan || !hasPlan())
        return;
    m_plan->setModified(true);
    if (qobject_cast<QPlainTextEdit*>(field) != nullptr)
        m_plan->setBlockEdited(field->property("Tag").toInt(), true);
}

bool TfrmTrainingPlanMode::hasPlan() const {
    return m_plan && !isBlank(m_plan->subcategory()) && !isBlank(m_plan->name());
}

bool TfrmTrainingPlanMode::planIsEmpty() const {
    const TTrainingPlan& p = *m_plan;
    return p.description.isEmpty() && p.paths.isEmpty() && p.textBlocks.isEmpty() &&
           p.date.isEmpty() && p.time.isEmpty();
}

bool TfrmTrainingPlanMode::setEditMode(bool on) {
    const bool editing = on && hasPlan();
    settings().setEditFlag(editing);
    applyInputState();
    return editing;
}

void TfrmTrainingPlanMode::setMainEditMode(bool on) {
    // The view/edit switch lives in the main window; a view shown on its own switches
    // itself.
    if (auto* main = qobject_cast<TFormKorvex*>(window())) {
        main->SetEditMode(on);
        return;
    }
    settings().setEditFlag(setEditMode(on));
}

void TfrmTrainingPlanMode::applyInputState() {
    // Plans take keys in the edit state only; the archive takes them in its evaluation.
    const bool loaded = hasPlan();
    const bool editing = !isArchive() && loaded && settings().EditFlag();
    m_edtDate->setReadOnly(!editing);
    m_edtTime->setReadOnly(!editing);
    m_memDescription->setReadOnly(!editing);
    m_memEvaluate->setReadOnly(!(isArchive() && loaded));
    for (PlanPractiseRow* row : m_rows) {
        row->duration()->setReadOnly(!editing);
        row->removeButton()->setEnabled(editing);
        row->upButton()->setEnabled(loaded);
        row->downButton()->setEnabled(loaded);
    }
    for (PlanNoteRow* row : m_noteRows) {
        row->numberEdit()->setReadOnly(!editing);
        row->timeEdit()->setReadOnly(!editing);
        for (QPlainTextEdit* memo : row->memos())
            memo->setReadOnly(!editing);
        row->removeButton()->setEnabled(editing);
        row->upButton()->setEnabled(editing);
        row->downButton()->setEnabled(editing);
    }
    m_btnInsertTextNotes->setEnabled(editing);
    m_btnOpenHeading->setEnabled(loaded);
}

void TfrmTrainingPlanMode::placeFile(const QString& relativePath) {
    PlacePractise(joinPath(settings().appDir(), storedToPath(relativePath)));
}

} // namespace korvex
