#include "ui/tactics/TfrmTacticsMode.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "drawing/CanvasTexts.h"
#include "editing/GraphicDocument.h"
#include "storage/AnimationPictures.h"
#include "storage/TTacticsPractise.h"
#include "ui/Dialogs.h"
#include "ui/FormLayout.h"
#include "ui/LanguageKeys.h"
#include "ui/PractiseColumn.h"
#include "ui/TSelectionComboBox.h"
#include "ui/graphic/DrawingAutosave.h"
#include "ui/graphic/DrawingToolPanel.h"
#include "ui/graphic/GraphicEditor.h"
#include "ui/graphic/PractiseMemos.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

namespace korvex {

namespace {

constexpr int kMode = 7;

} // namespace

TfrmTacticsMode::TfrmTacticsMode(TLanguage& language, TSettings& settings, QWidget* parent)
    : TModeView(language, settings, parent) {
    setObjectName(QStringLiteral("frmTacticsMode"));
}

TfrmTacticsMode::~TfrmTacticsMode() = default;

QString TfrmTacticsMode::titleKey() const {
    return LK("spbTCMode");
}

void TfrmTacticsMode::initialise() {
    m_practise = std::make_unique<TTacticsPractise>(settings(), language());
    m_document = std::make_unique<GraphicDocument>(
        *m_practise, [this](const QString& key) { return language().Text(key); });
    m_autosave = new DrawingAutosave(
        this, [this] { return saveIfModified(); }, [this] { return m_practise->errorString(); });
    connect(&m_document->undoStack(), &QUndoStack::indexChanged, this, [this] {
        m_autosave->start();
        copyTextsFromPractise(); // an undone stretch of typing shows in the memos
    });
    createControls();
    createAnimationPanel();
    applyLayout();

    m_column->bind(*m_practise, language());
    for (TSelectionComboBox* list : m_column->lists()) {
        // A practise is never replaced under a running playback.
        connect(list, &TSelectionComboBox::choosing, this, &TfrmTacticsMode::stopPlayback);
        connect(list, &TSelectionComboBox::itemChosen, this, &TfrmTacticsMode::onItemChosen);
    }
    m_loading = true;
    m_practise->Clear();
    m_practise->FillCombos(false, settings());
    copyTextsFromPractise();
    m_loading = false;
    showFrame();
    applyCaptions();
}

void TfrmTacticsMode::tearDown() {
    if (!m_practise)
        return;
    stopPlayback();
    m_autosave->stop();
    if (!saveIfModified())
        dialogs().information(this, m_practise->errorString());
    m_column->unbind(*m_practise);
    m_editor->setDocument(nullptr);
}

void TfrmTacticsMode::createControls() {
    const auto label = [this](const char* name) { return namedLabel(this, name); };
    m_column = std::make_unique<PractiseColumn>(this, kDrawingColumnNames);
    // The practise always holds the texts, so any save writes what the memos show.
    for (QPlainTextEdit* memo : {m_column->text(), m_column->keywords()})
        connect(memo, &QPlainTextEdit::textChanged, this, &TfrmTacticsMode::onTextsEdited);
    m_lblCourt = label("lblGMCourt");
    m_lblAnimation = label("lblTCAnimation");
    m_lblDrawingTools = label("lblGMDrawingTools");

    m_pnlGround = new QFrame(this);
    m_pnlGround->setObjectName(QStringLiteral("pnlGMGround"));
    m_pnlGround->setFrameShape(QFrame::Box);
    m_editor = new GraphicEditor(language(), m_pnlGround);
    m_editor->setNumberPlayers([this] { return settings().CountPlayers(); });
    connect(m_editor, &GraphicEditor::hintChanged, this, [this](const QString& hint) {
        if (auto* main = qobject_cast<QMainWindow*>(window()))
            main->statusBar()->showMessage(hint);
    });
    m_tools = new DrawingToolPanel(m_editor, &m_practise->drawingSettings(),
                                   DrawingToolPanel::Contents::FiguresOnly, this);
}

void TfrmTacticsMode::createAnimationPanel() {
    m_pnlAnimation = new QFrame(this);
    m_pnlAnimation->setObjectName(QStringLiteral("pnlGMAnimation"));
    m_pnlAnimation->setFrameShape(QFrame::StyledPanel);
    const auto label = [this](const char* name) { return namedLabel(m_pnlAnimation, name); };

    m_spbPlay = new QToolButton(m_pnlAnimation);
    m_spbPlay->setObjectName(QStringLiteral("spbTCPlay"));
    m_spbPlay->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    m_spbPlay->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(m_spbPlay, &QToolButton::clicked, this, &TfrmTacticsMode::play);

    m_lblScenes = label("lblTCScenes");
    m_speScenes = new QSpinBox(m_pnlAnimation);
    m_speScenes->setObjectName(QStringLiteral("speTCScenes"));
    m_speScenes->setRange(0, 0);
    m_speScenes->setMinimumWidth(56);
    connect(m_speScenes, &QSpinBox::valueChanged, this, &TfrmTacticsMode::onScenesChange);

    m_lblScenesCount = label("lblTCScenesCount");
    m_edtScenesCount = new QLineEdit(QStringLiteral("0"), m_pnlAnimation);
    m_edtScenesCount->setObjectName(QStringLiteral("edtTCScenesCount"));
    m_edtScenesCount->setReadOnly(true);
    m_edtScenesCount->setMaximumWidth(48);

    m_lblSpeed = label("lblTCSpeed");
    m_edtSpeed = new QLineEdit(QStringLiteral("200"), m_pnlAnimation);
    m_edtSpeed->setObjectName(QStringLiteral("edtTCSpeed"));
    m_edtSpeed->setMaximumWidth(56);

    m_chbSmooth = new QCheckBox(m_pnlAnimation);
    m_chbSmooth->setObjectName(QStringLiteral("chbTCSmooth"));

    auto* grid = new QGridLayout(m_pnlAnimation);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->addWidget(m_spbPlay, 0, 0, 2, 1);
    grid->addWidget(m_lblScenes, 0, 1);
    grid->addWidget(m_speScenes, 0, 2);
    grid->addWidget(m_lblScenesCount, 0, 3);
    grid->addWidget(m_edtScenesCount, 0, 4);
    grid->addWidget(m_lblSpeed, 1, 1);
    grid->addWidget(m_edtSpeed, 1, 2);
    grid->addWidget(m_chbSmooth, 1, 3, 1, 2);
    grid->setColumnStretch(5, 1);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer"));
    connect(m_timer, &QTimer::timeout, this, &TfrmTacticsMode::tick);
}

void TfrmTacticsMode::applyLayout() {
    const bool large = settings().FormSize() != 0;
    const int w = large ? 675 : 450;
    const int h = large ? 420 : 280;
    m_titleCard = QImage(w, h, QImage::Format_RGB32);
    m_titleCard.fill(Qt::white);
    m_column->applyLayout(large);
    applyLayoutRows(
        {
            {m_column->keywords(), {6, 410, 290, 64}, {6, 466, 320, 120}},
            {m_lblCourt, {304, 6, 300, 16}, {330, 6, 300, 16}},
            {m_pnlGround, {304, 22, 454, 284}, {330, 22, 679, 424}},
            {m_editor, {2, 2, 450, 280}, {2, 2, 675, 420}},
            {m_lblDrawingTools, {304, 310, 300, 16}, {330, 450, 300, 16}},
            {m_tools, {304, 326, 364, 36}, {330, 466, 364, 36}},
            {m_lblAnimation, {304, 366, 300, 16}, {330, 506, 300, 16}},
            {m_pnlAnimation, {304, 382, 454, 64}, {330, 522, 679, 64}},
        },
        large);
    setMinimumSize(large ? 1012 : 762, large ? 590 : 478);
}

void TfrmTacticsMode::applyCaptions() {
    const TLanguage& l = language();
    const struct {
        QWidget* widget;
        QString key;
    } texts[] = {
        {m_lblCourt, LK("lblGMCourt")},
        {m_lblAnimation, LK("lblTCAnimation")},
        {m_lblDrawingTools, LK("lblGMDrawingTools")},
        {m_lblScenes, LK("lblTCScenes")},
        {m_lblScenesCount, LK("lblTCScenesCount")},
        {m_lblSpeed, LK("lblTCSpeed")},
    };
    for (const auto& entry : texts) {
        if (auto* label = qobject_cast<QLabel*>(entry.widget))
            label->setText(l.Text(entry.key));
    }
    m_spbPlay->setText(l.Text(LK("spbTCPlay")));
    m_chbSmooth->setText(l.Text(LK("chbTCSmooth")));
    m_edtSpeed->setToolTip(l.Text(LK("lblTCSpeed")));
    m_column->applyCaptions(l);
    m_tools->applyCaptions(l);
    m_editor->applyCaptions();
}

void TfrmTacticsMode::onItemChosen() {
    m_loading = true;
    copyTextsFromPractise();
    m_loading = false;
    m_column->rememberSelection(settings(), kMode);
    showFrame();
}

void TfrmTacticsMode::reloadSelection() {
    stopPlayback();
    m_column->reloadLists(*m_practise, settings(), kMode);
    m_loading = true;
    m_practise->Clear();
    m_practise->LoadCurrent();
    copyTextsFromPractise();
    m_loading = false;
    showFrame();
}

void TfrmTacticsMode::copyTextsFromPractise() {
    const bool loading = m_loading;
    m_loading = true;
    PractiseMemos{m_column->text(), m_column->keywords()}.show(*m_document);
    m_loading = loading;
}

void TfrmTacticsMode::onTextsEdited() {
    if (m_loading || !m_practise || m_practise->name().isEmpty())
        return;
    PractiseMemos{m_column->text(), m_column->keywords()}.pushEdit(*m_document);
}

void TfrmTacticsMode::showFrame() {
    // The history belongs to the frame it was made on: its steps name figures of that frame
    // by index, so they must not be undone on another one. Unsaved edits stay modified.
    m_document->resetHistory();
    if (m_practise->name().isEmpty()) {
        m_titleCard = titleCard(
            m_titleCard.size(), [this](const QString& key) { return language().Text(key); },
            settings().VersionText());
        m_editor->setPlaceholder(m_titleCard);
        m_editor->setDocument(nullptr);
    } else {
        m_document->takeNumbersOfFigures();
        m_editor->setDocument(m_document.get());
    }
    if (m_document->isModified())
        m_autosave->start();
    else
        m_autosave->stop();
    updatePanel();
    updateEditing();
}

void TfrmTacticsMode::updateEditing() {
    const bool on = !m_practise->name().isEmpty() && !isPlaying();
    m_tools->setToolsEnabled(on);
    m_editor->setEditing(on);
    m_column->setTextsReadOnly(!on);
}

void TfrmTacticsMode::updatePanel() {
    const bool loaded = !m_practise->name().isEmpty();
    m_pnlAnimation->setEnabled(loaded);
    const QSignalBlocker blocker(m_speScenes);
    // One past the last frame stays reachable: moving there adds a frame.
    m_speScenes->setRange(0, loaded ? m_practise->frameCount() : 0);
    m_speScenes->setValue(loaded ? m_practise->currentFrame() : 0);
    m_edtScenesCount->setText(QString::number(loaded ? m_practise->frameCount() : 0));
}

QString TfrmTacticsMode::itemName() const {
    return m_practise ? m_practise->name() : QString();
}

QString TfrmTacticsMode::subcategoryName() const {
    return m_practise ? m_practise->subcategory() : QString();
}

bool TfrmTacticsMode::isModified() const {
    return m_document && m_document->isModified();
}

bool TfrmTacticsMode::saveIfModified() {
    if (!m_practise || !m_document->isModified() || !m_practise->hasCurrentItem())
        return true;
    if (!m_practise->SaveCurrent())
        return false;
    m_document->markSaved();
    return true;
}

QString TfrmTacticsMode::undoText() const {
    return m_document ? m_document->undoStack().undoText() : QString();
}

QString TfrmTacticsMode::redoText() const {
    return m_document ? m_document->undoStack().redoText() : QString();
}

bool TfrmTacticsMode::canUndo() const {
    return m_document && m_document->undoStack().canUndo();
}

bool TfrmTacticsMode::canRedo() const {
    return m_document && m_document->undoStack().canRedo();
}

QString TfrmTacticsMode::errorString() const {
    return m_practise ? m_practise->errorString() : QString();
}

} // namespace korvex
