// The controls of the training plan view, their places in the two window sizes and their
// captions.
#include "ui/plans/TfrmTrainingPlanMode.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "ui/LanguageKeys.h"
#include "ui/TSelectionComboBox.h"
#include "ui/plans/PlanNoteRow.h"
#include "ui/plans/PlanPractiseRow.h"
#include "ui/plans/PlanSummaryBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace korvex {

namespace {

struct Place {
    int x, y, w, h;
};

// Where a control stands in the small (0) and the large (1) window size.
struct LayoutRow {
    QWidget* widget;
    Place small;
    Place large;
};

} // namespace

QLabel* TfrmTrainingPlanMode::addLabel(const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLineEdit* TfrmTrainingPlanMode::addEdit(const char* name, int tag) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setProperty("Tag", tag);
    connect(edit, &QLineEdit::textChanged, this, [this, edit] { onFieldEdited(edit); });
    return edit;
}

QPlainTextEdit* TfrmTrainingPlanMode::addMemo(const char* name, int tag) {
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setProperty("Tag", tag);
    connect(memo, &QPlainTextEdit::textChanged, this, [this, memo] { onFieldEdited(memo); });
    return memo;
}

void TfrmTrainingPlanMode::createControls() {
    const char* comboNames[3] = {"cmbTPCategory", "cmbTPSubCategory", "cmbTPName"};
    for (int level = 0; level < 3; ++level) {
        m_combos[level] = new TSelectionComboBox(level, this);
        m_combos[level]->setObjectName(QString::fromLatin1(comboNames[level]));
    }
    m_combos[0]->setVisible(false); // the category is fixed: plans or archive
    m_lblSubCategory = addLabel("lblTPCategory");
    m_lblName = addLabel("lblTPName");
    m_lblDate = addLabel("lblTPDate");
    m_lblTime = addLabel("lblTPTime");
    m_lblDescription = addLabel("lblTPDescription");
    m_lblEvaluate = addLabel("lblTPEvaluate");
    m_edtDate = addEdit("edtTPDate", 1);
    m_edtTime = addEdit("edtTPTime", 2);
    m_memDescription = addMemo("memTPDescription", 3);
    m_memEvaluate = addMemo("memTPEvaluate", 4);

    m_lblTotalTime = addLabel("lblTPTotalTime");
    m_lblTotalValue = addLabel("lblTPTotalValue");
    QFont big = m_lblTotalValue->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    m_lblTotalValue->setFont(big);
    m_lblTotalNotSet = addLabel("lblTPTotalNotSet");
    m_lblTotalNotSet->setWordWrap(true);
    m_lblTotalNotSet->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_btnOpenHeading = new QPushButton(this);
    m_btnOpenHeading->setObjectName(QStringLiteral("btnOpenHeading"));
    m_btnInsertTextNotes = new QPushButton(this);
    m_btnInsertTextNotes->setObjectName(QStringLiteral("btnInsertTextNotes"));
    m_summaryBar = new PlanSummaryBar(language(), settings(), this);
    createRows();

    if (isArchive()) {
        QPalette red = m_lblEvaluate->palette();
        red.setColor(QPalette::WindowText, Qt::red);
        m_lblEvaluate->setPalette(red);
        m_btnInsertTextNotes->setVisible(false);
    } else {
        m_lblEvaluate->setVisible(false);
        m_memEvaluate->setVisible(false);
    }
}

void TfrmTrainingPlanMode::createRows() {
    // Created after the fields above, so the tab order runs from the heading fields down.
    for (int i = 0; i < 3; ++i) {
        m_rows[i] = new PlanPractiseRow(i + 1, this);
        m_rows[i]->setVisible(false);
    }
    for (int i = 0; i < 2; ++i) {
        m_noteRows[i] = new PlanNoteRow(i + 1, this);
        m_noteRows[i]->setVisible(false);
    }
    m_uadTPScroll = new QScrollBar(Qt::Vertical, this);
    m_uadTPScroll->setObjectName(QStringLiteral("uadTPScroll"));
    m_uadTPScroll->setVisible(false);
    m_uadTPTXScroll = new QScrollBar(Qt::Vertical, this);
    m_uadTPTXScroll->setObjectName(QStringLiteral("uadTPTXScroll"));
    m_uadTPTXScroll->setVisible(false);
    if (isArchive()) {
        // Archived content is frozen: nothing to remove or reorder.
        for (PlanPractiseRow* row : m_rows) {
            row->removeButton()->setVisible(false);
            row->upButton()->setVisible(false);
            row->downButton()->setVisible(false);
        }
        for (PlanNoteRow* row : m_noteRows) {
            row->removeButton()->setVisible(false);
            row->upButton()->setVisible(false);
            row->downButton()->setVisible(false);
        }
    }
}

