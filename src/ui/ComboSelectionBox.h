#pragma once

#include "core/SelectionBox.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace korvex {

// Binds a view's QComboBox to the stored-item selection logic. Filling and selecting from
// the item object does not count as a user's choice: the combo's signals are blocked.
class ComboSelectionBox : public SelectionBox {
public:
    ComboSelectionBox(QComboBox* combo, int level) : m_combo(combo), m_level(level) {}

    int level() const override { return m_level; }
    QStringList items() const override {
        QStringList all;
        for (int i = 0; i < m_combo->count(); ++i)
            all.append(m_combo->itemText(i));
        return all;
    }
    void setItems(const QStringList& items) override {
        const QSignalBlocker blocker(m_combo);
        m_combo->clear();
        m_combo->addItems(items);
    }
    int currentIndex() const override { return m_combo->currentIndex(); }
    void setCurrentIndex(int index) override {
        const QSignalBlocker blocker(m_combo);
        m_combo->setCurrentIndex(index);
    }
    QComboBox* combo() const { return m_combo; }

private:
    QComboBox* m_combo;
    int m_level;
};

} // namespace korvex
