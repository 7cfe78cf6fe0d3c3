#include "ui/graphic/TfrmGraphicMode.h"
#include "ui/FormLayout.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "drawing/CanvasTexts.h"
#include "editing/GraphicDocument.h"
#include "storage/TGraphicPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/PractiseColumn.h"
#include "ui/TSelectionComboBox.h"
#include "ui/graphic/DrawingAutosave.h"
#include "ui/graphic/DrawingToolPanel.h"
#include "ui/graphic/GraphicEditor.h"
#include "ui/graphic/PractiseMemos.h"

#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QUndoStack>
#include <QUrl>

namespace korvex {

namespace {

constexpr int kMode = 1;

} // namespace

TfrmGraphicMode::TfrmGraphicMode(TLanguage& language, TSettings& settings, QWidget* parent)
    : TModeView(language, settings, parent) {
    setObjectName(QStringLiteral("frmGraphicMode"));
}

TfrmGraphicMode::~TfrmGraphicMode() = default;

QString TfrmGraphicMode::titleKey() const {
    return LK("spbGPMode");
}

void TfrmGraphicMode::initialise() {
    m_practise = std::make_unique<TGraphicPractise>(settings(), language());
    m_document = std::make_unique<GraphicDocument>(
        *m_practise, [this](const QString& key) { return language().Text(key); });
    m_autosave = new DrawingAutosave(
        this, [this] { return saveIfModified(); }, [this] { return m_practise->errorString(); });
    connect(&m_document->undoStack(), &QUndoStack::indexChanged, this, [this] {
        m_autosave->start();
        copyTextsFromPractise(); // an undone stretch of typing shows in the memos
    });
    createControls();
    applyLayout();

    m_column->bind(*m_practise, language());
    for (TSelectionComboBox* list : m_column->lists())
        connect(list, &TSelectionComboBox::itemChosen, this, &TfrmGraphicMode::onItemChosen);
    m_loading = true;
    m_practise->Clear();
    m_practise->FillCombos(false, settings());
    copyTextsFromPractise();
    m_loading = false;
    showPractise();
    applyCaptions();
}

void TfrmGraphicMode::tearDown() {
    if (!m_practise)
        return;
    m_autosave->stop();
    // A failed save is said, not swallowed: the drawing would otherwise be lost unnoticed.
    if (!saveIfModified())
        dialogs().information(this, m_practise->errorString());
    m_column->unbind(*m_practise);
    m_editor->setDocument(nullptr);
}

void TfrmGraphicMode::createControls() {
    const auto label = [this](const char* name) { return namedLabel(this, name); };
    m_column = std::make_unique<PractiseColumn>(this, kDrawingColumnNames);
    // The practise always holds the texts, so a save from anywhere (a list change, the
    // category editor, closing) writes what the memos show.
    for (QPlainTextEdit* memo : {m_column->text(), m_column->keywords()})
        connect(memo, &QPlainTextEdit::textChanged, this, &TfrmGraphicMode::onTextsEdited);
    m_lblCourt = label("lblGMCourt");
    m_lblDrawingTools = label("lblGMDrawingTools");
    m_lblDevel = label("lblGMDevel");
    // Beside the tool panel the line is narrower than its text in every language.
    m_lblDevel->setWordWrap(true);
    m_lblWww = label("lblGMwww");
    m_lblWww->setTextFormat(Qt::RichText);
    connect(m_lblWww, &QLabel::linkActivated, this,
            [](const QString& link) { dialogs().openUrl(QUrl(link)); });

    m_pnlGround = new QFrame(this);
    m_pnlGround->setObjectName(QStringLiteral("pnlGMGround"));
    m_pnlGround->setFrameShape(QFrame::Box);
    m_editor = new GraphicEditor(language(), m_pnlGround);
    connect(m_editor, &GraphicEditor::hintChanged, this, &TfrmGraphicMode::showHint);
    m_editor->setNumberPlayers([this] { return settings().CountPlayers(); });
    m_tools = new DrawingToolPanel(m_editor, &m_practise->drawingSettings(),
                                   DrawingToolPanel::Contents::FiguresAndLines, this);
}

void TfrmGraphicMode::applyLayout() {
    const bool large = settings().FormSize() != 0;
    m_column->applyLayout(large);
    applyLayoutRows(
        {
            {m_column->keywords(), {6, 410, 752, 64}, {6, 466, 320, 64}},
            {m_lblCourt, {304, 6, 300, 16}, {330, 6, 300, 16}},
            {m_pnlGround, {304, 22, 454, 284}, {330, 22, 679, 424}},
            {m_editor, {2, 2, 450, 280}, {2, 2, 675, 420}},
            {m_lblDrawingTools, {304, 310, 300, 16}, {330, 450, 300, 16}},
            {m_tools, {304, 326, 454, 64}, {330, 466, 454, 64}},
            {m_lblDevel, {6, 478, 440, 16}, {790, 466, 220, 34}},
            {m_lblWww, {452, 478, 306, 16}, {790, 502, 220, 16}},
        },
        large);
    m_lblWww->setAlignment(large ? Qt::AlignLeft | Qt::AlignVCenter
                                 : Qt::AlignRight | Qt::AlignVCenter);
    setMinimumSize(large ? 1012 : 762, large ? 534 : 496);
}

void TfrmGraphicMode::applyCaptions() {
    const TLanguage& l = language();
    const struct {
        QWidget* widget;
        QString key;
    } labels[] = {
        {m_lblCourt, LK("lblGMCourt")},
        {m_lblDrawingTools, LK("lblGMDrawingTools")},
        {m_lblDevel, LK("lblGMDevel")},
    };
    for (const auto& entry : labels) {
        if (auto* label = qobject_cast<QLabel*>(entry.widget))
            label->setText(l.Text(entry.key));
    }
    m_column->applyCaptions(l);
    m_tools->applyCaptions(l);
    const QString home = l.Text(LK("lblGMwww")).toHtmlEscaped();
    m_lblWww->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(home));
    m_editor->applyCaptions();
}

