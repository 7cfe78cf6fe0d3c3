#include "ui/text/TfrmTextMode.h"
#include "ui/FormLayout.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TTextPractise.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"
#include "ui/PractiseColumn.h"
#include "ui/TSelectionComboBox.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace korvex {

namespace {

constexpr int kMode = 2;

QStringList memoLines(const QPlainTextEdit* memo) {
    QStringList list = memo->toPlainText().split(QLatin1Char('\n'));
    if (list.size() == 1 && list.first().isEmpty())
        list.clear();
    return list;
}

} // namespace

TfrmTextMode::TfrmTextMode(TLanguage& language, TSettings& settings, QWidget* parent)
    : TModeView(language, settings, parent) {
    setObjectName(QStringLiteral("frmTextMode"));
}

TfrmTextMode::~TfrmTextMode() = default;

QString TfrmTextMode::titleKey() const {
    return LK("spbTXMode");
}

void TfrmTextMode::initialise() {
    const TSettings& s = settings();
    m_practise = std::make_unique<TTextPractise>(s.appDir(), s.TXSaveDir(),
                                                 joinPath(s.appDir(), s.PhotosSaveDir()),
                                                 &language(), &settings());
    // Pictures a crash left in the scratch folder belong to no practise: they go before
    // anything is loaded, so they can never be saved into the practise shown next.
    m_practise->Clear();
    createControls();
    createPicturePanel();
    applyLayout();

    m_column->bind(*m_practise, language());
    for (TSelectionComboBox* list : m_column->lists())
        connect(list, &TSelectionComboBox::itemChosen, this, &TfrmTextMode::onItemChosen);
    m_loading = true;
    m_practise->FillCombos(false, settings());
    settings().setReloadNeeded(TSettings::TextList, false);
    copyTextsFromPractise();
    m_loading = false;
    m_pictureTop = 0;
    showPictures();
    applyCaptions();
}

void TfrmTextMode::tearDown() {
    if (!m_practise)
        return;
    if (!saveIfModified())
        dialogs().information(this, m_practise->errorString());
    m_column->unbind(*m_practise);
}

void TfrmTextMode::createControls() {
    const auto label = [this](const char* name) { return namedLabel(this, name); };
    m_column = std::make_unique<PractiseColumn>(this, kTextColumnNames);
    // The practise always holds the texts, so a save from anywhere (a list change, the
    // category editor, closing) writes what the memos show.
    for (QPlainTextEdit* memo : {m_column->text(), m_column->keywords()}) {
        connect(memo, &QPlainTextEdit::textChanged, this, [this] {
            if (m_loading || !m_practise)
                return;
            copyTextsToPractise();
            m_practise->setModified(true);
        });
    }
    m_lblPictures = label("lblTXPictures");
    m_lblPictureTools = label("lblTXPictureTools");
}

void TfrmTextMode::createPicturePanel() {
    m_pnlPhotos = new QFrame(this);
    m_pnlPhotos->setObjectName(QStringLiteral("pnlTXPhotos"));
    m_pnlPhotos->setFrameShape(QFrame::Box);
    const char* slotNames[2] = {"imgPicture1", "imgPicture2"};
    const char* checkNames[2] = {"cbxPicture1", "cbxPicture2"};
    for (int i = 0; i < 2; ++i) {
        m_slots[i] = new QLabel(m_pnlPhotos);
        m_slots[i]->setObjectName(QString::fromLatin1(slotNames[i]));
        m_slots[i]->setAlignment(Qt::AlignCenter);
        m_slots[i]->setFrameShape(QFrame::StyledPanel);
        m_slots[i]->setAutoFillBackground(true);
        QPalette palette = m_slots[i]->palette();
        palette.setColor(QPalette::Window, Qt::white);
        m_slots[i]->setPalette(palette);
        m_checks[i] = new QCheckBox(m_pnlPhotos);
        m_checks[i]->setObjectName(QString::fromLatin1(checkNames[i]));
        m_checks[i]->setProperty("Tag", i + 1);
        m_checks[i]->setEnabled(false);
        connect(m_checks[i], &QCheckBox::toggled, this, &TfrmTextMode::updatePictureButtons);
    }
    m_scroll = new QScrollBar(Qt::Horizontal, m_pnlPhotos);
    m_scroll->setObjectName(QStringLiteral("uadTXScroll"));
    m_scroll->setRange(0, 0);
    m_scroll->setPageStep(2);
    connect(m_scroll, &QScrollBar::valueChanged, this, [this] {
        if (!m_loading)
            showPictures();
    });
    m_lblExplanation = new QLabel(m_pnlPhotos);
    m_lblExplanation->setObjectName(QStringLiteral("lblTXPictureExplanation"));
    m_lblExplanation->setWordWrap(true);
    m_lblExplanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblExplanation->setForegroundRole(QPalette::PlaceholderText);

    m_pnlPictureTools = new QFrame(this);
    m_pnlPictureTools->setObjectName(QStringLiteral("pnlTXPictureTools"));
    m_pnlPictureTools->setFrameShape(QFrame::StyledPanel);
    m_btnAdd = new QPushButton(m_pnlPictureTools);
    m_btnAdd->setObjectName(QStringLiteral("btnTXAddPicture"));
    m_btnAdd->setEnabled(false);
    connect(m_btnAdd, &QPushButton::clicked, this, &TfrmTextMode::addPicture);
    m_btnDelete = new QPushButton(m_pnlPictureTools);
    m_btnDelete->setObjectName(QStringLiteral("btnTXDeletePicture"));
    m_btnDelete->setEnabled(false);
    connect(m_btnDelete, &QPushButton::clicked, this, &TfrmTextMode::deletePictures);
}

