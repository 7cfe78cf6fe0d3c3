#pragma once

// A copy of the laid-out installation (build/bin: settings, language, figure and rink
// pictures, page template) in a temporary folder, with helpers that store real practises
// and plans in it for the print tests.

#include "core/TLanguage.h"
#include "core/TSettings.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace korvex {
class TGraphicPractise;
class TTrainingPlan;
} // namespace korvex

namespace korvex::test {

class PrintInstallation {
public:
    PrintInstallation();

    bool isValid() const { return m_valid; }
    QString path(const QString& relative = {}) const;

    // Draws, names and saves a graphic practise (with its picture and thumbnail) in
    // GraphicPractises/Drills/Team; returns its stored, root-relative path.
    QString addGraphicPractise(const QString& name, const QStringList& description,
                               const std::function<void(TGraphicPractise&)>& draw = {});
    // Saves a text practise with `pictures` in TextPractises/Drills/Team.
    QString addTextPractise(const QString& name, const QStringList& text,
                            const QList<QImage>& pictures);
    // A new, unsaved plan of this installation named `name` in team "Team".
    std::unique_ptr<TTrainingPlan> newPlan(const QString& name, bool archive = false);

    TSettings& settings() { return *m_settings; }
    TLanguage& language() { return m_language; }

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
    std::unique_ptr<TSettings> m_settings;
    TLanguage m_language;
};

// A small drill drawn with real figures and lines: players, a puck, a cone and a net, a
// skating line with puck and a pass. `variant` moves the players so drills differ.
void drawDrill(TGraphicPractise& practise, int variant);

} // namespace korvex::test