void TfrmGraphicMode::onItemChosen() {
    m_loading = true;
    copyTextsFromPractise();
    m_loading = false;
    m_column->rememberSelection(settings(), kMode);
    showPractise();
}

void TfrmGraphicMode::reloadSelection() {
    m_loading = true;
    m_column->reloadLists(*m_practise, settings(), kMode);
    m_practise->Clear();
    m_practise->LoadCurrent();
    copyTextsFromPractise();
    m_loading = false;
    showPractise();
}

void TfrmGraphicMode::showPractise() {
    // A practise loaded is a new history: what was done to the previous one is not undone
    // on this one.
    m_document->resetHistory();
    m_autosave->stop();
    if (m_practise->name().isEmpty()) {
        // No practise: the canvas shows the title card.
        m_practise->Clear();
        m_editor->setPlaceholder(titleCard(
            QSize(m_practise->pictureWidth(), m_practise->pictureHeight()),
            [this](const QString& key) { return language().Text(key); }, settings().VersionText()));
        m_editor->setDocument(nullptr);
        return;
    }
    m_editor->setDocument(m_document.get());
    // The practise loaded, but its missing picture could not be saved again.
    if (!m_practise->loadWarning().isEmpty())
        dialogs().information(this, language().Text(LK("PictureNotRedrawn")) +
                                        QStringLiteral("\n\n") + m_practise->loadWarning());
}

void TfrmGraphicMode::onTextsEdited() {
    if (m_loading || !m_practise || m_practise->name().isEmpty())
        return;
    PractiseMemos{m_column->text(), m_column->keywords()}.pushEdit(*m_document);
}

void TfrmGraphicMode::copyTextsFromPractise() {
    const bool loading = m_loading;
    m_loading = true;
    PractiseMemos{m_column->text(), m_column->keywords()}.show(*m_document);
    m_loading = loading;
}

const QImage& TfrmGraphicMode::buffer() const {
    return m_editor->buffer();
}

const QImage& TfrmGraphicMode::screen() const {
    return m_editor->screen();
}

bool TfrmGraphicMode::lineInProgress() const {
    return m_editor->lineInProgress();
}

bool TfrmGraphicMode::isSelectState() const {
    return m_editor->tool() == GraphicEditor::Tool::Select;
}

QString TfrmGraphicMode::undoText() const {
    return m_document ? m_document->undoStack().undoText() : QString();
}

QString TfrmGraphicMode::redoText() const {
    return m_document ? m_document->undoStack().redoText() : QString();
}

bool TfrmGraphicMode::canUndo() const {
    return m_document && m_document->undoStack().canUndo();
}

bool TfrmGraphicMode::canRedo() const {
    return m_document && m_document->undoStack().canRedo();
}

bool TfrmGraphicMode::setEditMode(bool on) {
    if (m_practise == nullptr || m_practise->name().isEmpty()) {
        settings().setEditFlag(false);
        setToolsEnabled(false);
        return false;
    }
    settings().setEditFlag(on);
    setToolsEnabled(on);
    return on;
}

void TfrmGraphicMode::setToolsEnabled(bool on) {
    m_tools->setToolsEnabled(on);
    m_column->setTextsReadOnly(!on);
    m_editor->setEditing(on);
}

int TfrmGraphicMode::endKind() const {
    return m_tools->endKind();
}

void TfrmGraphicMode::showHint(const QString& hint) {
    if (auto* main = qobject_cast<QMainWindow*>(window()))
        main->statusBar()->showMessage(hint);
}

QString TfrmGraphicMode::itemName() const {
    return m_practise ? m_practise->name() : QString();
}

QString TfrmGraphicMode::subcategoryName() const {
    return m_practise ? m_practise->subcategory() : QString();
}

bool TfrmGraphicMode::isModified() const {
    return m_document && m_document->isModified();
}

bool TfrmGraphicMode::saveIfModified() {
    if (!m_practise || !m_document->isModified() || !m_practise->hasCurrentItem())
        return true;
    if (!m_practise->SaveCurrent())
        return false;
    m_document->markSaved();
    return true;
}

QString TfrmGraphicMode::errorString() const {
    return m_practise ? m_practise->errorString() : QString();
}

int TfrmGraphicMode::customFieldMode() const {
    return m_practise ? m_practise->groundMode() : 0;
}

} // namespace korvex
