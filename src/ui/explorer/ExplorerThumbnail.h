#pragma once

#include <QLabel>

class QMouseEvent;

namespace korvex {

// The 225 x 140 picture of one practise in the explorer grid, with the practise's name on a
// band across its bottom edge (the grid leaves no room below the panel) and as its tooltip.
// It carries its grid position as Tag and reports the two gestures the explorer knows: a
// double click opens the practise, a press with Ctrl held places it into the training plan.
class ExplorerThumbnail : public QLabel {
    Q_OBJECT

public:
    ExplorerThumbnail(int tag, const QString& name, QWidget* parent);

    int tag() const { return m_tag; }
    const QString& name() const { return m_name; }

Q_SIGNALS:
    void doubleClicked(int tag);
    void ctrlPressed(int tag);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    int m_tag;
    QString m_name;
    QLabel* m_nameBand = nullptr;
};

} // namespace korvex
