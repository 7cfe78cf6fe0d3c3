#include "ui/graphic/TfrmGraphicMode.h"
#include "ui/FormLayout.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "drawing/CanvasTexts.h"
#include "editing/GraphicDocument.h"
#include "editing/SetTextsCommand.h"
#include "storage/TGraphicPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/TSelectionComboBox.h"
#include "ui/graphic/GraphicEditor.h"
#include "ui/graphic/ToolGlyphs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>

namespace korvex {

namespace {

constexpr int kFirstFigureTag = 7;

// The autosave waits this long after the last edit.
constexpr int kAutosaveDelayMs = 2000;

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
    m_autosave = new QTimer(this);
    m_autosave->setSingleShot(true);
    m_autosave->setInterval(kAutosaveDelayMs);
    connect(m_autosave, &QTimer::timeout, this, &TfrmGraphicMode::autosave);
    connect(&m_document->undoStack(), &QUndoStack::indexChanged, this, [this] {
        m_autosave->start();
        copyTextsFromPractise(); // an undone stretch of typing shows in the memos
    });
    createControls();
    createToolButtons();
    applyLayout();

    m_practise->setPlaceholders(language().Text(LK("EmptyCategoryString")),
                                language().Text(LK("EmptySubCategoryString")),
                                language().Text(LK("EmptyPractiseString")));
    for (TSelectionComboBox* combo : m_combos) {
        combo->bind(m_practise.get());
        connect(combo, &TSelectionComboBox::itemChosen, this, &TfrmGraphicMode::onItemChosen);
    }
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
    m_practise->UnregisterCombos();
    for (TSelectionComboBox* combo : m_combos)
        combo->bind(nullptr);
    m_editor->setDocument(nullptr);
}

void TfrmGraphicMode::createControls() {
    const auto label = [this](const char* name) { return namedLabel(this, name); };
    m_lblCategory = label("lblGMCategory");
    m_lblSubCategory = label("lblGMSubCategory");
    m_lblName = label("lblGMPName");
    m_lblDescription = label("lblGMDescription");
    m_lblKeyWords = label("lblGMKeyWords");
    m_lblCourt = label("lblGMCourt");
    m_lblDrawingTools = label("lblGMDrawingTools");
    const char* comboNames[3] = {"cmbGMCategory", "cmbGMSubCategory", "cmbGMName"};
    for (int level = 0; level < 3; ++level) {
        m_combos[level] = new TSelectionComboBox(level, this);
        m_combos[level]->setObjectName(QString::fromLatin1(comboNames[level]));
    }
    auto memo = [this](const char* name) {
        auto* m = new QPlainTextEdit(this);
        m->setObjectName(QString::fromLatin1(name));
        m->setReadOnly(true);
        // The practise always holds the texts, so a save from anywhere (a list change, the
        // category editor, closing) writes what the memos show.
        connect(m, &QPlainTextEdit::textChanged, this, &TfrmGraphicMode::onTextsEdited);
        return m;
    };
    m_memText = memo("memGMText");
    m_memKeyWords = memo("memGMKeyWords");

    m_pnlGround = new QFrame(this);
    m_pnlGround->setObjectName(QStringLiteral("pnlGMGround"));
    m_pnlGround->setFrameShape(QFrame::Box);
    m_editor = new GraphicEditor(language(), m_pnlGround);
    connect(m_editor, &GraphicEditor::toolFinished, this, &TfrmGraphicMode::onToolFinished);
    connect(m_editor, &GraphicEditor::hintChanged, this, &TfrmGraphicMode::showHint);
    m_editor->setNumberPlayers([this] { return settings().CountPlayers(); });
    m_pnlTools = new QFrame(this);
    m_pnlTools->setObjectName(QStringLiteral("pnlGMDrawingTools"));
    m_pnlTools->setFrameShape(QFrame::StyledPanel);
}

QToolButton* TfrmGraphicMode::addTool(const char* name, int tag, int x, int y,
                                      QButtonGroup* group) {
    auto* button = new QToolButton(m_pnlTools);
    button->setObjectName(QString::fromLatin1(name));
    button->setProperty("Tag", tag);
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setGeometry(x, y, 30, 30);
    button->setIconSize(QSize(26, 26));
    button->setEnabled(false);
    group->addButton(button, tag);
    return button;
}

void TfrmGraphicMode::createToolButtons() {
    m_toolGroup = new QButtonGroup(this);
    m_endGroup = new QButtonGroup(this);
    const DrawingSettings* ds = &m_practise->drawingSettings();
    const struct {
        const char* name;
        int tag;
        int x;
    } figures[] = {
        {"spbFigureForward", 7, 2},     {"spbFigureDefender", 8, 32}, {"spbFigureFree", 10, 62},
        {"spbFigureGoalie", 9, 92},     {"spbFigureCoach", 11, 122},  {"spbFigureCone", 13, 242},
        {"spbFigurePuk", 14, 272},      {"spbFigurePuks", 15, 302},   {"spbFigureBall", 16, 332},
        {"spbFigureObstacle", 17, 362}, {"spbFigureNet", 12, 392},    {"spbFigureText", 18, 422}};
    for (const auto& f : figures)
        addTool(f.name, f.tag, f.x, 2, m_toolGroup)
            ->setIcon(figureGlyph(f.tag - kFirstFigureTag, ds));
    QToolButton* bigNet = addTool("spbFigureBigNet", 19, 452, 2, m_toolGroup);
    bigNet->setVisible(false);
    const struct {
        const char* name;
        int tag;
        int x;
    } ends[] = {{"spbArrowArrow", 0, 2},
                {"spbArrowCross", 1, 32},
                {"spbArrowDbCross", 2, 62},
                {"spbArrowArc", 3, 92},
                {"spbArrowNone", 4, 122}};
    for (const auto& e : ends)
        addTool(e.name, e.tag, e.x, 32, m_endGroup)->setIcon(endKindGlyph(e.tag, ds));
    const struct {
        const char* name;
        int tag;
        int x;
    } lines[] = {{"spbLineSolid", 0, 242},      {"spbLineTwiddle", 3, 272},
                 {"spbLineSemiCircle", 4, 302}, {"spbCrosswise", 5, 332},
                 {"spbCrosswiseSolid", 6, 362}, {"spbLineDash", 1, 392},
                 {"spbLineDbSolid", 2, 422}};
    for (const auto& l : lines)
        addTool(l.name, l.tag, l.x, 32, m_toolGroup)->setIcon(lineKindGlyph(l.tag, ds));
    m_spbArrowArrow = m_pnlTools->findChild<QToolButton*>(QStringLiteral("spbArrowArrow"));
    m_spbArrowArrow->setChecked(true);
    // The hidden tool: while it is down no tool is active and the canvas selects.
    m_spbHelp1 = addTool("spbHelp1", -1, 0, 0, m_toolGroup);
    m_toolGroup->setId(m_spbHelp1, -1);
    m_spbHelp1->setVisible(false);
    m_spbHelp1->setChecked(true);

    m_chbLineType = new QCheckBox(m_pnlTools);
    m_chbLineType->setObjectName(QStringLiteral("chbGMLineType"));
    m_chbLineType->setEnabled(false);
    m_chbLineType->setGeometry(160, 38, 16, 18);
    m_lblLineType = new QLabel(m_pnlTools);
    m_lblLineType->setObjectName(QStringLiteral("lblGMLineType"));
    m_lblLineType->setEnabled(false);
    m_lblLineType->setGeometry(176, 38, 62, 18);
    connect(m_chbLineType, &QCheckBox::toggled, m_editor, &GraphicEditor::setStraight);
    connect(m_chbLineType, &QCheckBox::clicked, this, &TfrmGraphicMode::onLineTypeClicked);
    connect(m_toolGroup, &QButtonGroup::buttonClicked, this, &TfrmGraphicMode::onToolClicked);
    connect(m_endGroup, &QButtonGroup::buttonClicked, this, &TfrmGraphicMode::onEndClicked);
}

void TfrmGraphicMode::applyLayout() {
    const bool large = settings().FormSize() != 0;
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
            {m_memKeyWords, {6, 410, 752, 64}, {6, 466, 320, 64}},
            {m_lblCourt, {304, 6, 300, 16}, {330, 6, 300, 16}},
            {m_pnlGround, {304, 22, 454, 284}, {330, 22, 679, 424}},
            {m_editor, {2, 2, 450, 280}, {2, 2, 675, 420}},
            {m_lblDrawingTools, {304, 310, 300, 16}, {330, 450, 300, 16}},
            {m_pnlTools, {304, 326, 454, 64}, {330, 466, 454, 64}},
        },
        large);
    setMinimumSize(large ? 1012 : 762, large ? 534 : 478);
}

