#include "ui/explorer/ExplorerThumbnail.h"

#include <QMouseEvent>

namespace korvex {

namespace {

constexpr int kBandHeight = 18;

} // namespace

ExplorerThumbnail::ExplorerThumbnail(int tag, const QString& name, QWidget* parent)
    : QLabel(parent), m_tag(tag), m_name(name) {
    setObjectName(QStringLiteral("imgEXPractise"));
    setProperty("Tag", tag);
    setToolTip(name);
    setScaledContents(true);

    m_nameBand = new QLabel(this);
    m_nameBand->setObjectName(QStringLiteral("lblEXPractiseName"));
    m_nameBand->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_nameBand->setAutoFillBackground(true);
    QPalette band = m_nameBand->palette();
    band.setColor(QPalette::Window, QColor(0, 0, 0, 150));
    band.setColor(QPalette::WindowText, Qt::white);
    m_nameBand->setPalette(band);
    m_nameBand->setContentsMargins(6, 0, 6, 0);
    m_nameBand->setGeometry(0, 140 - kBandHeight, 225, kBandHeight);
    const int room = 225 - 12;
    m_nameBand->setText(m_nameBand->fontMetrics().elidedText(name, Qt::ElideRight, room));
}

void ExplorerThumbnail::mousePressEvent(QMouseEvent* event) {
    // A press without Ctrl does nothing: it may be the start of a double click.
    if (event->button() == Qt::LeftButton && event->modifiers().testFlag(Qt::ControlModifier))
        Q_EMIT ctrlPressed(m_tag);
    event->accept();
}

void ExplorerThumbnail::mouseDoubleClickEvent(QMouseEvent* event) {
    // With Ctrl held the first press has placed the practise already.
    if (event->button() == Qt::LeftButton && !event->modifiers().testFlag(Qt::ControlModifier))
        Q_EMIT doubleClicked(m_tag);
    event->accept();
}

} // namespace korvex
