// The diary's records: the grid, the edit panel and the record commands.
#include "ui/diary/TfrmDiaryMode.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "storage/TDiary.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/diary/DiaryDateField.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>

namespace korvex {

namespace {

constexpr int kHeadLineBytes = 150;

} // namespace

void TfrmDiaryMode::fillGrid(int selectRow) {
    const QList<QStringList> rows = m_diary->gridRows();
    m_grid->clearContents();
    // Without a team the grid is empty; with one it ends in the row for a new record.
    m_grid->setRowCount(m_diary->team().isEmpty() ? 0 : static_cast<int>(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r) {
        for (int column = 0; column < 2; ++column)
            m_grid->setItem(r, column, new QTableWidgetItem(rows.at(r).value(column)));
    }
    this->selectRow(selectRow);
}

int TfrmDiaryMode::selectedRow() const {
    const int row = m_grid->currentRow();
    return row >= 0 && m_grid->selectionModel()->isRowSelected(row, QModelIndex()) ? row + 1 : 0;
}

void TfrmDiaryMode::selectRow(int row) {
    if (row >= 1 && row <= m_grid->rowCount())
        m_grid->selectRow(row - 1);
    else
        m_grid->clearSelection();
}

void TfrmDiaryMode::openRow(int row) {
    if (m_diary->team().isEmpty() || isEditing() || row < 1)
        return;
    const int record = m_diary->recordOfRow(row);
    if (record < 0) {
        newRecord();
        return;
    }
    selectRow(row);
    const TeamEntry& entry = m_diary->entry(record);
    loadEditor(m_diary->field(record, TDiary::Date), m_diary->field(record, TDiary::HeadLine),
               entry.notes);
    m_newRecordPending = false;
    m_editIndex = record;
    switchPanels();
}

void TfrmDiaryMode::newRecord() {
    if (m_diary->team().isEmpty()) {
        dialogs().information(this, language().Text(LK("TeamNotSelected")));
        return;
    }
    if (isEditing())
        return;
    loadEditor(QString(), QString(), {});
    switchPanels();
    m_newRecordPending = true;
}

void TfrmDiaryMode::loadEditor(const QString& date, const QString& headline,
                               const QStringList& note) {
    m_edtDate->setText(date);
    m_edtHeadLine->setText(headline);
    m_retNote->setPlainText(note.join(QLatin1Char('\n')));
    m_editStart = QStringList{m_edtDate->text(), m_edtHeadLine->text()} + noteLines();
}

QStringList TfrmDiaryMode::noteLines() const {
    const QString text = m_retNote->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

bool TfrmDiaryMode::editorChanged() const {
    return m_editStart != QStringList{m_edtDate->text(), m_edtHeadLine->text()} + noteLines();
}

void TfrmDiaryMode::limitHeadline() {
    // The headline is stored in 150 bytes: a headline with many accented letters is stopped
    // where it would no longer fit, rather than cut unseen on saving.
    const QString text = m_edtHeadLine->text();
    if (text.toUtf8().size() <= kHeadLineBytes)
        return;
    QString kept = text;
    while (kept.toUtf8().size() > kHeadLineBytes)
        kept.chop(kept.size() >= 2 && kept.at(kept.size() - 1).isLowSurrogate() ? 2 : 1);
    const int cursor = m_edtHeadLine->cursorPosition();
    m_edtHeadLine->setText(kept);
    m_edtHeadLine->setCursorPosition(std::min(cursor, static_cast<int>(kept.size())));
}

bool TfrmDiaryMode::saveRecord() {
    if (!isEditing())
        return false;
    if (isBlank(m_edtDate->text())) {
        dialogs().information(this, language().Text(LK("DateNameMustBeFiled")));
        m_edtDate->setFocus();
        return false;
    }
    const FixedRecord record =
        TDiary::makeRecord(m_edtDate->text().left(DiaryDateField::kMaxLength),
                           m_edtHeadLine->text().left(kHeadLineBytes));
    const QStringList note = noteLines();
    const bool adding = m_newRecordPending;
    const int index = adding ? m_diary->count() : m_editIndex;
    const bool stored = storeChange(
        [&] {
            return adding ? m_diary->addEntry(record, note)
                          : m_diary->replaceEntry(index, record, note);
        },
        m_diary->rowOfRecord(index) + (adding ? 1 : 0));
    if (!stored)
        return false; // the record stays in the edit panel
    switchPanels();
    return true;
}

bool TfrmDiaryMode::storeChange(const std::function<bool()>& change, int selectRowAfter) {
    // The file is written after every change; when that fails, memory goes back to what the
    // file holds, so the grid never shows a record that is not stored.
    const QList<TeamEntry> before = m_diary->entries();
    if (!change() || !m_diary->saveTeam()) {
        m_diary->setEntries(before);
        reportFileError();
        return false;
    }
    fillGrid(selectRowAfter);
    return true;
}

void TfrmDiaryMode::cancelRecord() {
    if (isEditing())
        switchPanels();
}

void TfrmDiaryMode::deleteRecord() {
    const int row = selectedRow();
    const int record = m_diary->recordOfRow(row);
    if (m_diary->team().isEmpty())
        return;
    if (record < 0) {
        dialogs().information(this, language().Text(LK("RecordNotSelected")));
        return;
    }
    const QString question = language().Text(LK("DelRec")) + QLatin1Char(' ') +
                             m_diary->field(record, TDiary::Date) + QStringLiteral(": ") +
                             m_diary->field(record, TDiary::HeadLine) + QLatin1Char('?');
    if (!dialogs().confirm(this, question))
        return;
    // The row stays where it was, or moves up to the new oldest record.
    const int rowAfter = std::max(1, std::min(row, m_diary->count() - 1));
    storeChange([&] { return m_diary->deleteEntry(record); }, rowAfter);
}

} // namespace korvex
