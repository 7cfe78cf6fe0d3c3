#include "ui/FormLayout.h"

#include <QLabel>

namespace korvex {

void applyLayoutRows(std::initializer_list<LayoutRow> rows, bool large) {
    for (const LayoutRow& row : rows) {
        const ControlPlace& p = large ? row.large : row.small;
        row.widget->setGeometry(p.x, p.y, p.w, p.h);
    }
}

QLabel* namedLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace korvex
