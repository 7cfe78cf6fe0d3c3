#include "FuzzInstallation.h"

#include "core/Jpeg.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "core/SettingsCipher.h"
#include "drawing/FigurePictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdlib>

namespace korvex::fuzz {

namespace {

const char* const kDataFolders[] = {"GraphicPractises", "TextPractises", "TrainingPlans",
                                    "PlayerCards",      "Diaries",       "Tactics"};

// The GUI application object fonts and painting need; made once, without a display.
void ensureApplication() {
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "korvex-fuzz";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // lives as long as the process
}

void check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "fuzz installation: %s failed\n", what);
        std::abort();
    }
}

} // namespace

FuzzInstallation& FuzzInstallation::instance() {
    ensureApplication();
    static FuzzInstallation installation;
    return installation;
}

FuzzInstallation::FuzzInstallation() {
    check(m_dir.isValid(), "making the temporary folder");
    const QDir root(m_dir.path());
    check(saveBytes(root.filePath(QStringLiteral("Settings.txt")),
                    "Version=141\r\nVersionText=1.41\r\nGMSaveDir=GraphicPractises\r\n"
                    "TXSaveDir=TextPractises\r\nTPSaveDir=TrainingPlans\r\nDMSaveDir=Documents\r\n"
                    "CPSaveDir=PlayerCards\r\nDRSaveDir=Diaries\r\nTCSaveDir=Tactics\r\n"
                    "PlayerArchiveSaveDir=PlayerArchive\r\nPlayCourtSaveDir=Playgrounds\r\n"
                    "PhotosSaveDir=Photos\r\nLanguageOpenDir=Language\r\n"
                    "PictureOpenDir=Pictures\r\n"),
          "writing Settings.txt");
    const QString plain = root.filePath(QStringLiteral("plain.txt"));
    check(saveBytes(plain, "Language=English\r\nFormSize=1\r\nCountPlayers=-1\r\n"
                           "IndexOfGroundLine=4\r\nRink\r\n"),
          "writing the settings");
    check(cipherSettingsFile(plain, root.filePath(QStringLiteral("Settings.def"))),
          "enciphering the settings");
    m_settings = std::make_unique<TSettings>(m_dir.path());
    m_settings->setSaveOnDestroy(false);
    check(m_settings->Load(), "loading the settings");

    root.mkpath(QStringLiteral("Pictures"));
    QImage figure(21, 15, QImage::Format_RGB32);
    figure.fill(QColor(0, 0, 200));
    figure.setPixel(0, 0, qRgb(255, 0, 255));
    for (const QString& name : allFigurePictureFileNames())
        check(figure.save(root.filePath(QStringLiteral("Pictures/") + name), "BMP"),
              "writing a figure picture");
    root.mkpath(QStringLiteral("Playgrounds"));
    QImage rink(675, 420, QImage::Format_RGB32);
    rink.fill(QColor(230, 240, 255));
    check(saveBytes(root.filePath(QStringLiteral("Playgrounds/Rink.jpg")), encodeJpeg(rink)),
          "writing the rink");
    root.mkpath(QStringLiteral("Language"));
    m_language.setAppDir(m_dir.path());
    m_language.setLanguageDir(QStringLiteral("Language"));
    m_language.setLines({QStringLiteral("PlayGroundIsNotAvailable=is not available"),
                         QStringLiteral("AboutName=Korvex")});
    resetDataFolders();
}

QString FuzzInstallation::path(const QString& relative) const {
    return joinPath(m_dir.path(), relative);
}

void FuzzInstallation::resetDataFolders() {
    const QDir root(m_dir.path());
    for (const char* folder : kDataFolders) {
        const QString name = QLatin1String(folder);
        QDir(root.filePath(name)).removeRecursively();
        root.mkpath(name + QStringLiteral("/Cat/Sub"));
    }
    QDir(root.filePath(QStringLiteral("Scratch"))).removeRecursively();
}

QString FuzzInstallation::writeScratch(const QString& fileName, const QByteArray& bytes) {
    const QDir root(m_dir.path());
    root.mkpath(QStringLiteral("Scratch"));
    const QString file = root.filePath(QStringLiteral("Scratch/") + fileName);
    check(saveBytes(file, bytes), "writing a scratch file");
    return file;
}

} // namespace korvex::fuzz
