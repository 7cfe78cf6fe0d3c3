#pragma once

#include <initializer_list>

class QLabel;
class QWidget;

namespace korvex {

struct ControlPlace {
    int x, y, w, h;
};

// One row of a view's layout table: where a control stands in the small and the large form.
struct LayoutRow {
    QWidget* widget;
    ControlPlace small;
    ControlPlace large;
};

// Puts every control of the table at its place for the form size.
void applyLayoutRows(std::initializer_list<LayoutRow> rows, bool large);

// A label whose object name is its control name, so the captions find it.
QLabel* namedLabel(QWidget* parent, const char* name);

} // namespace korvex
