#include "ui/PractiseColumn.h"

#include "core/TLanguage.h"
#include "core/TPractiseObject.h"
#include "core/TSettings.h"
#include "ui/FormLayout.h"
#include "ui/LanguageKeys.h"
#include "ui/TSelectionComboBox.h"

#include <QLabel>
#include <QPlainTextEdit>

namespace korvex {

const PractiseColumnNames kDrawingColumnNames = {
    {"lblGMCategory", "lblGMSubCategory", "lblGMPName", "lblGMDescription", "lblGMKeyWords"},
    {"cmbGMCategory", "cmbGMSubCategory", "cmbGMName"},
    "memGMText",
    "memGMKeyWords",
};

const PractiseColumnNames kTextColumnNames = {
    {"lblTXCategory", "lblTXSubCategory", "lblTXName", "lblTXText", "lblTXKeyWords"},
    {"cmbTXCategory", "cmbTXSubCategory", "cmbTXName"},
    "memTXText",
    "memTXKeyWords",
};

PractiseColumn::PractiseColumn(QWidget* parent, const PractiseColumnNames& names)
    : m_labelKeys(names.labels) {
    for (size_t i = 0; i < m_labels.size(); ++i)
        m_labels[i] = namedLabel(parent, names.labels[i]);
    for (int level = 0; level < 3; ++level) {
        m_lists[level] = new TSelectionComboBox(level, parent);
        m_lists[level]->setObjectName(QString::fromLatin1(names.lists[level]));
    }
    const auto memo = [parent](const char* name) {
        auto* m = new QPlainTextEdit(parent);
        m->setObjectName(QString::fromLatin1(name));
        m->setReadOnly(true);
        return m;
    };
    m_text = memo(names.text);
    m_keywords = memo(names.keywords);
}

void PractiseColumn::applyLayout(bool large) const {
    const int width = large ? 320 : 290;
    applyLayoutRows(
        {
            {m_labels[0], {6, 6, width, 16}, {6, 6, width, 16}},
            {m_lists[0], {6, 22, width, 22}, {6, 22, width, 22}},
            {m_labels[1], {6, 48, width, 16}, {6, 48, width, 16}},
            {m_lists[1], {6, 64, width, 22}, {6, 64, width, 22}},
            {m_labels[2], {6, 90, width, 16}, {6, 90, width, 16}},
            {m_lists[2], {6, 106, width, 22}, {6, 106, width, 22}},
            {m_labels[3], {6, 132, width, 16}, {6, 132, width, 16}},
            {m_text, {6, 148, 290, 242}, {6, 148, 320, 298}},
            {m_labels[4], {6, 394, 290, 16}, {6, 450, 320, 16}},
        },
        large);
}

void PractiseColumn::applyCaptions(const TLanguage& language) const {
    for (size_t i = 0; i < m_labels.size(); ++i)
        m_labels[i]->setText(language.Text(QString::fromLatin1(m_labelKeys[i])));
}

void PractiseColumn::setTextsReadOnly(bool readOnly) const {
    m_text->setReadOnly(readOnly);
    m_keywords->setReadOnly(readOnly);
}

void PractiseColumn::bind(TPractiseObject& practise, const TLanguage& language) const {
    practise.setPlaceholders(language.Text(LK("EmptyCategoryString")),
                             language.Text(LK("EmptySubCategoryString")),
                             language.Text(LK("EmptyPractiseString")));
    for (TSelectionComboBox* list : m_lists)
        list->bind(&practise);
}

void PractiseColumn::unbind(TPractiseObject& practise) const {
    practise.UnregisterCombos();
    for (TSelectionComboBox* list : m_lists)
        list->bind(nullptr);
}

void PractiseColumn::rememberSelection(TSettings& settings, int mode) const {
    for (int level = 0; level < 3; ++level)
        settings.setRememberedIndex(mode, level, m_lists[level]->currentIndex());
}

void PractiseColumn::reloadLists(TPractiseObject& practise, TSettings& settings, int mode) const {
    for (TSelectionComboBox* list : m_lists) {
        practise.ComboDropDown(list->selection());
        practise.setLevelValue(list->level(), list->selection()->currentText());
    }
    rememberSelection(settings, mode);
}

} // namespace korvex