void TfrmTrainingPlanMode::applyLayout() {
    const bool large = settings().FormSize() != 0;
    const bool archive = isArchive();
    // The combos and the date column follow the fixed table; the description shares its
    // row with the evaluation (archive) and the total time (both).
    const int textX = large ? 348 : 335;
    const int descriptionW = archive ? (large ? 255 : 155) : (large ? 517 : 320);
    const int evaluateX = textX + descriptionW + 7;
    const int totalX = large ? 875 : 661;
    const int totalW = large ? 130 : 84;
    const int footerY = large ? 634 : 572;
    const LayoutRow rows[] = {
        {m_lblSubCategory, {6, 6, 229, 16}, {6, 6, 242, 16}},
        {m_combos[1], {6, 22, 229, 22}, {6, 22, 242, 22}},
        {m_lblName, {6, 46, 229, 16}, {6, 46, 242, 16}},
        {m_combos[2], {6, 62, 229, 22}, {6, 62, 242, 22}},
        {m_lblDate, {244, 6, 81, 16}, {257, 6, 81, 16}},
        {m_edtDate, {244, 22, 81, 22}, {257, 22, 81, 22}},
        {m_lblTime, {244, 46, 81, 16}, {257, 46, 81, 16}},
        {m_edtTime, {244, 62, 81, 22}, {257, 62, 81, 22}},
        {m_btnOpenHeading, {6, footerY, 160, 26}, {6, footerY, 160, 26}},
        {m_btnInsertTextNotes, {172, footerY, 160, 26}, {172, footerY, 160, 26}},
    };
    for (const LayoutRow& row : rows) {
        const Place& p = large ? row.large : row.small;
        row.widget->setGeometry(p.x, p.y, p.w, p.h);
    }
    m_lblDescription->setGeometry(textX, 6, descriptionW, 16);
    m_memDescription->setGeometry(textX, 22, descriptionW, 62);
    m_lblEvaluate->setGeometry(evaluateX, 6, descriptionW, 16);
    m_memEvaluate->setGeometry(evaluateX, 22, descriptionW, 62);
    m_lblTotalTime->setGeometry(totalX, 6, totalW, 16);
    m_lblTotalValue->setGeometry(totalX, 22, totalW, 26);
    m_lblTotalNotSet->setGeometry(totalX, 50, totalW, 34);
    m_summaryBar->setGeometry(338, footerY, (large ? 992 : 745) - 338, 26);

    const int rowW = large ? 992 : 745;
    const int rowH = large ? 180 : 160;
    for (int i = 0; i < 3; ++i) {
        m_rows[i]->setGeometry(0, 88 + i * rowH, rowW, rowH);
        m_rows[i]->applyLayout(large);
    }
    const int noteH = rowH / 2;
    for (int i = 0; i < 2; ++i) {
        m_noteRows[i]->setGeometry(0, 88 + i * noteH, rowW, noteH);
        m_noteRows[i]->applyLayout(large);
    }
    m_uadTPScroll->setGeometry(rowW + 1, 88, 17, 3 * rowH);
    m_uadTPTXScroll->setGeometry(rowW + 1, 88, 17, rowH);
    setMinimumSize(rowW + 20, footerY + 30);
}

void TfrmTrainingPlanMode::applyCaptions() {
    const TLanguage& l = language();
    const bool archive = isArchive();
    m_lblSubCategory->setText(l.Text(archive ? LK("lblTUTeam") : LK("lblTPCategory")));
    m_lblName->setText(l.Text(archive ? LK("lblTUNumber") : LK("lblTPName")));
    m_lblDate->setText(l.Text(LK("lblTPDate")));
    m_lblTime->setText(l.Text(LK("lblTPTime")));
    m_lblDescription->setText(l.Text(LK("lblTPDescription")));
    m_lblEvaluate->setText(l.Text(LK("lblTPEvaluate")));
    m_lblTotalTime->setText(l.Text(LK("lblTPTotalTime")));
    m_btnOpenHeading->setText(l.Text(LK("btnOpenHeading")));
    m_btnInsertTextNotes->setText(l.Text(LK("btnInsertTextNotes")));
    for (PlanPractiseRow* row : m_rows)
        row->applyCaptions(l);
    for (PlanNoteRow* row : m_noteRows)
        row->applyCaptions(l);
    m_summaryBar->applyCaptions();
    updateTotalTime();
}

} // namespace korvex