void TfrmTextMode::applyLayout() {
    const bool large = settings().FormSize() != 0;
    // The left column stands where the graphic view has it; the picture panel takes the
    // place of the rink and the picture buttons that of the drawing tools.
    m_column->applyLayout(large);
    applyLayoutRows(
        {
            {m_column->keywords(), {6, 410, 752, 64}, {6, 466, 320, 64}},
            {m_lblPictures, {304, 6, 300, 16}, {330, 6, 300, 16}},
            {m_pnlPhotos, {304, 22, 454, 284}, {330, 22, 679, 424}},
            {m_slots[0], {8, 8, 215, 161}, {10, 10, 324, 243}},
            {m_slots[1], {231, 8, 215, 161}, {345, 10, 324, 243}},
            {m_checks[0], {8, 174, 215, 20}, {10, 258, 324, 20}},
            {m_checks[1], {231, 174, 215, 20}, {345, 258, 324, 20}},
            {m_scroll, {8, 198, 438, 16}, {10, 286, 659, 18}},
            {m_lblExplanation, {8, 218, 438, 62}, {10, 316, 659, 98}},
            {m_lblPictureTools, {304, 310, 300, 16}, {330, 450, 300, 16}},
            {m_pnlPictureTools, {304, 326, 454, 64}, {330, 466, 454, 64}},
            {m_btnAdd, {8, 16, 210, 30}, {8, 16, 210, 30}},
            {m_btnDelete, {228, 16, 210, 30}, {228, 16, 210, 30}},
        },
        large);
}

void TfrmTextMode::applyCaptions() {
    const TLanguage& l = language();
    const struct {
        QLabel* label;
        QString key;
    } labels[] = {
        {m_lblPictures, LK("lblTXPictures")},
        {m_lblPictureTools, LK("lblTXPictureTools")},
        {m_lblExplanation, LK("lblTXPictureExplanation")},
    };
    for (const auto& entry : labels)
        entry.label->setText(l.Text(entry.key));
    m_column->applyCaptions(l);
    m_btnAdd->setText(l.Text(LK("btnTXAddPicture")));
    m_btnDelete->setText(l.Text(LK("btnTXDeletePicture")));
    showPictures();
}

void TfrmTextMode::onItemChosen() {
    m_loading = true;
    copyTextsFromPractise();
    m_loading = false;
    m_column->rememberSelection(settings(), kMode);
    m_pictureTop = 0;
    showPictures();
    // Clearing resets the error, so an error here is the load's: a damaged file.
    if (!m_practise->errorString().isEmpty())
        dialogs().information(this, m_practise->errorString());
    // Choosing a placeholder leaves nothing to edit.
    switchEdit(editing());
}

void TfrmTextMode::reloadSelection() {
    m_loading = true;
    m_column->reloadLists(*m_practise, settings(), kMode);
    m_practise->Clear();
    if (!m_practise->LoadCurrent() && !m_practise->errorString().isEmpty())
        dialogs().information(this, m_practise->errorString());
    copyTextsFromPractise();
    m_loading = false;
    m_pictureTop = 0;
    showPictures();
}

void TfrmTextMode::copyTextsToPractise() {
    if (!m_practise)
        return;
    m_practise->text = memoLines(m_column->text());
    m_practise->keywords = memoLines(m_column->keywords());
}

void TfrmTextMode::copyTextsFromPractise() {
    const bool loading = m_loading;
    m_loading = true;
    m_column->text()->setPlainText(m_practise->text.join(QLatin1Char('\n')));
    m_column->keywords()->setPlainText(m_practise->keywords.join(QLatin1Char('\n')));
    m_loading = loading;
}

bool TfrmTextMode::editing() const {
    return settings().EditFlag() && m_practise && !m_practise->name().isEmpty();
}

bool TfrmTextMode::setEditMode(bool on) {
    const bool result = on && m_practise != nullptr && !m_practise->name().isEmpty();
    settings().setEditFlag(result);
    m_column->setTextsReadOnly(!result);
    for (QCheckBox* check : m_checks) {
        check->setEnabled(result);
        if (!result)
            check->setChecked(false);
    }
    updatePictureButtons();
    return result;
}

void TfrmTextMode::updatePictureButtons() {
    const bool on = editing();
    m_btnAdd->setEnabled(on && m_practise->lastPicture < TTextPractise::kMaxPictures - 1);
    const bool checked = (!m_checks[0]->isHidden() && m_checks[0]->isChecked()) ||
                         (!m_checks[1]->isHidden() && m_checks[1]->isChecked());
    m_btnDelete->setEnabled(on && checked);
}

QString TfrmTextMode::itemName() const {
    return m_practise ? m_practise->name() : QString();
}

QString TfrmTextMode::subcategoryName() const {
    return m_practise ? m_practise->subcategory() : QString();
}

bool TfrmTextMode::isModified() const {
    return m_practise && m_practise->modified();
}

QString TfrmTextMode::errorString() const {
    return m_practise ? m_practise->errorString() : QString();
}

bool TfrmTextMode::saveIfModified() {
    if (!m_practise || !m_practise->modified() || !m_practise->hasCurrentItem())
        return true;
    copyTextsToPractise();
    return m_practise->SaveCurrent();
}

bool TfrmTextMode::saveOrSay() {
    if (saveIfModified())
        return true;
    dialogs().information(this, m_practise->errorString());
    return false;
}

} // namespace korvex
