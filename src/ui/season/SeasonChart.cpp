#include "ui/season/SeasonChart.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace korvex {

namespace {

constexpr int kRowHeight = 24;
constexpr int kMargin = 8;
constexpr int kGap = 8;
constexpr int kMaxLabelWidth = 170;

const QColor kBarColour(0x3b, 0x78, 0xb5);
const QColor kSelectedColour(0xe0, 0x8a, 0x1e);
const QColor kTrackColour(0xee, 0xf1, 0xf5);

QString valueText(const SeasonChart::Bar& bar) {
    return QStringLiteral("%1 min  %2 %").arg(bar.minutes).arg(bar.percent, 0, 'f', 1);
}

} // namespace

SeasonChart::SeasonChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pbxSeasonChart"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setMouseTracking(false);
}

void SeasonChart::setBars(const QList<Bar>& bars) {
    m_bars = bars;
    m_selected = -1;
    updateGeometry();
    update();
}

void SeasonChart::setSelected(int index) {
    m_selected = index >= 0 && index < m_bars.size() ? index : -1;
    update();
}

int SeasonChart::labelWidth() const {
    int width = 0;
    for (const Bar& bar : m_bars)
        width = std::max(width, fontMetrics().horizontalAdvance(bar.label) + 4);
    return std::min(width, kMaxLabelWidth);
}

int SeasonChart::valueWidth() const {
    int width = 0;
    for (const Bar& bar : m_bars)
        width = std::max(width, fontMetrics().horizontalAdvance(valueText(bar)));
    return width;
}

QRect SeasonChart::barRect(int index) const {
    if (index < 0 || index >= m_bars.size())
        return {};
    int largest = 1;
    for (const Bar& bar : m_bars)
        largest = std::max(largest, bar.minutes);
    const int left = kMargin + labelWidth() + kGap;
    const int room = std::max(10, width() - left - kGap - valueWidth() - kMargin);
    const int length = std::max(2, int(qint64(room) * m_bars.at(index).minutes / largest));
    return QRect(left, kMargin + index * kRowHeight + 4, length, kRowHeight - 8);
}

int SeasonChart::barAt(const QPoint& point) const {
    if (point.y() < kMargin)
        return -1;
    const int row = (point.y() - kMargin) / kRowHeight;
    return row < m_bars.size() ? row : -1;
}

QSize SeasonChart::sizeHint() const {
    return QSize(420, 2 * kMargin + std::max<int>(1, int(m_bars.size())) * kRowHeight);
}

void SeasonChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int labels = labelWidth();
    for (int i = 0; i < m_bars.size(); ++i) {
        const Bar& bar = m_bars.at(i);
        const QRect row(0, kMargin + i * kRowHeight, width(), kRowHeight);
        if (i == m_selected)
            painter.fillRect(row, palette().color(QPalette::AlternateBase));
        painter.setPen(palette().color(QPalette::Text));
        const QRect labelBox(kMargin, row.top(), labels, kRowHeight);
        painter.drawText(labelBox, Qt::AlignRight | Qt::AlignVCenter,
                         fontMetrics().elidedText(bar.label, Qt::ElideRight, labels));

        const QRect barBox = barRect(i);
        const QRect track(barBox.left(), barBox.top(),
                          width() - barBox.left() - kGap - valueWidth() - kMargin, barBox.height());
        painter.setPen(Qt::NoPen);
        painter.setBrush(kTrackColour);
        painter.drawRoundedRect(track, 3, 3);
        painter.setBrush(i == m_selected ? kSelectedColour : kBarColour);
        painter.drawRoundedRect(barBox, 3, 3);

        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(track.right() + kGap, row.top(), valueWidth() + kMargin, kRowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, valueText(bar));
    }
}

void SeasonChart::mousePressEvent(QMouseEvent* event) {
    const int index = barAt(event->position().toPoint());
    if (index < 0)
        return;
    setSelected(index);
    Q_EMIT barClicked(index);
}

} // namespace korvex