void TfrmGraphicMode::applyCaptions() {
    const TLanguage& l = language();
    const struct {
        QWidget* widget;
        QString key;
    } labels[] = {
        {m_lblCategory, LK("lblGMCategory")},
        {m_lblSubCategory, LK("lblGMSubCategory")},
        {m_lblName, LK("lblGMPName")},
        {m_lblDescription, LK("lblGMDescription")},
        {m_lblKeyWords, LK("lblGMKeyWords")},
        {m_lblCourt, LK("lblGMCourt")},
        {m_lblDrawingTools, LK("lblGMDrawingTools")},
        {m_lblLineType, LK("lblGMLineStright")},
    };
    for (const auto& entry : labels) {
        if (auto* label = qobject_cast<QLabel*>(entry.widget))
            label->setText(l.Text(entry.key));
    }
    const QString toolKeys[] = {
        LK("spbFigureForward"),  LK("spbFigureDefender"), LK("spbFigureGoalie"),
        LK("spbFigureFree"),     LK("spbFigureCoach"),    LK("spbFigureNet"),
        LK("spbFigureCone"),     LK("spbFigurePuk"),      LK("spbFigureText"),
        LK("spbFigureObstacle"), LK("spbFigureBall"),     LK("spbFigurePuks"),
        LK("spbArrowArrow"),     LK("spbArrowCross"),     LK("spbArrowDbCross"),
        LK("spbArrowArc"),       LK("spbArrowNone"),      LK("spbLineSolid"),
        LK("spbLineDash"),       LK("spbLineDbSolid"),    LK("spbLineTwiddle"),
        LK("spbLineSemiCircle"), LK("spbCrosswise"),      LK("spbCrosswiseSolid"),
    };
    for (const QString& key : toolKeys) {
        if (auto* button = m_pnlTools->findChild<QToolButton*>(key))
            button->setToolTip(l.Text(key));
    }
    const QString menuKeys[] = {LK("ppmChangeText"),  LK("ppmChangeColor"), LK("ppmColorBlack"),
                                LK("ppmColorRed"),    LK("ppmColorGreen"),  LK("ppmColorBlue"),
                                LK("ppmColorPurple"), LK("ppmColorOrange")};
    for (const QString& key : menuKeys) {
        for (QMenu* menu : {m_editor->figureMenu(), m_editor->lineColourMenu()}) {
            if (auto* action = menu->findChild<QAction*>(key))
                action->setText(l.Text(key));
        }
    }
    // The label of the check box stands centred on x = 198 of the tool panel.
    m_lblLineType->adjustSize();
    m_lblLineType->move(198 - m_lblLineType->width() / 2 + 8, 38);
    m_chbLineType->move(m_lblLineType->x() - 18, 38);
}

