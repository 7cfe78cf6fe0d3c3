// korvex-fuzz-seeds OUTDIR: writes the seed corpora of the fuzz targets, one folder per
// target, with the program's own writers, so the corpora follow the formats as they change
// and no binary seed needs to be kept in the repository.
#include "FuzzInstallation.h"

#include "core/BinaryWriter.h"
#include "core/Jpeg.h"
#include "core/Paths.h"
#include "core/SafeSave.h"
#include "drawing/TFiguresAnimation.h"
#include "storage/BackupKinds.h"
#include "storage/FullBackup.h"
#include "storage/KindBackup.h"
#include "storage/PlayerCsv.h"
#include "storage/TCardPractise.h"
#include "storage/TDiary.h"
#include "storage/TGraphicPractise.h"
#include "storage/TTacticsPractise.h"
#include "storage/TextPractiseFile.h"
#include "storage/TrainingPlanFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

using namespace korvex;

namespace {

QString g_out;

void put(const char* target, const char* name, const QByteArray& bytes) {
    const QString folder = joinPath(g_out, QLatin1String(target));
    QString error;
    if (!QDir().mkpath(folder) ||
        !saveBytes(joinPath(folder, QLatin1String(name)), bytes, &error)) {
        std::fprintf(stderr, "korvex-fuzz-seeds: %s/%s: %s\n", target, name, qPrintable(error));
        std::exit(1);
    }
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "korvex-fuzz-seeds: %s cannot be read\n", qPrintable(path));
        std::exit(1);
    }
    return file.readAll();
}

QImage testPicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(220, 235, 250));
    painter.setPen(QPen(Qt::red, 3));
    painter.drawLine(0, 0, width, height);
    painter.drawEllipse(QPoint(width / 2, height / 2), width / 4, height / 4);
    return image;
}

std::unique_ptr<TFigure> figure(const DrawingSettings* settings, quint8 kind, QPoint at,
                                const QString& text = {}) {
    auto f = std::make_unique<TFigure>(settings);
    f->setKind(kind);
    f->setPosition(at);
    f->setText(text);
    return f;
}

std::unique_ptr<TLine> line(const DrawingSettings* settings, std::initializer_list<QPoint> points,
                            bool curved, quint8 kind, quint8 end) {
    auto l = std::make_unique<TLine>(settings);
    for (QPoint p : points)
        l->addPoint(p);
    l->setCurved(curved);
    l->setLineKind(kind);
    l->setEndKind(end);
    return l;
}

// A small drill: two players, a puck, a cone and a text; a skating line, a curved pass and
// a shot.
void fillDrill(TGraphicPractise& practise) {
    const DrawingSettings* s = &practise.drawingSettings();
    practise.description() = {QStringLiteral("Two-on-one down the left wing"),
                              QStringLiteral("Žluťoučký kůň, Grüße")};
    practise.keywords() = {QStringLiteral("2-1"), QStringLiteral("rush")};
    practise.figures().add(figure(s, 0, {200, 150}, QStringLiteral("9")));
    practise.figures().add(figure(s, 1, {260, 220}, QStringLiteral("4")));
    practise.figures().add(figure(s, 7, {300, 200}));
    practise.lines().add(line(s, {{100, 100}, {400, 120}}, false, 0, 0));
    practise.lines().add(line(s, {{120, 300}, {300, 250}, {500, 330}, {600, 200}}, true, 4, 1));
    practise.lines().add(line(s, {{500, 100}, {640, 210}}, false, 5, 3));
}

QByteArray graphicBytes(TGraphicPractise& practise) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    practise.writeTo(&buffer, QStringLiteral("seed.gmp"));
    return buffer.data();
}

