#pragma once

#include <QString>
#include <QStringList>

namespace korvex {

// One selection box of a view's three-level selection (category, subcategory, item), seen
// without its widget: the UI implements it over a combo box, tests over a plain list.
class SelectionBox {
public:
    virtual ~SelectionBox() = default;

    // Which level the box selects: 0 category, 1 subcategory, 2 item.
    virtual int level() const = 0;
    virtual QStringList items() const = 0;
    // Replaces the items; the current index afterwards is up to the caller.
    virtual void setItems(const QStringList& items) = 0;
    virtual int currentIndex() const = 0;
    virtual void setCurrentIndex(int index) = 0;

    QString currentText() const {
        const QStringList all = items();
        const int index = currentIndex();
        return index >= 0 && index < all.size() ? all.at(index) : QString();
    }
};

} // namespace korvex
