#pragma once

#include <QList>
#include <QString>
#include <QWidget>

namespace korvex {

// A horizontal bar chart painted by the program itself: one row per bar with its label at
// the left, the bar scaled to the largest value and "minutes min  share %" after it. A
// click on a row selects it and reports its index.
class SeasonChart : public QWidget {
    Q_OBJECT

public:
    struct Bar {
        QString label;
        int minutes = 0;
        double percent = 0.0;
    };

    explicit SeasonChart(QWidget* parent = nullptr);

    void setBars(const QList<Bar>& bars);
    const QList<Bar>& bars() const { return m_bars; }
    int selected() const { return m_selected; }
    void setSelected(int index);
    // The bar whose row holds `point`, or -1.
    int barAt(const QPoint& point) const;
    // The rectangle of bar `index` itself (tests click it).
    QRect barRect(int index) const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void barClicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int labelWidth() const;
    int valueWidth() const;

    QList<Bar> m_bars;
    int m_selected = -1;
};

} // namespace korvex
