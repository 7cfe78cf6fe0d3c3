// The practise and note rows of the training plan view: which entries they show, how they
// scroll, and reordering, removing and adding.
#include "ui/plans/TfrmTrainingPlanMode.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TTrainingPlan.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/plans/PlanNoteRow.h"
#include "ui/plans/PlanPractiseRow.h"
#include "ui/plans/PlanSummaryBar.h"
#include "ui/plans/PlanTotalTime.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

namespace korvex {

void TfrmTrainingPlanMode::connectRows() {
    for (int k = 0; k < 3; ++k) {
        PlanPractiseRow* row = m_rows[k];
        connect(row->duration(), &QLineEdit::textChanged, this, [this, k] { onDurationEdited(k); });
        connect(row->removeButton(), &QPushButton::clicked, this, [this, k] { removePractise(k); });
        connect(row->upButton(), &QToolButton::clicked, this, [this, k] { movePractise(k, -1); });
        connect(row->downButton(), &QToolButton::clicked, this, [this, k] { movePractise(k, 1); });
    }
    for (int j = 0; j < 2; ++j) {
        PlanNoteRow* row = m_noteRows[j];
        for (QLineEdit* edit : {row->numberEdit(), row->timeEdit()})
            connect(edit, &QLineEdit::textChanged, this, [this, edit] { onFieldEdited(edit); });
        for (QPlainTextEdit* memo : row->memos())
            connect(memo, &QPlainTextEdit::textChanged, this,
                    [this, memo] { onFieldEdited(memo); });
        connect(row->removeButton(), &QPushButton::clicked, this, [this, j] { removeNote(j); });
        connect(row->upButton(), &QToolButton::clicked, this, [this, j] { moveNote(j, -1); });
        connect(row->downButton(), &QToolButton::clicked, this, [this, j] { moveNote(j, 1); });
    }
    connect(m_uadTPScroll, &QScrollBar::valueChanged, this, [this] { ShowPractises(true); });
    connect(m_uadTPTXScroll, &QScrollBar::valueChanged, this, [this] { ShowNotes(true); });
    connect(m_btnInsertTextNotes, &QPushButton::clicked, this, &TfrmTrainingPlanMode::addNote);
    connect(m_btnOpenHeading, &QPushButton::clicked, this, &TfrmTrainingPlanMode::OpenHeading);
}

void TfrmTrainingPlanMode::showAll() {
    fillFromPlan();
    ShowNotes(false);
    ShowPractises(false);
    applyInputState();
}

void TfrmTrainingPlanMode::ShowPractises(bool fromControl) {
    if (fromControl)
        StoreEdits(); // the rows still show the entries of the old position
    const QList<TPractisesData>& items = m_plan->items;
    const int count = static_cast<int>(items.size());
    const bool notes = !m_plan->textBlocks.isEmpty();
    const int rows = notes ? 2 : 3;
    {
        // The position never goes past the last full page of rows.
        const QSignalBlocker blocker(m_uadTPScroll);
        m_uadTPScroll->setMaximum(std::max(0, count - rows));
    }
    m_top = rows < count ? std::min(m_uadTPScroll->value(), count - rows) : 0;
    if (notes)
        --m_top; // the notes take the first row's place
    const bool loading = m_loading;
    m_loading = true;
    for (int k = 0; k < 3; ++k) {
        const int index = m_top + k;
        const bool shown = index >= 0 && index < count && !(notes && k == 0);
        if (shown)
            m_rows[k]->showEntry(items.at(index), index, m_plan->thumbnail(index));
        m_rows[k]->setVisible(shown);
    }
    m_loading = loading;
    const QRect first = m_rows[notes ? 1 : 0]->geometry();
    m_uadTPScroll->setGeometry(m_uadTPScroll->x(), first.y(), m_uadTPScroll->width(),
                               m_rows[2]->geometry().bottom() - first.y() + 1);
    m_uadTPScroll->setPageStep(rows);
    m_uadTPScroll->setVisible(count > 3 || (notes && count > 2));
    updateTotalTime();
}

void TfrmTrainingPlanMode::ShowNotes(bool fromControl) {
    if (fromControl)
        StoreEdits();
    const int count = m_plan->textBlocks.count();
    {
        const QSignalBlocker blocker(m_uadTPTXScroll);
        m_uadTPTXScroll->setMaximum(std::max(0, count - 2));
    }
    m_noteTop = count <= 2 ? 0 : std::min(m_uadTPTXScroll->value(), count - 2);
    const bool loading = m_loading;
    m_loading = true;
    for (int j = 0; j < 2; ++j) {
        const int index = m_noteTop + j;
        const bool shown = index < count;
        if (shown)
            m_noteRows[j]->showNote(m_plan->textBlocks.at(index));
        m_noteRows[j]->setVisible(shown);
    }
    m_loading = loading;
    // A single note stands alone in the place of both note rows.
    const bool large = settings().FormSize() != 0;
    const QRect first = m_noteRows[0]->geometry();
    const int noteH = (large ? 180 : 160) / 2;
    m_noteRows[0]->setGeometry(first.x(), first.y(), first.width(), count == 1 ? 2 * noteH : noteH);
    m_noteRows[0]->applyLayout(large, count == 1);
    m_uadTPTXScroll->setPageStep(2);
    m_uadTPTXScroll->setVisible(count > 2);
}

void TfrmTrainingPlanMode::movePractise(int tag, int step) {
    StoreEdits();
    const int index = m_top + tag;
    if (!m_plan->SwapPractises(index, index + step))
        return; // the first practise cannot go up, nor the last down
    ShowPractises(false);
}

void TfrmTrainingPlanMode::removePractise(int tag) {
    const int index = m_top + tag;
    if (!hasPlan() || index < 0 || index >= m_plan->items.size())
        return;
    StoreEdits();
    const QString question = language().Text(LK("DelPrac")) + QLatin1Char(' ') +
                             m_plan->items.at(index).name + QLatin1Char('?');
    if (!dialogs().confirm(this, question))
        return;
    if (!m_plan->RemovePractise(index))
        dialogs().information(this, language().Text(LK("SaveFailedItemKept")) +
                                        QStringLiteral("\n\n") + m_plan->errorString());
    {
        const QSignalBlocker blocker(m_uadTPScroll);
        m_uadTPScroll->setValue(0);
    }
    ShowPractises(false);
}

void TfrmTrainingPlanMode::moveNote(int row, int step) {
    if (!settings().EditFlag())
        return;
    StoreEdits();
    const int index = m_noteTop + row;
    if (!m_plan->SwapTextBlocks(index, index + step))
        return;
    ShowNotes(false);
}

void TfrmTrainingPlanMode::removeNote(int row) {
    const int index = m_noteTop + row;
    if (!settings().EditFlag() || index < 0 || index >= m_plan->textBlocks.count())
        return;
    StoreEdits();
    if (!dialogs().confirm(this, language().Text(LK("DelText"))))
        return;
    m_plan->textBlocks.removeAt(index);
    m_plan->setModified(true);
    ShowNotes(false);
    // Without notes the first practise row comes back and shows the practise before the
    // ones shown now.
    ShowPractises(false);
}

void TfrmTrainingPlanMode::addNote() {
    if (!hasPlan())
        return;
    StoreEdits();
    m_plan->textBlocks.append(TTextData());
    m_plan->setModified(true);
    {
        const QSignalBlocker blocker(m_uadTPTXScroll);
        m_uadTPTXScroll->setMaximum(m_plan->textBlocks.count());
        m_uadTPTXScroll->setValue(m_plan->textBlocks.count() - 1);
    }
    ShowNotes(false);
    ShowPractises(false);
    applyInputState();
    m_noteRows[m_plan->textBlocks.count() - 1 - m_noteTop]->memos()[0]->setFocus();
}

void TfrmTrainingPlanMode::onDurationEdited(int row) {
    const int index = m_top + row;
    if (m_loading || !hasPlan() || index < 0 || index >= m_plan->items.size())
        return;
    m_plan->items[index].time = m_rows[row]->duration()->text();
    m_plan->setModified(true);
    updateTotalTime();
}

void TfrmTrainingPlanMode::updateTotalTime() {
    if (!m_plan || !hasPlan()) {
        m_lblTotalValue->clear();
        m_lblTotalNotSet->clear();
        m_summaryBar->setVisible(false);
        return;
    }
    m_summaryBar->showPlan(*m_plan);
    m_summaryBar->setVisible(!m_plan->paths.isEmpty());
    const PlanTotalTime total = planTotalTime(m_plan->items);
    m_lblTotalValue->setText(totalTimeText(language(), total));
    m_lblTotalNotSet->setText(notSetText(language(), total));
}

} // namespace korvex