void graphicSeeds(fuzz::FuzzInstallation& installation) {
    TGraphicPractise empty(installation.settings(), installation.language());
    put("graphic_practise", "empty", graphicBytes(empty));
    TGraphicPractise drill(installation.settings(), installation.language());
    fillDrill(drill);
    put("graphic_practise", "drill", graphicBytes(drill));

    QByteArray stream;
    BinaryWriter out(&stream);
    out.writeInt32(141);
    drill.lines().writeTo(out);
    drill.figures().writeTo(out);
    TFiguresAnimation animation(&drill.drawingSettings());
    animation.add(std::make_unique<TFigures>(&drill.drawingSettings()));
    animation.writeTo(out);
    put("drawing_stream", "drill", stream);

    TTacticsPractise tactics(installation.settings(), installation.language());
    tactics.figures().add(figure(&tactics.drawingSettings(), 0, {100, 100}, QStringLiteral("7")));
    tactics.SetFrame(1);
    tactics.figures().moveFigure(0, 40, 10);
    QBuffer tacticsBuffer;
    tacticsBuffer.open(QIODevice::WriteOnly);
    tactics.writeTacticsTo(&tacticsBuffer, QStringLiteral("seed.tac"));
    put("tactics_practise", "two_frames", tacticsBuffer.data());
}

QByteArray textPractiseBytes() {
    TextPractiseData data;
    data.version = 141;
    data.text = {QStringLiteral("Skate the circles, then pass."), QString()};
    data.pictures = {encodeJpeg(testPicture(64, 40))};
    data.keywords = {QStringLiteral("skating")};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    writeTextPractise(&buffer, data, &error);
    return buffer.data();
}

QByteArray planBytes(bool archive) {
    TrainingPlanData plan;
    plan.version = 141;
    plan.paths = {QStringLiteral("GraphicPractises\\Cat\\Sub\\Drill.gmp")};
    plan.description = {QStringLiteral("Tuesday ice")};
    plan.date = QStringLiteral("09.12.2026");
    plan.time = QStringLiteral("17:30");
    PlanFileItem item;
    item.time = QStringLiteral("10");
    item.name = QStringLiteral("Drill");
    if (archive) {
        plan.evaluation = {QStringLiteral("Good pace")};
        plan.archived = {
            PlanArchiveItem{{QStringLiteral("Two-on-one")}, encodeJpeg(testPicture(90, 56))}};
    }
    plan.items = {item};
    TTextData note;
    note.number = QStringLiteral("1");
    note.contains = {QStringLiteral("Warm-up")};
    plan.textBlocks.append(note);
    plan.heading.place = QStringLiteral("Main rink");
    plan.heading.aim = {QStringLiteral("Speed")};
    plan.team = QStringLiteral("U15");
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    writePlan(&buffer, archive, plan, &error);
    return buffer.data();
}

// Writes one of each item into the installation, so that the backups hold every kind.
void fillInstallation(fuzz::FuzzInstallation& installation) {
    TGraphicPractise drill(installation.settings(), installation.language());
    fillDrill(drill);
    drill.Save(installation.path(QStringLiteral("GraphicPractises/Cat/Sub/Drill")));
    saveBytes(installation.path(QStringLiteral("TextPractises/Cat/Sub/Circles.tmp")),
              textPractiseBytes());
    QDir().mkpath(installation.path(QStringLiteral("TrainingPlans/Plans/U15")));
    QDir().mkpath(installation.path(QStringLiteral("TrainingPlans/Archive/U15")));
    saveBytes(installation.path(QStringLiteral("TrainingPlans/Plans/U15/Tuesday.pmp")),
              planBytes(false));
    saveBytes(installation.path(QStringLiteral("TrainingPlans/Archive/U15/1.pamp")),
              planBytes(true));

    TCardPractise cards;
    cards.setLocation(installation.root(), QStringLiteral("PlayerCards"));
    cards.setWriteVersion(141);
    cards.createTeam(141, QStringLiteral("U15"));
    cards.addEntry(TCardPractise::makeRecord({QStringLiteral("Novák"), QStringLiteral("Jan"),
                                              QStringLiteral("2011"), QStringLiteral("17"),
                                              QStringLiteral("F"), QStringLiteral("777 123 456"),
                                              QStringLiteral("jan@example.org")}),
                   {QStringLiteral("Left shot")});
    cards.saveTeam();

    TDiary diary;
    diary.setLocation(installation.root(), QStringLiteral("Diaries"));
    diary.createTeam(141, QStringLiteral("U15"));
    diary.addEntry(TDiary::makeRecord(QStringLiteral("09.12.2026"), QStringLiteral("Power play")),
                   {QStringLiteral("Umbrella set-up"), QStringLiteral("Worked well")});
    diary.saveTeam();
}

