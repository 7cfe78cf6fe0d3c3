#include "ui/text/TfrmTextMode.h"

#include "ui/LanguageKeys.h"

namespace korvex {

TfrmTextMode::TfrmTextMode(TLanguage& language, TSettings& settings, QWidget* parent)
    : TModeView(language, settings, parent) {
    setObjectName(QStringLiteral("frmTextMode"));
}

QString TfrmTextMode::titleKey() const {
    return LK("spbTXMode");
}

} // namespace korvex
