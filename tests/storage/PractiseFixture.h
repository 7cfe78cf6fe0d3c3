#pragma once

// A complete small installation in a temporary folder for the practise tests: settings
// files, figure pictures, a rink and a language table, plus helpers that build practise
// files byte by byte.

#include "TestHelpers.h"

#include "core/Jpeg.h"
#include "core/SafeSave.h"
#include "core/SettingsCipher.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "drawing/FigurePictures.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstring>
#include <memory>

#include <gtest/gtest.h>

namespace korvex::test {

inline QByteArray f64(double value) {
    qint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return le64(bits);
}

inline QByteArray streamStrings(std::initializer_list<const char*> lines) {
    QByteArray b = le32(static_cast<qint32>(lines.size()));
    for (const char* line : lines)
        b += streamString(QByteArray(line));
    return b;
}

inline QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class Installation {
public:
    explicit Installation(int version = 141) {
        const QDir root(dir.path());
        writeAll(
            root.filePath(QStringLiteral("Settings.txt")),
            "Version=" + QByteArray::number(version) +
                "\r\nVersionText=1.41\r\nGMSaveDir=GraphicPractises\r\n"
                "TXSaveDir=TextPractises\r\nTPSaveDir=TrainingPlans\r\nDMSaveDir=Documents\r\n"
                "CPSaveDir=PlayerCards\r\nDRSaveDir=Diaries\r\nTCSaveDir=Tactics\r\n"
                "PlayerArchiveSaveDir=PlayerArchive\r\nPlayCourtSaveDir=Playgrounds\r\n"
                "PhotosSaveDir=Photos\r\nLanguageOpenDir=Language\r\nPictureOpenDir=Pictures\r\n");
        const QString plain = root.filePath(QStringLiteral("plain.txt"));
        writeAll(plain,
                 "Language=English\r\nFormSize=1\r\nCountPlayers=-1\r\nIndexOfGroundLine=4\r\n"
                 "Rink\r\n");
        EXPECT_TRUE(cipherSettingsFile(plain, root.filePath(QStringLiteral("Settings.def"))));
        settings = std::make_unique<TSettings>(dir.path());
        settings->setSaveOnDestroy(false);
        EXPECT_TRUE(settings->Load()) << settings->errorString().toStdString();

        root.mkpath(QStringLiteral("Pictures"));
        // Figure pictures: 21 x 15 blue boxes with magenta (transparent) corners.
        QImage figure(21, 15, QImage::Format_RGB32);
        figure.fill(QColor(0, 0, 200));
        figure.setPixel(0, 0, qRgb(255, 0, 255));
        for (const QString& name : allFigurePictureFileNames())
            EXPECT_TRUE(figure.save(root.filePath(QStringLiteral("Pictures/") + name), "BMP"));

        root.mkpath(QStringLiteral("Playgrounds"));
        QImage rink(600, 420, QImage::Format_RGB32);
        rink.fill(QColor(230, 240, 255));
        EXPECT_TRUE(
            saveBytes(root.filePath(QStringLiteral("Playgrounds/Rink.jpg")), encodeJpeg(rink)));

        language.setLines({QStringLiteral("GCCenterError=Picture too large"),
                           QStringLiteral("PlayGroundIsNotAvailable=is not available"),
                           QStringLiteral("AboutName=Korvex")});
        root.mkpath(QStringLiteral("GraphicPractises/Cat/Sub"));
        root.mkpath(QStringLiteral("Tactics/Cat/Sub"));
    }

    QString path(const QString& relative) const { return QDir(dir.path()).filePath(relative); }
    QString graphicStem(const char* name) const {
        return path(QStringLiteral("GraphicPractises/Cat/Sub/") + QString::fromUtf8(name));
    }
    QString tacticsStem(const char* name) const {
        return path(QStringLiteral("Tactics/Cat/Sub/") + QString::fromUtf8(name));
    }

    QTemporaryDir dir;
    std::unique_ptr<TSettings> settings;
    TLanguage language;
};

// The records of the drawing in the current layout (versions 105..141), positions given in
// pixels of the large 675 x 420 canvas.
inline QByteArray figureRecord(int kind, int x, int y, int variant, const char* text) {
    return bytes({kind}) + f64(x / 675.0) + f64(y / 420.0) + bytes({variant}) +
           streamString(QByteArray(text));
}

// A straight red line without end mark from (100, 302) to (400, 302). Its stored path
// samples the line every 1/1024 of the canvas width at y = 736/1024 of the height; these
// fractions survive scaling to pixels and back unchanged, so a rewrite gives the same bytes.
inline QByteArray redLineRecord() {
    QByteArray path;
    int count = 0;
    for (int m = 152; m <= 606; ++m, ++count)
        path += f64(m / 1024.0) + f64(736 / 1024.0);
    return le32(15) + le32(0x0000FF) + bytes({4, 0}) + le32(1) + bytes({0}) + le32(2) +
           f64(100 / 675.0) + f64(302 / 420.0) + f64(400 / 675.0) + f64(302 / 420.0) + le32(count) +
           path;
}

inline QByteArray numberSet(std::initializer_list<int> numbers) {
    QByteArray set(32, '\0');
    for (int n : numbers)
        set[n / 8] = static_cast<char>(static_cast<quint8>(set[n / 8]) | (1 << (n % 8)));
    return set;
}

} // namespace korvex::test
