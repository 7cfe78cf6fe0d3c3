#include "ui/explorer/TfrmExplorerMode.h"

#include "ui/LanguageKeys.h"

namespace korvex {

TfrmExplorerMode::TfrmExplorerMode(TLanguage& language, TSettings& settings, QWidget* parent)
    : TModeView(language, settings, parent) {
    setObjectName(QStringLiteral("frmExplorerMode"));
}

QString TfrmExplorerMode::titleKey() const {
    return LK("spbEXMode");
}

} // namespace korvex
