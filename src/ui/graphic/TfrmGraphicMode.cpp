#include "ui/graphic/TfrmGraphicMode.h"
#include "ui/FormLayout.h"

#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "drawing/TFigure.h"
#include "drawing/TLine.h"
#include "storage/TGraphicPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/TSelectionComboBox.h"
#include "ui/graphic/GraphicCanvas.h"
#include "ui/graphic/ToolGlyphs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QToolButton>

namespace korvex {

namespace {

constexpr int kFirstFigureTag = 7;

// The six line colours of the colour menu (0x00BBGGRR).
struct LineColour {
    const char* name;
    const char* caption;
    quint32 colour;
};
const LineColour kLineColours[] = {
    {"ppmColorBlack", "Black", 0x000000},   {"ppmColorRed", "Red", 0x0000FF},
    {"ppmColorGreen", "Green", 0x00C000},   {"ppmColorBlue", "Blue", 0xFF0000},
    {"ppmColorPurple", "Purple", 0x800080}, {"ppmColorOrange", "Orange", 0x0080FF},
};

QColor fromBgr(quint32 colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

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
    const int w = settings().RinkWidth() > 0 ? settings().RinkWidth() : 675;
    const int h = settings().RinkHeight() > 0 ? settings().RinkHeight() : 420;
    m_buffer = QImage(w, h, QImage::Format_RGB32);
    m_buffer.fill(Qt::white);
    m_screen = m_buffer.copy();
    m_practise = std::make_unique<TGraphicPractise>(settings(), language());
    createControls();
    createToolButtons();
    createPopupMenus();
    applyLayout();

    m_practise->attachCanvas(&m_screen, &m_buffer);
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
    // A failed save is said, not swallowed: the drawing would otherwise be lost unnoticed.
    if (!saveIfModified())
        dialogs().information(this, m_practise->errorString());
    m_practise->UnregisterCombos();
    for (TSelectionComboBox* combo : m_combos)
        combo->bind(nullptr);
    m_practise->attachCanvas(nullptr, nullptr);
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
        connect(m, &QPlainTextEdit::textChanged, this, [this] {
            if (m_loading || !m_practise)
                return;
            copyTextsToPractise();
            m_practise->setModified(true);
        });
        return m;
    };
    m_memText = memo("memGMText");
    m_memKeyWords = memo("memGMKeyWords");

    m_pnlGround = new QFrame(this);
    m_pnlGround->setObjectName(QStringLiteral("pnlGMGround"));
    m_pnlGround->setFrameShape(QFrame::Box);
    m_canvas = new GraphicCanvas(&m_screen, m_pnlGround);
    m_canvas->setHandlers([this](QMouseEvent* e) { mouseDown(e); },
                          [this](QMouseEvent* e) { mouseMove(e); },
                          [this](QMouseEvent* e) { mouseUp(e); });
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
    connect(m_chbLineType, &QCheckBox::clicked, this, &TfrmGraphicMode::onLineTypeClicked);
    connect(m_toolGroup, &QButtonGroup::buttonClicked, this, &TfrmGraphicMode::onToolClicked);
    connect(m_endGroup, &QButtonGroup::buttonClicked, this, &TfrmGraphicMode::onEndClicked);
}

void TfrmGraphicMode::createPopupMenus() {
    m_ppmFigure = new QMenu(this);
    m_ppmFigure->setObjectName(QStringLiteral("ppmFigure"));
    const struct {
        const char* name;
        int tag;
    } figureItems[] = {{"ppmChangeText", 1}, {"ppmChangeColor", 2}};
    for (const auto& item : figureItems) {
        QAction* action = m_ppmFigure->addAction(QString::fromLatin1(item.name));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setProperty("Tag", item.tag);
        connect(action, &QAction::triggered, this, [this, tag = item.tag] { onFigureMenu(tag); });
    }
    m_ppmLineColor = new QMenu(this);
    m_ppmLineColor->setObjectName(QStringLiteral("ppmLineColor"));
    int tag = 1;
    for (const LineColour& c : kLineColours) {
        QPixmap swatch(14, 14);
        swatch.fill(fromBgr(c.colour)); // opaque swatches
        QAction* action = m_ppmLineColor->addAction(QIcon(swatch), QString::fromLatin1(c.caption));
        action->setObjectName(QString::fromLatin1(c.name));
        action->setProperty("Tag", tag);
        connect(action, &QAction::triggered, this, [this, tag] { onLineColour(tag); });
        ++tag;
    }
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
            {m_canvas, {2, 2, 450, 280}, {2, 2, 675, 420}},
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
        for (QMenu* menu : {m_ppmFigure, m_ppmLineColor}) {
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
    m_lineInProgress = false;
    m_newLine.reset();
    showPractise();
}

void TfrmGraphicMode::reloadSelection() {
    copyTextsToPractise();
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
    if (m_practise->name().isEmpty()) {
        // No practise: the canvas shows the title card that clearing paints on it.
        m_practise->Clear();
        m_buffer = m_screen.copy();
        m_canvas->update();
        return;
    }
    renderBuffer();
    blit();
}

void TfrmGraphicMode::copyTextsToPractise() {
    if (!m_practise)
        return;
    const bool modified = m_practise->modified();
    auto lines = [](const QPlainTextEdit* memo) {
        QStringList list = memo->toPlainText().split(QLatin1Char('\n'));
        if (list.size() == 1 && list.first().isEmpty())
            list.clear();
        return list;
    };
    m_practise->description() = lines(m_memText);
    m_practise->keywords() = lines(m_memKeyWords);
    m_practise->setModified(modified);
}

void TfrmGraphicMode::copyTextsFromPractise() {
    const bool loading = m_loading;
    m_loading = true;
    m_memText->setPlainText(m_practise->description().join(QLatin1Char('\n')));
    m_memKeyWords->setPlainText(m_practise->keywords().join(QLatin1Char('\n')));
    m_loading = loading;
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
    if (!on) {
        // Leaving the edit state drops a line in progress and returns to selecting.
        m_lineInProgress = false;
        m_newLine.reset();
        m_spbHelp1->setChecked(true);
        if (m_practise)
            m_practise->clearSelection();
        if (!m_buffer.isNull())
            blit();
    }
}

QString TfrmGraphicMode::itemName() const {
    return m_practise ? m_practise->name() : QString();
}

QString TfrmGraphicMode::subcategoryName() const {
    return m_practise ? m_practise->subcategory() : QString();
}

bool TfrmGraphicMode::isModified() const {
    return m_practise && m_practise->modified();
}

bool TfrmGraphicMode::saveIfModified() {
    if (!m_practise || !m_practise->modified() || !m_practise->hasCurrentItem())
        return true;
    copyTextsToPractise();
    return m_practise->SaveCurrent();
}

QString TfrmGraphicMode::errorString() const {
    return m_practise ? m_practise->errorString() : QString();
}

int TfrmGraphicMode::customFieldMode() const {
    return m_practise ? m_practise->groundMode() : 0;
}

} // namespace korvex
