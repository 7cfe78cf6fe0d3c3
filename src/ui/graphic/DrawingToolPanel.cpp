#include "ui/graphic/DrawingToolPanel.h"

#include "core/TLanguage.h"
#include "drawing/TLine.h"
#include "editing/GraphicDocument.h"
#include "editing/ReplaceLineCommand.h"
#include "ui/LanguageKeys.h"
#include "ui/graphic/GraphicEditor.h"
#include "ui/graphic/ToolGlyphs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QToolButton>

namespace korvex {

namespace {

constexpr int kFirstFigureTag = 7;

// Passes (dashed) and shots (double) always end in an arrow.
bool forcesArrow(int lineKind) {
    return lineKind == 1 || lineKind == 2;
}

} // namespace

DrawingToolPanel::DrawingToolPanel(GraphicEditor* editor, const DrawingSettings* settings,
                                   Contents contents, QWidget* parent)
    : QFrame(parent), m_editor(editor) {
    setObjectName(QStringLiteral("pnlGMDrawingTools"));
    setFrameShape(QFrame::StyledPanel);
    m_toolGroup = new QButtonGroup(this);
    m_endGroup = new QButtonGroup(this);
    createFigureTools(settings, contents == Contents::FiguresOnly);
    if (contents == Contents::FiguresAndLines)
        createLineTools(settings);
    // The hidden tool: while it is down no tool is active and the canvas selects.
    m_spbHelp1 = addTool("spbHelp1", -1, 0, 0, m_toolGroup);
    m_toolGroup->setId(m_spbHelp1, -1);
    m_spbHelp1->setVisible(false);
    m_spbHelp1->setChecked(true);
    m_editor->setFiguresOnly(contents == Contents::FiguresOnly);
    connect(m_toolGroup, &QButtonGroup::buttonClicked, this, &DrawingToolPanel::onToolClicked);
    connect(m_endGroup, &QButtonGroup::buttonClicked, this, &DrawingToolPanel::onEndClicked);
    connect(m_editor, &GraphicEditor::toolFinished, this, &DrawingToolPanel::onToolFinished);
}

QToolButton* DrawingToolPanel::addTool(const char* name, int tag, int x, int y,
                                       QButtonGroup* group) {
    auto* button = new QToolButton(this);
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

void DrawingToolPanel::createFigureTools(const DrawingSettings* settings, bool alone) {
    const struct {
        const char* name;
        int tag;
        int x;
    } figures[] = {
        {"spbFigureForward", 7, 2},     {"spbFigureDefender", 8, 32}, {"spbFigureFree", 10, 62},
        {"spbFigureGoalie", 9, 92},     {"spbFigureCoach", 11, 122},  {"spbFigureCone", 13, 242},
        {"spbFigurePuk", 14, 272},      {"spbFigurePuks", 15, 302},   {"spbFigureBall", 16, 332},
        {"spbFigureObstacle", 17, 362}, {"spbFigureNet", 12, 392},    {"spbFigureText", 18, 422}};
    // Alone in the panel the figures stand side by side; with lines they leave room above
    // the straight-line box.
    int x = 2;
    for (const auto& f : figures) {
        addTool(f.name, f.tag, alone ? x : f.x, 2, m_toolGroup)
            ->setIcon(figureGlyph(f.tag - kFirstFigureTag, settings));
        x += 30;
    }
    addTool("spbFigureBigNet", 19, 452, 2, m_toolGroup)->setVisible(false);
}

void DrawingToolPanel::createLineTools(const DrawingSettings* settings) {
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
        addTool(e.name, e.tag, e.x, 32, m_endGroup)->setIcon(endKindGlyph(e.tag, settings));
    const struct {
        const char* name;
        int tag;
        int x;
    } lines[] = {{"spbLineSolid", 0, 242},      {"spbLineTwiddle", 3, 272},
                 {"spbLineSemiCircle", 4, 302}, {"spbCrosswise", 5, 332},
                 {"spbCrosswiseSolid", 6, 362}, {"spbLineDash", 1, 392},
                 {"spbLineDbSolid", 2, 422}};
    for (const auto& l : lines)
        addTool(l.name, l.tag, l.x, 32, m_toolGroup)->setIcon(lineKindGlyph(l.tag, settings));
    m_spbArrowArrow = findChild<QToolButton*>(QStringLiteral("spbArrowArrow"));
    m_spbArrowArrow->setChecked(true);

    m_chbLineType = new QCheckBox(this);
    m_chbLineType->setObjectName(QStringLiteral("chbGMLineType"));
    m_chbLineType->setEnabled(false);
    m_chbLineType->setGeometry(160, 38, 16, 18);
    m_lblLineType = new QLabel(this);
    m_lblLineType->setObjectName(QStringLiteral("lblGMLineType"));
    m_lblLineType->setEnabled(false);
    m_lblLineType->setGeometry(176, 38, 62, 18);
    connect(m_chbLineType, &QCheckBox::toggled, m_editor, &GraphicEditor::setStraight);
    connect(m_chbLineType, &QCheckBox::clicked, this, &DrawingToolPanel::onLineTypeClicked);

    // The button form of the Straight box, kept in step with it; it stands in the gap of the
    // figure row, right above the box.
    m_spbLineCurve = new QToolButton(this);
    m_spbLineCurve->setObjectName(QStringLiteral("spbLineCurve"));
    m_spbLineCurve->setCheckable(true);
    m_spbLineCurve->setChecked(true);
    m_spbLineCurve->setAutoRaise(true);
    m_spbLineCurve->setGeometry(182, 2, 30, 30);
    m_spbLineCurve->setIconSize(QSize(26, 26));
    m_spbLineCurve->setIcon(curvedLineGlyph(settings));
    m_spbLineCurve->setEnabled(false);
    connect(m_chbLineType, &QCheckBox::toggled, m_spbLineCurve,
            [this](bool straight) { m_spbLineCurve->setChecked(!straight); });
    connect(m_spbLineCurve, &QToolButton::clicked, this, [this](bool curved) {
        m_chbLineType->setChecked(!curved);
        onLineTypeClicked();
    });
}

void DrawingToolPanel::applyCaptions(const TLanguage& language) {
    const QString toolKeys[] = {
        LK("spbFigureForward"),  LK("spbFigureDefender"), LK("spbFigureGoalie"),
        LK("spbFigureFree"),     LK("spbFigureCoach"),    LK("spbFigureNet"),
        LK("spbFigureCone"),     LK("spbFigurePuk"),      LK("spbFigureText"),
        LK("spbFigureObstacle"), LK("spbFigureBall"),     LK("spbFigurePuks"),
        LK("spbArrowArrow"),     LK("spbArrowCross"),     LK("spbArrowDbCross"),
        LK("spbArrowArc"),       LK("spbArrowNone"),      LK("spbLineSolid"),
        LK("spbLineDash"),       LK("spbLineDbSolid"),    LK("spbLineTwiddle"),
        LK("spbLineSemiCircle"), LK("spbCrosswise"),      LK("spbCrosswiseSolid"),
        LK("spbLineCurve"),
    };
    for (const QString& key : toolKeys) {
        if (auto* button = findChild<QToolButton*>(key))
            button->setToolTip(language.Text(key));
    }
    if (!m_lblLineType)
        return;
    // The label of the check box stands centred on x = 198 of the panel.
    m_lblLineType->setText(language.Text(LK("lblGMLineStright")));
    m_lblLineType->adjustSize();
    m_lblLineType->move(198 - m_lblLineType->width() / 2 + 8, 38);
    m_chbLineType->move(m_lblLineType->x() - 18, 38);
}

void DrawingToolPanel::setToolsEnabled(bool on) {
    for (QAbstractButton* button : m_toolGroup->buttons()) {
        if (button->objectName() != QLatin1String("spbFigureBigNet"))
            button->setEnabled(on);
    }
    for (QAbstractButton* button : m_endGroup->buttons())
        button->setEnabled(on);
    if (m_chbLineType) {
        m_chbLineType->setEnabled(on);
        m_lblLineType->setEnabled(on);
        m_spbLineCurve->setEnabled(on);
        m_chbLineType->setChecked(false);
    }
    if (!on)
        m_spbHelp1->setChecked(true);
}

void DrawingToolPanel::onToolClicked(QAbstractButton* button) {
    const int tag = button->property("Tag").toInt();
    if (tag < 0) {
        m_editor->setSelectTool(); // the hidden select tool
        return;
    }
    if (tag >= kFirstFigureTag) {
        m_lineKind = -1;
        m_editor->setFigureTool(tag - kFirstFigureTag);
        return;
    }
    m_lineKind = tag;
    if (forcesArrow(tag)) {
        m_spbArrowArrow->setChecked(true);
        m_endKind = 0;
    }
    m_editor->setEndKind(m_endKind);
    m_editor->setLineTool(tag);
}

void DrawingToolPanel::onEndClicked(QAbstractButton* button) {
    if (!m_spbHelp1->isChecked() && m_lineKind >= 0 && forcesArrow(m_lineKind)) {
        m_spbArrowArrow->setChecked(true);
        m_endKind = 0;
    } else {
        m_endKind = button->property("Tag").toInt();
    }
    m_editor->setEndKind(m_endKind);
}

void DrawingToolPanel::onLineTypeClicked() {
    const bool straight = m_chbLineType->isChecked();
    m_editor->setStraight(straight);
    // With a line selected the box turns that line straight or curved.
    GraphicDocument* document = m_editor->document();
    const int line = document ? document->selectedLineIndex() : -1;
    if (line < 0 || !m_editor->isEditing())
        return;
    TLine changed = *document->selectedLine();
    if (changed.isCurved() == !straight)
        return;
    changed.setCurved(!straight);
    document->push(new ReplaceLineCommand(*document, line, changed, "CmdLineCurve"));
}

void DrawingToolPanel::onToolFinished() {
    m_spbHelp1->setChecked(true);
    m_endKind = 0;
    m_lineKind = -1;
    m_editor->setEndKind(0);
    if (m_spbArrowArrow)
        m_spbArrowArrow->setChecked(true);
}

} // namespace korvex