void recordSeeds(fuzz::FuzzInstallation& installation) {
    put("text_practise", "one_picture", textPractiseBytes());
    put("plan", "one_item", planBytes(false));
    put("archived_plan", "one_item", planBytes(true));
    put("card_file", "one_player",
        fileBytes(installation.path(QStringLiteral("PlayerCards/U15.cmp"))));
    put("diary", "one_record", fileBytes(installation.path(QStringLiteral("Diaries/U15.dmp"))));

    TCardPractise cards;
    cards.setLocation(installation.root(), QStringLiteral("PlayerCards"));
    cards.loadTeam(QStringLiteral("U15"));
    put("player_csv", "written", writePlayerCsv(cards, {QStringLiteral("Surname")}));
    put("player_csv", "quoted",
        "Surname,First name,Born,No.,Position\r\n\"Dvořák, Jr.\",Petr,2012,9,D\r\n"
        "\"Line\nbreak\",\"He said \"\"go\"\"\",,123,\r\n");
}

void backupSeeds(fuzz::FuzzInstallation& installation) {
    const InstallationFolders folders = InstallationFolders::fromSettings(installation.settings());
    const QList<BackupKind> kinds = fullBackupOrder();
    for (int i = 0; i < kinds.size(); ++i) {
        const QString file = installation.path(QStringLiteral("Scratch/kind.bak"));
        QDir().mkpath(installation.path(QStringLiteral("Scratch")));
        QString error;
        if (!writeKindBackup(folders.root, backupWalkFolder(kinds[i], folders),
                             kindExtension(kinds[i]), folders.version, file, &error)) {
            std::fprintf(stderr, "korvex-fuzz-seeds: %s\n", qPrintable(error));
            std::exit(1);
        }
        // The kind backup target reads the kind from its first byte.
        const QByteArray bytes = QByteArray(1, char(i)) + fileBytes(file);
        put("kind_backup", qPrintable(backupKindName(kinds[i])), bytes);
    }
    const QString full = installation.path(QStringLiteral("Scratch/full.abp"));
    QString error;
    if (!writeFullBackup(folders, full, &error)) {
        std::fprintf(stderr, "korvex-fuzz-seeds: %s\n", qPrintable(error));
        std::exit(1);
    }
    put("full_backup", "every_kind", fileBytes(full));
}

void textSeeds() {
    put("settings", "shipped",
        "Language=English\r\nFormSize=1\r\nCountPlayers=-1\r\nIndexOfGroundLine=4\r\n"
        "Full rink\r\nHalf rink\r\n");
    put("settings", "no_count", "Language=Czech\nIndexOfGroundLine=1\nRink\n");
    put("language", "small",
        "AboutName=Korvex\r\nGMMenu=&Graphic practise\r\n; a comment\r\nbroken line\r\n"
        "Empty=\r\nPlayGroundIsNotAvailable=Hřiště není k dispozici\r\n");
    put("jpeg", "small", encodeJpeg(testPicture(32, 24)));
    put("jpeg", "rink", encodeJpeg(testPicture(450, 280), 90));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: korvex-fuzz-seeds OUTDIR\n");
        return 2;
    }
    fuzz::FuzzInstallation& installation = fuzz::FuzzInstallation::instance();
    g_out = QString::fromLocal8Bit(argv[1]);
    graphicSeeds(installation);
    fillInstallation(installation);
    recordSeeds(installation);
    backupSeeds(installation);
    textSeeds();
    std::printf("korvex-fuzz-seeds: corpora written to %s\n", argv[1]);
    return 0;
}
