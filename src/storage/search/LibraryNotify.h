#pragma once

#include <QString>

namespace korvex {

// How the library search hears of items written, moved and removed. The code that writes
// or removes an item's files calls the notify functions with the item's data file; the
// one listener (the window's search index) follows them. Without a listener (the tools,
// most tests) the calls do nothing. Main thread only.
class LibraryListener {
public:
    virtual ~LibraryListener() = default;
    virtual void itemWritten(const QString& dataFile) = 0;
    virtual void itemRemoved(const QString& dataFile) = 0;
};

// Installs `listener` (null removes it); the caller keeps it alive while installed.
void setLibraryListener(LibraryListener* listener);
LibraryListener* libraryListener();

void notifyItemWritten(const QString& dataFile);
void notifyItemRemoved(const QString& dataFile);

} // namespace korvex
