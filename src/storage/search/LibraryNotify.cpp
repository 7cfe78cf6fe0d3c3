#include "storage/search/LibraryNotify.h"

namespace korvex {

namespace {

LibraryListener* g_listener = nullptr;

} // namespace

void setLibraryListener(LibraryListener* listener) {
    g_listener = listener;
}

LibraryListener* libraryListener() {
    return g_listener;
}

void notifyItemWritten(const QString& dataFile) {
    if (g_listener != nullptr)
        g_listener->itemWritten(dataFile);
}

void notifyItemRemoved(const QString& dataFile) {
    if (g_listener != nullptr)
        g_listener->itemRemoved(dataFile);
}

} // namespace korvex
