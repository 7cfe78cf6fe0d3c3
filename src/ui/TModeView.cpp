#include "ui/TModeView.h"

namespace korvex {

TModeView::TModeView(TLanguage& language, TSettings& settings, QWidget* parent)
    : QWidget(parent), m_language(language), m_settings(settings) {}

bool TModeView::supports(ViewCommand) const {
    return false;
}

bool TModeView::run(ViewCommand, int) {
    return false;
}

bool TModeView::setEditMode(bool) {
    return false;
}

} // namespace korvex
