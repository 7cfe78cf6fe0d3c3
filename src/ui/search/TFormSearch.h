#pragma once

#include "storage/search/LibraryEntry.h"
#include "storage/search/LibraryIndex.h"

#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;
class QListWidget;

namespace korvex {

class LibrarySearch;
class TLanguage;

// The Find panel: a search field over the whole practise library and the hits below it,
// found again with every keystroke. Each hit shows its thumbnail (graphic practises), name,
// kind, category and subcategory and the text its words were found in, the matched words
// highlighted. Enter or a double click asks to open the hit, Ctrl+L to place it into the
// training plan; the window carries both out.
class TFormSearch : public QDialog {
    Q_OBJECT

public:
    TFormSearch(TLanguage& language, LibrarySearch& search, QWidget* parent = nullptr);

    void applyCaptions();
    // Runs the query in the field again (the index changed, or the panel is shown again).
    void refresh();
    const QList<LibraryHit>& hits() const { return m_hits; }
    // The selected hit, or the first when none is selected; null when there are none.
    const LibraryHit* currentHit() const;
    // The panel lists at most this many hits (each row decodes a thumbnail).
    static constexpr int kShown = 60;

Q_SIGNALS:
    void openRequested(const LibraryEntry& entry);
    void placeRequested(const LibraryEntry& entry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* hitRow(const LibraryHit& hit);
    QString kindText(ItemKind kind) const;
    void updateStatus();
    void openCurrent();
    void placeCurrent();

    TLanguage& m_language;
    LibrarySearch& m_search;
    QLabel* m_prompt = nullptr;
    QLineEdit* m_field = nullptr;
    QLabel* m_status = nullptr;
    QListWidget* m_list = nullptr;
    QList<LibraryHit> m_hits;
    int m_total = 0; // hits in the index; the list shows the first kShown
};

} // namespace korvex
