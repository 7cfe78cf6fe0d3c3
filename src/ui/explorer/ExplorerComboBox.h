#pragma once

#include <QComboBox>

namespace korvex {

// A combo box of the explorer that reads its level from disk when it drops down: it says so
// through droppingDown() before the list opens, and the view refills it. An entry may be the
// placeholder that stands for an empty level; it is never taken for a folder name.
class ExplorerComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit ExplorerComboBox(QWidget* parent = nullptr);

    // Replaces the entries by `names` (already in folder order) and selects `selectName`
    // when present, else entry 0. An empty list gives the single placeholder entry.
    // Returns whether `selectName` was found.
    bool setNames(const QStringList& names, const QString& placeholder,
                  const QString& selectName = QString());
    // The selected folder name; empty for the placeholder.
    QString selectedName() const;
    bool holdsPlaceholder() const;
    // Gives the placeholder entry the text of the current language.
    void setPlaceholderText(const QString& placeholder);

    void showPopup() override;

Q_SIGNALS:
    void droppingDown();
};

} // namespace korvex
