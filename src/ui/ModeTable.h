#pragma once

#include "storage/ItemKinds.h"

#include <QKeyCombination>
#include <QString>

#include <span>

class QWidget;

namespace korvex {

class TLanguage;
class TModeView;
class TSettings;

// The main window's modes. The numbers are stored in the settings (the current mode) and
// are the Tag of the menu items and tool buttons that select a mode, so they never change.
enum class Mode {
    Graphic = 1,
    Text = 2,
    Plans = 3,
    Diary = 4,
    Cards = 5,
    Archive = 6,
    Tactics = 7,
    Explorer = 8,
};

// The view classes; the two plan modes share one view class and so one slot.
enum class ViewSlot { Graphic, Text, Plans, Diary, Cards, Tactics, Explorer, Count };

// Everything the main window knows about one mode. Adding a view is one row of the table.
struct ModeDescriptor {
    Mode mode;
    ViewSlot slot;
    // The kind of item the mode edits: folder key and extensions come from it.
    ItemKind kind;
    // The mode's File menu, shown only in this mode.
    const char* fileMenu;
    // The View menu item and tool button that select the mode, the button's glyph and the
    // item's shortcut.
    const char* viewItem;
    const char* toolButton;
    const char* glyph;
    QKeyCombination viewKey;
    // Language keys: the View menu item's caption, and the window caption and button hint.
    QString viewItemKey;
    QString captionKey;
    // The items the New, Place and Print shortcuts (Ctrl+A, Ctrl+L, Ctrl+P) reach in this
    // mode; null where the mode has none. The New button clicks `newItem`.
    const char* newItem;
    const char* placeItem;
    const char* printItem;
    // Whether the shortcuts are given to the items above (the archive's items get none).
    bool shortcuts;
    // Whether the mode shows the New button and the view/edit switch.
    bool editSwitch;
    // Makes the mode's view inside `client`.
    TModeView* (*createView)(TLanguage& language, TSettings& settings, QWidget* client);
};

// Every mode, in the order of the tool bar and the View menu.
std::span<const ModeDescriptor> modeTable();
// The stored number of `mode`.
constexpr int modeNumber(Mode mode) {
    return static_cast<int>(mode);
}

// True when the stored mode number `number` is `mode`.
inline bool isMode(int number, Mode mode) {
    return number == modeNumber(mode);
}

// The row of `mode` (a stored mode number); null for a number that is no mode.
const ModeDescriptor* findMode(int mode);
// The first mode that edits items of `kind` (the plans for a kind no mode edits).
Mode modeForKind(ItemKind kind);

} // namespace korvex
