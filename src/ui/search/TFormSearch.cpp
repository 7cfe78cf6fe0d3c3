#include "ui/search/TFormSearch.h"

#include "core/Paths.h"
#include "core/TLanguage.h"
#include "ui/LanguageKeys.h"
#include "ui/explorer/ExplorerGrid.h"
#include "ui/search/LibrarySearch.h"
#include "ui/search/SearchHighlight.h"

#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace korvex {

namespace {

constexpr int kThumbWidth = 112;
constexpr int kThumbHeight = 70;
constexpr int kExcerptChars = 90;

} // namespace

TFormSearch::TFormSearch(TLanguage& language, LibrarySearch& search, QWidget* parent)
    : QDialog(parent), m_language(language), m_search(search) {
    setObjectName(QStringLiteral("FormSearch"));
    setModal(false);
    resize(560, 520);

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout();
    m_prompt = new QLabel(this);
    m_prompt->setObjectName(QStringLiteral("lblSearch"));
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("edtSearch"));
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    m_prompt->setBuddy(m_field);
    top->addWidget(m_prompt);
    top->addWidget(m_field, 1);
    layout->addLayout(top);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblSearchStatus"));
    layout->addWidget(m_status);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lbxSearchHits"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_list->setAlternatingRowColors(true);
    // A light selection keeps the row's own colours (grey path, highlighted words) readable.
    m_list->setStyleSheet(QStringLiteral(
        "QListWidget::item:selected { background: #cfe0f3; color: palette(text); }"));
    layout->addWidget(m_list, 1);

    connect(m_field, &QLineEdit::textChanged, this, &TFormSearch::refresh);
    connect(m_field, &QLineEdit::returnPressed, this, &TFormSearch::openCurrent);
    connect(m_list, &QListWidget::itemActivated, this, &TFormSearch::openCurrent);
    m_list->installEventFilter(this);
    connect(&m_search, &LibrarySearch::changed, this, [this] {
        if (isVisible())
            refresh();
    });
    applyCaptions();
}

void TFormSearch::applyCaptions() {
    setWindowTitle(m_language.Text(LK("FormSearch")));
    m_prompt->setText(m_language.Text(LK("lblSearch")));
    m_field->setPlaceholderText(m_language.Text(LK("edtSearchHint")));
    updateStatus();
}

QString TFormSearch::kindText(ItemKind kind) const {
    switch (kind) {
    case ItemKind::GraphicPractise:
        return m_language.Text(LK("SearchKindGraphic"));
    case ItemKind::TextPractise:
        return m_language.Text(LK("SearchKindText"));
    case ItemKind::TacticsPractise:
        return m_language.Text(LK("SearchKindTactics"));
    default:
        return m_language.Text(LK("SearchKindPlan"));
    }
}

void TFormSearch::refresh() {
    const int previous = m_list->currentRow();
    m_hits = m_search.query(m_field->text(), kShown, &m_total);
    m_list->clear();
    for (const LibraryHit& hit : std::as_const(m_hits)) {
        auto* item = new QListWidgetItem(m_list);
        QWidget* row = hitRow(hit);
        item->setSizeHint(row->sizeHint());
        item->setToolTip(QDir::toNativeSeparators(hit.entry.file));
        m_list->setItemWidget(item, row);
    }
    if (!m_hits.isEmpty())
        m_list->setCurrentRow(std::clamp(previous, 0, int(m_hits.size()) - 1));
    updateStatus();
}

QWidget* TFormSearch::hitRow(const LibraryHit& hit) {
    const LibraryEntry& entry = hit.entry;
    auto* row = new QWidget();
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(4, 3, 4, 3);
    auto* thumbnail = new QLabel(row);
    thumbnail->setFixedSize(kThumbWidth, kThumbHeight);
    thumbnail->setAlignment(Qt::AlignCenter);
    if (entry.kind == ItemKind::GraphicPractise) {
        const QImage picture = explorer::thumbnailOf(pathWithoutExtension(entry.file));
        if (!picture.isNull())
            thumbnail->setPixmap(QPixmap::fromImage(picture.scaled(
                kThumbWidth, kThumbHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    } else {
        thumbnail->setText(kindText(entry.kind));
        thumbnail->setWordWrap(true);
        thumbnail->setStyleSheet(
            QStringLiteral("QLabel { background: #e8edf3; color: #4a5a6a; border-radius: 3px; }"));
    }
    layout->addWidget(thumbnail);

    QString html = QStringLiteral("<b>%1</b> &nbsp;<span style=\"color:#56708a\">%2</span><br>"
                                  "<span style=\"color:#666\">%3 / %4</span>")
                       .arg(highlightMatches(entry.name, hit.matchedWords),
                            kindText(entry.kind).toHtmlEscaped(), entry.category.toHtmlEscaped(),
                            entry.subcategory.toHtmlEscaped());
    const QString excerpt = matchingExcerpt(entry.description, hit.matchedWords, kExcerptChars);
    if (!excerpt.isEmpty())
        html += QStringLiteral("<br>") + highlightMatches(excerpt, hit.matchedWords);
    if (!entry.keywords.isEmpty())
        html +=
            QStringLiteral("<br><i>%1</i> %2")
                .arg(m_language.Text(LK("SearchKeywords")).toHtmlEscaped(),
                     highlightMatches(entry.keywords.join(QStringLiteral(", ")), hit.matchedWords));
    auto* text = new QLabel(html, row);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(text, 1);
    thumbnail->setAttribute(Qt::WA_TransparentForMouseEvents);
    return row;
}

void TFormSearch::updateStatus() {
    if (m_field->text().trimmed().isEmpty())
        m_status->setText(m_search.isBuilding()
                              ? m_language.Text(LK("SearchReading"))
                              : m_language.Text(LK("SearchCount")).arg(m_search.count()));
    else if (m_hits.isEmpty())
        m_status->setText(m_search.isBuilding() ? m_language.Text(LK("SearchReading"))
                                                : m_language.Text(LK("SearchNothing")));
    else
        m_status->setText(m_language.Text(LK("SearchFound")).arg(m_total));
}

const LibraryHit* TFormSearch::currentHit() const {
    if (m_hits.isEmpty())
        return nullptr;
    const int row = m_list->currentRow();
    return &m_hits.at(row >= 0 && row < m_hits.size() ? row : 0);
}

void TFormSearch::openCurrent() {
    if (const LibraryHit* hit = currentHit())
        Q_EMIT openRequested(hit->entry);
}

void TFormSearch::placeCurrent() {
    if (const LibraryHit* hit = currentHit())
        Q_EMIT placeRequested(hit->entry);
}

bool TFormSearch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || (watched != m_field && watched != m_list))
        return QDialog::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    // Ctrl+L places the hit, in the field and in the list alike.
    if (press->key() == Qt::Key_L && press->modifiers() == Qt::ControlModifier) {
        placeCurrent();
        return true;
    }
    // Up and Down in the field walk the hits, so the hand stays on the keyboard.
    if (watched == m_field && !m_hits.isEmpty()) {
        const int key = press->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            const int step = key == Qt::Key_Down ? 1 : -1;
            m_list->setCurrentRow(
                std::clamp(m_list->currentRow() + step, 0, int(m_hits.size()) - 1));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korvex
