#pragma once

#include "core/SelectionBox.h"

#include <QComboBox>

namespace korvex {

class TPractiseObject;

// A combo box that is one level (0 category, 1 subcategory, 2 item) of a view's selection.
// Bound to a stored item, it refills its level from disk when it drops down and hands the
// user's choice to the item, which saves a modified item, moves the lower levels along and
// loads the newly chosen item. itemChosen() then tells the view to show it. choosing() comes
// first, so a view can hand the edits its controls hold to the item before it is saved.
// When the modified item cannot be saved the box says why, shows the current entry again
// and the view keeps the item with its edits: itemChosen() does not come.
class TSelectionComboBox : public QComboBox {
    Q_OBJECT

public:
    TSelectionComboBox(int level, QWidget* parent = nullptr);

    // Registers the box with `item` (which must outlive the binding); null unbinds.
    void bind(TPractiseObject* item);
    SelectionBox* selection() { return &m_selection; }
    int level() const { return m_selection.level(); }

    void showPopup() override;

Q_SIGNALS:
    // The user chose an entry; the item is about to be saved and replaced.
    void choosing();
    // The user chose an entry and the item has been loaded accordingly.
    void itemChosen();

private:
    // The widget seen through the item's selection interface. Changes made through it do
    // not count as the user's choice.
    class Selection : public SelectionBox {
    public:
        Selection(TSelectionComboBox& box, int level) : m_box(box), m_level(level) {}
        int level() const override { return m_level; }
        QStringList items() const override;
        void setItems(const QStringList& items) override;
        int currentIndex() const override { return m_box.currentIndex(); }
        void setCurrentIndex(int index) override;

    private:
        TSelectionComboBox& m_box;
        int m_level;
    };

    void onActivated();

    Selection m_selection;
    TPractiseObject* m_item = nullptr;
};

} // namespace korvex
