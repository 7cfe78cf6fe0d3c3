#include "ui/cards/TfrmCardsMode.h"

#include "ui/LanguageKeys.h"

namespace korvex {

TfrmCardsMode::TfrmCardsMode(TLanguage& language, TSettings& settings, QWidget* parent)
    : TModeView(language, settings, parent) {
    setObjectName(QStringLiteral("frmCardsMode"));
}

QString TfrmCardsMode::titleKey() const {
    return LK("spbPCMode");
}

} // namespace korvex