void TfrmGraphicMode::onItemChosen() {
    m_loading = true;
    copyTextsFromPractise();
    m_loading = false;
    for (int level = 0; level < 3; ++level)
        settings().setRememberedIndex(1, level, m_combos[level]->currentIndex());
    showPractise();
}

void TfrmGraphicMode::reloadSelection() {
    m_loading = true;
    for (TSelectionComboBox* combo : m_combos) {
        m_practise->ComboDropDown(combo->selection());
        m_practise->setLevelValue(combo->level(), combo->selection()->currentText());
    }
    for (int level = 0; level < 3; ++level)
        settings().setRememberedIndex(1, level, m_combos[level]->currentIndex());
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
}

void TfrmGraphicMode::onTextsEdited() {
    if (m_loading || !m_practise || m_practise->name().isEmpty())
        return;
    auto lines = [](const QPlainTextEdit* memo) {
        QStringList list = memo->toPlainText().split(QLatin1Char('\n'));
        if (list.size() == 1 && list.first().isEmpty())
            list.clear();
        return list;
    };
    const QStringList description = lines(m_memText);
    const QStringList keywords = lines(m_memKeyWords);
    if (description == m_practise->description() && keywords == m_practise->keywords())
        return;
    m_document->push(new SetTextsCommand(*m_document, description, keywords));
}

void TfrmGraphicMode::copyTextsFromPractise() {
    // Only a memo whose text differs is written, so typing keeps its cursor.
    const bool loading = m_loading;
    m_loading = true;
    const QString description = m_practise->description().join(QLatin1Char('\n'));
    const QString keywords = m_practise->keywords().join(QLatin1Char('\n'));
    if (m_memText->toPlainText() != description)
        m_memText->setPlainText(description);
    if (m_memKeyWords->toPlainText() != keywords)
        m_memKeyWords->setPlainText(keywords);
    m_loading = loading;
}

void TfrmGraphicMode::autosave() {
    // Never in the middle of a gesture: the drag is one step and is saved after it ends.
    if (QApplication::mouseButtons() != Qt::NoButton) {
        m_autosave->start();
        return;
    }
    if (saveIfModified()) {
        m_lastAutosaveError.clear();
        return;
    }
    // Said once per kind of failure, not every two seconds; the edits stay in memory and
    // the next edit tries again.
    const QString error = m_practise->errorString();
    if (error != m_lastAutosaveError) {
        m_lastAutosaveError = error;
        dialogs().information(this, error);
    }
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

bool TfrmGraphicMode::setEditMode(bool on) {
    if (m_practise == nullptr || m_practise->name().isEmpty()) {
        settings().setEditFlag(false);
        setToolsEnabled(false);
        return false;
    }
    settings().setEditFlag(on);
    setToolsEnabled(on);
    m_chbLineType->setChecked(false);
    return on;
}

void TfrmGraphicMode::setToolsEnabled(bool on) {
    for (QAbstractButton* button : m_toolGroup->buttons()) {
        if (button->objectName() != QLatin1String("spbFigureBigNet"))
            button->setEnabled(on);
    }
    for (QAbstractButton* button : m_endGroup->buttons())
        button->setEnabled(on);
    m_chbLineType->setEnabled(on);
    m_lblLineType->setEnabled(on);
    m_memText->setReadOnly(!on);
    m_memKeyWords->setReadOnly(!on);
    m_editor->setEditing(on);
    if (!on)
        m_spbHelp1->setChecked(true);
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
