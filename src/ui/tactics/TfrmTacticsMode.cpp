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

    m_practise->setPlaceholders(language().Text(LK("EmptyCategoryString")),
                                language().Text(LK("EmptySubCategoryString")),
                                language().Text(LK("EmptyPractiseString")));
    for (TSelectionComboBox* combo : m_combos) {
        combo->bind(m_practise.get());
        // A practise is never replaced under a running playback.
        connect(combo, &TSelectionComboBox::choosing, this, &TfrmTacticsMode::stopPlayback);
        connect(combo, &TSelectionComboBox::itemChosen, this, &TfrmTacticsMode::onItemChosen);
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
    m_practise->UnregisterCombos();
    for (TSelectionComboBox* combo : m_combos)
        combo->bind(nullptr);
    m_editor->setDocument(nullptr);
}

void TfrmTacticsMode::createControls() {
    const auto label = [this](const char* name) { return namedLabel(this, name); };
    m_lblCategory = label("lblGMCategory");
    m_lblSubCategory = label("lblGMSubCategory");
    m_lblName = label("lblGMPName");
    m_lblDescription = label("lblGMDescription");
    m_lblKeyWords = label("lblGMKeyWords");
    m_lblCourt = label("lblGMCourt");
    m_lblAnimation = label("lblTCAnimation");
    m_lblDrawingTools = label("lblGMDrawingTools");
    const char* comboNames[3] = {"cmbGMCategory", "cmbGMSubCategory", "cmbGMName"};
    for (int level = 0; level < 3; ++level) {
        m_combos[level] = new TSelectionComboBox(level, this);
        m_combos[level]->setObjectName(QString::fromLatin1(comboNames[level]));
    }
    const auto memo = [this](const char* name) {
        auto* m = new QPlainTextEdit(this);
        m->setObjectName(QString::fromLatin1(name));
        m->setReadOnly(true);
        // The practise always holds the texts, so any save writes what the memos show.
        connect(m, &QPlainTextEdit::textChanged, this, &TfrmTacticsMode::onTextsEdited);
        return m;
    };
    m_memText = memo("memGMText");
    m_memKeyWords = memo("memGMKeyWords");

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
    const int comboW = large ? 320 : 290;
    applyLayoutRows(
        {
            {m_combos[0], {6, 22, 290, 22}, {6, 22, 320, 22}},
            {m_combos[1], {6, 64, 290, 22}, {6, 64, 320, 22}},
            {m_combos[2], {6, 106, 290, 22}, {6, 106, 320, 22}},
            {m_lblCategory, {6, 6, comboW, 16}, {6, 6, comboW, 16}},
            {m_lblSubCategory, {6, 48, comboW, 16}, {6, 48, comboW, 16}},
            {m_lblName, {6, 90, comboW, 16}, {6, 90, comboW, 16}},
            {m_lblDescription, {6, 132, comboW, 16}, {6, 132, comboW, 16}},
            {m_memText, {6, 148, 290, 242}, {6, 148, 320, 298}},
            {m_lblKeyWords, {6, 394, 290, 16}, {6, 450, 320, 16}},
            {m_memKeyWords, {6, 410, 290, 64}, {6, 466, 320, 120}},
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
        {m_lblCategory, LK("lblGMCategory")},   {m_lblSubCategory, LK("lblGMSubCategory")},
        {m_lblName, LK("lblGMPName")},          {m_lblDescription, LK("lblGMDescription")},
        {m_lblKeyWords, LK("lblGMKeyWords")},   {m_lblCourt, LK("lblGMCourt")},
        {m_lblAnimation, LK("lblTCAnimation")}, {m_lblDrawingTools, LK("lblGMDrawingTools")},
        {m_lblScenes, LK("lblTCScenes")},       {m_lblScenesCount, LK("lblTCScenesCount")},
        {m_lblSpeed, LK("lblTCSpeed")},
    };
    for (const auto& entry : texts) {
        if (auto* label = qobject_cast<QLabel*>(entry.widget))
            label->setText(l.Text(entry.key));
    }
    m_spbPlay->setText(l.Text(LK("spbTCPlay")));
    m_chbSmooth->setText(l.Text(LK("chbTCSmooth")));
    m_edtSpeed->setToolTip(l.Text(LK("lblTCSpeed")));
    m_tools->applyCaptions(l);
    m_editor->applyCaptions();
}

void TfrmTacticsMode::onItemChosen() {
    m_loading = true;
    copyTextsFromPractise();
    m_loading = false;
    for (int level = 0; level < 3; ++level)
        settings().setRememberedIndex(kMode, level, m_combos[level]->currentIndex());
    showFrame();
}

void TfrmTacticsMode::reloadSelection() {
    stopPlayback();
    for (TSelectionComboBox* combo : m_combos) {
        m_practise->ComboDropDown(combo->selection());
        m_practise->setLevelValue(combo->level(), combo->selection()->currentText());
    }
    for (int level = 0; level < 3; ++level)
        settings().setRememberedIndex(kMode, level, m_combos[level]->currentIndex());
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
    PractiseMemos{m_memText, m_memKeyWords}.show(*m_document);
    m_loading = loading;
}

void TfrmTacticsMode::onTextsEdited() {
    if (m_loading || !m_practise || m_practise->name().isEmpty())
        return;
    PractiseMemos{m_memText, m_memKeyWords}.pushEdit(*m_document);
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
    m_memText->setReadOnly(!on);
    m_memKeyWords->setReadOnly(!on);
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

QString TfrmTacticsMode::errorString() const {
    return m_practise ? m_practise->errorString() : QString();
}

} // namespace korvex
