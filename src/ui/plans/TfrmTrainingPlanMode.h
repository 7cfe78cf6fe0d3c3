#pragma once

#include "ui/TModeView.h"

namespace korvex {

// Modes 3 and 6: training plans, and the training archive of the plans of each team. The
// same view serves both; the flag given at creation (0 plans, 1 archive) says which.
class TfrmTrainingPlanMode : public TModeView {
    Q_OBJECT

public:
    TfrmTrainingPlanMode(TLanguage& language, TSettings& settings, int archive, QWidget* parent);

    bool isArchive() const { return m_archive != 0; }
    QString titleKey() const override;

private:
    int m_archive;
};

} // namespace korvex
