#include "ui/explorer/ExplorerComboBox.h"

#include <QSignalBlocker>

namespace korvex {

namespace {

constexpr int kPlaceholderRole = Qt::UserRole + 1;

} // namespace

ExplorerComboBox::ExplorerComboBox(QWidget* parent) : QComboBox(parent) {}

bool ExplorerComboBox::setNames(const QStringList& names, const QString& placeholder,
                                const QString& selectName) {
    const QSignalBlocker blocker(this);
    clear();
    if (names.isEmpty()) {
        addItem(placeholder);
        setItemData(0, true, kPlaceholderRole);
        setCurrentIndex(0);
        return false;
    }
    addItems(names);
    const int found = selectName.isEmpty() ? -1 : static_cast<int>(names.indexOf(selectName));
    setCurrentIndex(found < 0 ? 0 : found);
    return found >= 0;
}

QString ExplorerComboBox::selectedName() const {
    return holdsPlaceholder() || currentIndex() < 0 ? QString() : currentText();
}

bool ExplorerComboBox::holdsPlaceholder() const {
    return count() == 1 && itemData(0, kPlaceholderRole).toBool();
}

void ExplorerComboBox::setPlaceholderText(const QString& placeholder) {
    if (holdsPlaceholder())
        setItemText(0, placeholder);
}

void ExplorerComboBox::showPopup() {
    Q_EMIT droppingDown();
    QComboBox::showPopup();
}

} // namespace korvex
