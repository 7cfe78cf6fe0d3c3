#include "ui/explorer/TfrmExplorerMode.h"

#include "core/FileHelpers.h"
#include "core/Paths.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "ui/LanguageKeys.h"
#include "ui/explorer/ExplorerComboBox.h"
#include "ui/explorer/ExplorerGrid.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace korvex {

namespace {

constexpr int kBoxWidth = 229;
constexpr int kBoxHeight = 24;
constexpr int kBoxTop = 20;

} // namespace

TfrmExplorerMode::TfrmExplorerMode(TLanguage& language, TSettings& settings, QWidget* parent)
    : TModeView(language, settings, parent) {
    setObjectName(QStringLiteral("frmExplorerMode"));
}

TfrmExplorerMode::~TfrmExplorerMode() = default;

QString TfrmExplorerMode::titleKey() const {
    return LK("spbEXMode");
}

void TfrmExplorerMode::initialise() {
    createControls();
    const TLanguage& l = language();
    m_cmbCategory->setNames({}, l.Text(LK("EmptyCategoryString")));
    m_cmbSubCategory->setNames({}, l.Text(LK("EmptySubCategoryString")));
    connect(m_cmbCategory, &ExplorerComboBox::droppingDown, this,
            &TfrmExplorerMode::onCategoryDropDown);
    connect(m_cmbCategory, &QComboBox::activated, this, &TfrmExplorerMode::onCategoryChanged);
    connect(m_cmbSubCategory, &ExplorerComboBox::droppingDown, this,
            &TfrmExplorerMode::onSubCategoryDropDown);
    connect(m_cmbSubCategory, &QComboBox::activated, this, &TfrmExplorerMode::onSubCategoryChanged);
    fitContent();
    applyCaptions();
}

void TfrmExplorerMode::tearDown() {
    clearGrid();
    m_stems.clear();
}

void TfrmExplorerMode::createControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("sbxEXGrid"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(false);
    layout->addWidget(m_scroll);
    m_content = new QWidget;
    m_content->setObjectName(QStringLiteral("pnlEXContent"));
    m_scroll->setWidget(m_content);

    auto label = [this](const char* name, int x) {
        auto* l = new QLabel(m_content);
        l->setObjectName(QString::fromLatin1(name));
        l->move(x, 2);
        return l;
    };
    auto box = [this](const char* name, int x) {
        auto* b = new ExplorerComboBox(m_content);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, kBoxTop, kBoxWidth, kBoxHeight);
        return b;
    };
    // The boxes stand over the first two columns of the grid.
    m_lblCategory = label("lblEXCategory", 6);
    m_cmbCategory = box("cmbEXCategory", 6);
    m_lblSubCategory = label("lblEXSubCategory", 246);
    m_cmbSubCategory = box("cmbEXSubCategory", 246);
    m_lblHint = new QLabel(m_content);
    m_lblHint->setObjectName(QStringLiteral("lblEXHint"));
    // Beside the boxes, over the last two columns, in one or two lines.
    m_lblHint->setGeometry(486, 2, 469, kBoxTop + kBoxHeight - 2);
    m_lblHint->setWordWrap(true);
    m_lblHint->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    m_lblHint->setForegroundRole(QPalette::PlaceholderText);
}

void TfrmExplorerMode::applyCaptions() {
    if (m_cmbCategory == nullptr)
        return;
    const TLanguage& l = language();
    m_lblCategory->setText(l.Text(LK("lblTXCategory")));
    m_lblCategory->adjustSize();
    m_lblSubCategory->setText(l.Text(LK("lblTXSubCategory")));
    m_lblSubCategory->adjustSize();
    m_lblHint->setText(l.Text(LK("lblEXHint")));
    m_lblHint->setToolTip(m_lblHint->text());
    m_cmbCategory->setPlaceholderText(l.Text(LK("EmptyCategoryString")));
    m_cmbSubCategory->setPlaceholderText(l.Text(LK("EmptySubCategoryString")));
}

QString TfrmExplorerMode::practiseRoot() const {
    return joinPath(settings().appDir(), settings().GMSaveDir());
}

QString TfrmExplorerMode::subcategoryFolder() const {
    const QString category = m_cmbCategory->selectedName();
    const QString subcategory = m_cmbSubCategory->selectedName();
    if (category.isEmpty() || subcategory.isEmpty())
        return QString();
    return joinPath(practiseRoot(), category, subcategory);
}

void TfrmExplorerMode::onCategoryDropDown() {
    const QString shown = m_cmbCategory->selectedName();
    const QStringList names = ListFolder(practiseRoot(), QStringLiteral("*"), ListKind::Folders);
    const bool kept =
        m_cmbCategory->setNames(names, language().Text(LK("EmptyCategoryString")), shown);
    // The category the grid shows has gone: the boxes and the grid move on together.
    if (!shown.isEmpty() && !kept)
        onCategoryChanged();
}

void TfrmExplorerMode::onCategoryChanged() {
    refillSubCategories(QString());
    BuildGrid();
}

void TfrmExplorerMode::onSubCategoryDropDown() {
    const QString shown = m_cmbSubCategory->selectedName();
    refillSubCategories(shown);
    if (!shown.isEmpty() && m_cmbSubCategory->selectedName() != shown)
        BuildGrid();
}

void TfrmExplorerMode::onSubCategoryChanged() {
    BuildGrid();
}

void TfrmExplorerMode::refillSubCategories(const QString& selectName) {
    const QString category = m_cmbCategory->selectedName();
    const QStringList names = category.isEmpty()
                                  ? QStringList()
                                  : ListFolder(joinPath(practiseRoot(), category),
                                               QStringLiteral("*"), ListKind::Folders);
    m_cmbSubCategory->setNames(names, language().Text(LK("EmptySubCategoryString")), selectName);
}

} // namespace korvex
