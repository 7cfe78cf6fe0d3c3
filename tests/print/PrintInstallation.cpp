#include "PrintInstallation.h"

#include "core/Jpeg.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "drawing/FigurePictures.h"
#include "drawing/TFigure.h"
#include "drawing/TLine.h"
#include "drawing/TLineSetting.h"
#include "storage/TGraphicPractise.h"
#include "storage/TTrainingPlan.h"
#include "storage/TextPractiseFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace korvex::test {

PrintInstallation::PrintInstallation() {
    if (!m_dir.isValid())
        return;
    const QDir source(QStringLiteral(KORVEX_APP_DIR));
    m_valid = true;
    for (const char* folder : {"Language", "Pictures", "Playgrounds", "Data"}) {
        QDirIterator it(source.filePath(QLatin1String(folder)), QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = path(source.relativeFilePath(file));
            QDir().mkpath(QFileInfo(target).path());
            m_valid = m_valid && QFile::copy(file, target);
        }
    }
    for (const char* file : {"Settings.txt", "Settings.def"})
        m_valid =
            m_valid && QFile::copy(source.filePath(QLatin1String(file)), path(QLatin1String(file)));
    m_settings = std::make_unique<TSettings>(m_dir.path());
    m_settings->setSaveOnDestroy(false);
    m_valid = m_valid && m_settings->Load();
    m_language.setAppDir(m_dir.path());
    m_language.setLanguageDir(m_settings->LanguageOpenDir());
    m_valid = m_valid && m_language.LoadLanguage(QStringLiteral("English"));
    for (const char* folder :
         {"GraphicPractises/Drills/Team", "TextPractises/Drills/Team",
          "TrainingPlans/TrainingPlanCategory/Team", "TrainingPlans/Archive/Team"})
        QDir().mkpath(path(QLatin1String(folder)));
}

QString PrintInstallation::path(const QString& relative) const {
    return relative.isEmpty() ? m_dir.path() : QDir(m_dir.path()).filePath(relative);
}

QString PrintInstallation::addGraphicPractise(const QString& name, const QStringList& description,
                                              const std::function<void(TGraphicPractise&)>& draw) {
    TGraphicPractise practise(*m_settings, m_language);
    practise.setCategory(QStringLiteral("Drills"));
    practise.setSubcategory(QStringLiteral("Team"));
    practise.setName(name);
    practise.setGroundName(QStringLiteral("Rink"));
    practise.description() = description;
    if (draw)
        draw(practise);
    if (!practise.Save(practise.currentPath()))
        return QString();
    return QStringLiteral("GraphicPractises\\Drills\\Team\\") + name + QStringLiteral(".gmp");
}

QString PrintInstallation::addTextPractise(const QString& name, const QStringList& text,
                                           const QList<QImage>& pictures) {
    TextPractiseData data;
    data.version = 141;
    data.text = text;
    for (const QImage& picture : pictures)
        data.pictures.append(encodeJpeg(picture));
    if (!writeTextPractiseFile(
            path(QStringLiteral("TextPractises/Drills/Team/") + name + QStringLiteral(".tmp")),
            data, nullptr))
        return QString();
    return QStringLiteral("TextPractises\\Drills\\Team\\") + name + QStringLiteral(".tmp");
}

std::unique_ptr<TTrainingPlan> PrintInstallation::newPlan(const QString& name, bool archive) {
    auto plan = std::make_unique<TTrainingPlan>(m_dir.path(), m_settings->TPSaveDir(), archive,
                                                &m_language, m_settings.get());
    plan->setCategory(archive ? QStringLiteral("Archive") : QStringLiteral("TrainingPlanCategory"));
    plan->setSubcategory(QStringLiteral("Team"));
    plan->setName(name);
    return plan;
}

void drawDrill(TGraphicPractise& practise, int variant) {
    const DrawingSettings* settings = &practise.drawingSettings();
    const int shift = 60 * (variant % 3);
    const auto figure = [&](quint8 kind, int x, int y, const QString& text = {}) {
        auto f = std::make_unique<TFigure>(settings);
        f->setKind(kind);
        f->setPosition(QPoint(x, y));
        f->setText(text);
        practise.figures().add(std::move(f));
    };
    const auto line = [&](quint8 kind, quint32 colour, std::initializer_list<QPoint> points) {
        auto l = std::make_unique<TLine>(settings);
        l->setLineKind(kind);
        l->setEndKind(EndArrow);
        l->setColour(colour);
        for (const QPoint& p : points)
            l->addPoint(p);
        l->setCurved(points.size() > 2);
        practise.lines().add(std::move(l));
    };
    figure(FigureForward, 150 + shift, 300, QStringLiteral("1"));
    figure(FigureForward, 180 + shift, 120, QStringLiteral("2"));
    figure(FigureDefender, 330, 330 - shift / 2, QStringLiteral("1"));
    figure(FigureCoach, 420, 200);
    figure(FigureCone, 300 + shift, 210);
    figure(FigurePucks, 120, 360);
    figure(FigureGoalie, 600, 210);
    figure(FigureNet, 625, 210);
    line(LineTwiddle, kColourBlack,
         {{160 + shift, 290}, {280 + shift, 250}, {450, 290}, {560, 240}});
    line(LineDash, kColourBlue, {{190 + shift, 130}, {440, 190}});
    line(LineSolid, kColourRed, {{560, 240}, {600, 215}});
}

} // namespace korvex::test
