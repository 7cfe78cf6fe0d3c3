#pragma once

#include "storage/search/LibraryEntry.h"

#include <QObject>
#include <QPointer>

namespace korvex {

class LibrarySearch;
class TFormKorvex;
class TFormSearch;

// Edit > Find of the main window: owns the library search (its first build starts once the
// window has been painted), shows the Find panel and carries out its two gestures: open a hit in
// its mode with its category, subcategory and item selected, or place a practise into the plan.
class SearchController : public QObject {
    Q_OBJECT

public:
    explicit SearchController(TFormKorvex& window);
    ~SearchController() override;

    // Shows the panel (made on first use) with the field focused; the library is read again
    // in the background, so that changes made outside the program are found.
    void showPanel();
    TFormSearch* panel() const;
    LibrarySearch& search() const { return *m_search; }
    void applyCaptions();

    // The mode that shows items of `kind` (1 graphic, 2 text, 3 plans, 7 tactics).
    static int modeOf(ItemKind kind);
    void open(const LibraryEntry& entry);
    void place(const LibraryEntry& entry);

private:
    // Stores the positions of the entry's category, subcategory and item in the lists its
    // mode's view will read, so that the view opens on it.
    void rememberSelection(const LibraryEntry& entry, int mode);

    TFormKorvex& m_window;
    LibrarySearch* m_search = nullptr;
    QPointer<TFormSearch> m_panel;
};

} // namespace korvex
