#pragma once

class QWidget;

namespace korvex {

class TLanguage;
class TModeView;
class TSettings;

// File > Share as one page for the views that show a practise or a plan (modes 1, 2, 3,
// 6 and 7): saves the view's item when it has changes, asks for the page file and writes one
// self-contained page of the item there. A save or a page that fails is said, and nothing
// is written; a view without an item does nothing.
void shareCurrentItem(QWidget* parent, TModeView* view, int mode, TSettings& settings,
                      TLanguage& language);

} // namespace korvex
