#include "ui/graphic/TfrmGraphicMode.h"

#include "ui/LanguageKeys.h"

namespace korvex {

TfrmGraphicMode::TfrmGraphicMode(TLanguage& language, TSettings& settings, QWidget* parent)
    : TModeView(language, settings, parent) {
    setObjectName(QStringLiteral("frmGraphicMode"));
}

QString TfrmGraphicMode::titleKey() const {
    return LK("spbGPMode");
}

} // namespace korvex
