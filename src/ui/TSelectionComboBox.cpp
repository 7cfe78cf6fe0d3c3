#include "ui/TSelectionComboBox.h"

#include "core/TLanguage.h"
#include "core/TPractiseObject.h"
#include "ui/Dialogs.h"
#include "ui/LanguageKeys.h"

#include <QSignalBlocker>

namespace korvex {

TSelectionComboBox::TSelectionComboBox(int level, QWidget* parent)
    : QComboBox(parent), m_selection(*this, level) {
    setProperty("Tag", level);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(this, &QComboBox::activated, this, &TSelectionComboBox::onActivated);
}

void TSelectionComboBox::bind(TPractiseObject* item) {
    m_item = item;
    if (item != nullptr)
        item->RegisterCombo(&m_selection);
}

void TSelectionComboBox::showPopup() {
    if (m_item != nullptr) {
        // The level is read again from disk so the list shows what is there now; the entry
        // shown before stays selected when it still exists.
        m_item->ComboDropDown(&m_selection);
    }
    QComboBox::showPopup();
}

void TSelectionComboBox::onActivated() {
    if (m_item == nullptr)
        return;
    Q_EMIT choosing();
    if (!m_item->ComboChanged(&m_selection)) {
        const TLanguage* language = m_item->language();
        const QString notice =
            language != nullptr ? language->Text(LK("SaveFailedItemKept")) : QString();
        dialogs().information(this, notice.isEmpty()
                                        ? m_item->errorString()
                                        : notice + QStringLiteral("\n\n") + m_item->errorString());
        return;
    }
    Q_EMIT itemChosen();
}

QStringList TSelectionComboBox::Selection::items() const {
    QStringList all;
    all.reserve(m_box.count());
    for (int i = 0; i < m_box.count(); ++i)
        all.append(m_box.itemText(i));
    return all;
}

void TSelectionComboBox::Selection::setItems(const QStringList& items) {
    const QSignalBlocker blocker(&m_box);
    m_box.clear();
    m_box.addItems(items);
}

void TSelectionComboBox::Selection::setCurrentIndex(int index) {
    const QSignalBlocker blocker(&m_box);
    m_box.setCurrentIndex(index);
}

} // namespace korvex
