#include "ui/diary/TfrmDiaryMode.h"

#include "ui/LanguageKeys.h"

namespace korvex {

TfrmDiaryMode::TfrmDiaryMode(TLanguage& language, TSettings& settings, QWidget* parent)
    : TModeView(language, settings, parent) {
    setObjectName(QStringLiteral("frmDiaryMode"));
}

QString TfrmDiaryMode::titleKey() const {
    return LK("spbDRMode");
}

} // namespace korvex
