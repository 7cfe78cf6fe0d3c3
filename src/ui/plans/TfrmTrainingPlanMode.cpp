#include "ui/plans/TfrmTrainingPlanMode.h"

#include "ui/LanguageKeys.h"

namespace korvex {

TfrmTrainingPlanMode::TfrmTrainingPlanMode(TLanguage& language, TSettings& settings, int archive,
                                           QWidget* parent)
    : TModeView(language, settings, parent), m_archive(archive) {
    setObjectName(QStringLiteral("frmTrainingPlanMode"));
}

QString TfrmTrainingPlanMode::titleKey() const {
    return m_archive != 0 ? LK("spbTPAMode") : LK("spbTPMode");
}

} // namespace korvex
