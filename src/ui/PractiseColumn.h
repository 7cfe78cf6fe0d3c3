#pragma once

#include <array>

class QLabel;
class QPlainTextEdit;
class QWidget;

namespace korvex {

class TLanguage;
class TPractiseObject;
class TSettings;
class TSelectionComboBox;

// The object names of a practise column's controls; each label's name is its caption key.
struct PractiseColumnNames {
    std::array<const char*, 5> labels; // category, subcategory, name, text, keywords
    std::array<const char*, 3> lists;  // category, subcategory, name
    const char* text;
    const char* keywords;
};

// The graphic and tactics views' column, and the text view's.
extern const PractiseColumnNames kDrawingColumnNames;
extern const PractiseColumnNames kTextColumnNames;

// The left column the practise views share: the three lists that choose a practise (category,
// subcategory, practise), its text and its keywords. The view connects the lists' and memos'
// signals itself, since what a choice or a keystroke does differs per view.
class PractiseColumn {
public:
    PractiseColumn(QWidget* parent, const PractiseColumnNames& names);

    const std::array<TSelectionComboBox*, 3>& lists() const { return m_lists; }
    QPlainTextEdit* text() const { return m_text; }
    QPlainTextEdit* keywords() const { return m_keywords; }

    // Places everything but the keywords memo, whose size differs per view.
    void applyLayout(bool large) const;
    void applyCaptions(const TLanguage& language) const;
    void setTextsReadOnly(bool readOnly) const;

    // Binds the lists to `practise` with the language's placeholders; unbind() lets go again.
    void bind(TPractiseObject& practise, const TLanguage& language) const;
    void unbind(TPractiseObject& practise) const;
    // Keeps what the lists show, so that the next start opens the same practise.
    void rememberSelection(TSettings& settings, int mode) const;
    // Lists the folders again (after the category editor or a ground change), keeps the
    // entries still there and remembers them; the view then loads the practise.
    void reloadLists(TPractiseObject& practise, TSettings& settings, int mode) const;

private:
    std::array<QLabel*, 5> m_labels{};
    std::array<const char*, 5> m_labelKeys{};
    std::array<TSelectionComboBox*, 3> m_lists{};
    QPlainTextEdit* m_text = nullptr;
    QPlainTextEdit* m_keywords = nullptr;
};

} // namespace korvex
