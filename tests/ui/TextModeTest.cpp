// The text practise view driven as a coach would: pictures added and deleted through the
// panel, practises switched through the lists, and the mode's menu commands.
#include "UiTestSupport.h"

#include "core/Jpeg.h"
#include "core/TLanguage.h"
#include "core/TSettings.h"
#include "storage/TTextPractise.h"
#include "storage/TextPractiseFile.h"
#include "ui/ScriptedDialogs.h"
#include "ui/dialogs/TFormImportPractise.h"
#include "ui/text/TfrmTextMode.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace korvex;

namespace {

class TextModeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(app.isValid() && files.isValid());
        ASSERT_TRUE(app.writeSettingsDef(test::defaultSettingsDef()));
        window = test::startWindow(app);
        ASSERT_NE(window, nullptr);
        window->SwitchMode(2);
        view = qobject_cast<TfrmTextMode*>(window->currentView());
        ASSERT_NE(view, nullptr);
        TTextPractise& p = view->practise();
        ASSERT_TRUE(p.CreateCategory(QStringLiteral("Drills")));
        p.setCategory(QStringLiteral("Drills"));
        ASSERT_TRUE(p.CreateSubcategory(QStringLiteral("Skating")));
        p.setSubcategory(QStringLiteral("Skating"));
        for (const char* name : {"Stops", "Edges"}) {
            p.Clear();
            ASSERT_TRUE(p.CreateItem(QString::fromLatin1(name), window->settings().Version()));
        }
        view->reloadSelection();
        window->SetEditMode(true);
        ASSERT_TRUE(window->settings().EditFlag());
    }

    template <typename T> T* control(const char* name) const {
        return view->findChild<T*>(QString::fromLatin1(name));
    }
    // Adds a picture file of `bytes` through the add button and the open dialog.
    void addPicture(const QByteArray& bytes, const QString& name = QStringLiteral("p.jpg")) {
        const QString path = files.filePath(name);
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        out.close();
        dialogs.answerOpenFile(path);
        QTest::mouseClick(control<QPushButton>("btnTXAddPicture"), Qt::LeftButton);
    }
    void choose(const QString& name) const {
        auto* names = control<QComboBox>("cmbTXName");
        const int index = names->findText(name);
        ASSERT_GE(index, 0);
        names->setCurrentIndex(index);
        Q_EMIT names->activated(index);
    }
    QString scratch() const { return app.file(QStringLiteral("Photos")); }
    QStringList scratchFiles() const { return QDir(scratch()).entryList(QDir::Files, QDir::Name); }
    static QByteArray readAll(const QString& path) {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    QByteArray scratchFile(const QString& name) const {
        return readAll(QDir(scratch()).filePath(name));
    }
    QList<QByteArray> storedPictures(const char* name) const {
        TextPractiseData data;
        QString error;
        EXPECT_TRUE(readTextPractiseFile(
            app.file(
                QStringLiteral("TextPractises/Drills/Skating/%1.tmp").arg(QLatin1String(name))),
            &data, &error));
        return data.pictures;
    }
    static QByteArray jpegOf(QRgb colour) {
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(colour);
        return encodeJpeg(image);
    }

    ScriptedDialogs dialogs;
    test::AppCopy app;
    QTemporaryDir files;
    std::unique_ptr<TFormKorvex> window;
    TfrmTextMode* view = nullptr;
};

TEST_F(TextModeTest, AddStopsAtFourAndDeletingRenumbersTheScratchFolder) {
    QList<QByteArray> pictures;
    for (int i = 0; i < 4; ++i) {
        pictures.append(jpegOf(qRgb(60 * i, 100, 200 - 40 * i)));
        addPicture(pictures[i]);
    }
    auto* add = control<QPushButton>("btnTXAddPicture");
    auto* remove = control<QPushButton>("btnTXDeletePicture");
    auto* first = control<QCheckBox>("cbxPicture1");
    auto* second = control<QCheckBox>("cbxPicture2");
    EXPECT_FALSE(add->isEnabled());
    EXPECT_EQ(view->pictureTop(), 2); // the newest picture is in view
    EXPECT_FALSE(remove->isEnabled());

    second->setChecked(true); // picture 4
    ASSERT_TRUE(remove->isEnabled());
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_TRUE(add->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_EQ(scratchFiles(), QStringList({QStringLiteral("0.jpg"), QStringLiteral("1.jpg"),
                                           QStringLiteral("2.jpg")}));

    control<QScrollBar>("uadTXScroll")->setValue(0);
    EXPECT_EQ(view->pictureTop(), 0);
    first->setChecked(true);
    second->setChecked(true);
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(scratchFiles(), QStringList({QStringLiteral("0.jpg")}));
    EXPECT_EQ(scratchFile(QStringLiteral("0.jpg")), pictures[2]);
    EXPECT_TRUE(first->isVisibleTo(view));
    EXPECT_FALSE(second->isVisibleTo(view));
    EXPECT_FALSE(first->isChecked());

    ASSERT_TRUE(view->saveIfModified());
    EXPECT_EQ(storedPictures("Edges"), QList<QByteArray>({pictures[2]}));
}

TEST_F(TextModeTest, SwitchingPractisesAndModesNeverMixesTheirPictures) {
    const QByteArray a0 = jpegOf(qRgb(255, 0, 0));
    const QByteArray a1 = jpegOf(qRgb(0, 255, 0));
    const QByteArray b0 = jpegOf(qRgb(0, 0, 255));
    addPicture(a0);
    addPicture(a1);
    choose(QStringLiteral("Stops")); // saves Edges on the way
    EXPECT_TRUE(scratchFiles().isEmpty());
    window->SetEditMode(true);
    addPicture(b0);
    choose(QStringLiteral("Edges"));
    EXPECT_EQ(scratchFiles(), QStringList({QStringLiteral("0.jpg"), QStringLiteral("1.jpg")}));
    EXPECT_EQ(scratchFile(QStringLiteral("1.jpg")), a1);
    EXPECT_EQ(storedPictures("Edges"), QList<QByteArray>({a0, a1}));
    EXPECT_EQ(storedPictures("Stops"), QList<QByteArray>({b0}));

    // Leaving the mode empties the scratch folder; what a crash leaves there is gone when
    // the view starts again, and only the practise shown has its pictures there.
    window->SwitchMode(1);
    EXPECT_TRUE(scratchFiles().isEmpty());
    ASSERT_TRUE(app.writeText(QStringLiteral("Photos/2.jpg"), QStringLiteral("left by a crash")));
    ASSERT_TRUE(app.writeText(QStringLiteral("Photos/0.renumber"), QStringLiteral("half done")));
    window->SwitchMode(2);
    view = qobject_cast<TfrmTextMode*>(window->currentView());
    ASSERT_EQ(view->practise().name(), QStringLiteral("Edges"));
    EXPECT_EQ(scratchFiles(), QStringList({QStringLiteral("0.jpg"), QStringLiteral("1.jpg")}));
    window->SetEditMode(true);
    QTest::keyClicks(control<QPlainTextEdit>("memTXText"), QStringLiteral("Inside edges"));
    choose(QStringLiteral("Stops"));
    EXPECT_EQ(storedPictures("Edges"), QList<QByteArray>({a0, a1}));
    EXPECT_EQ(storedPictures("Stops"), QList<QByteArray>({b0}));

    // A damaged file shows nothing of the practise before it and says what is wrong.
    choose(QStringLiteral("Edges"));
    ASSERT_TRUE(app.writeText(QStringLiteral("TextPractises/Drills/Skating/Stops.tmp"),
                              QStringLiteral("cut")));
    choose(QStringLiteral("Stops"));
    EXPECT_TRUE(scratchFiles().isEmpty());
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations.first().contains(QStringLiteral("Stops.tmp")));
}

TEST_F(TextModeTest, ViewStateLocksEveryInputAndANonPictureIsRefused) {
    addPicture(jpegOf(qRgb(10, 20, 30)));
    control<QCheckBox>("cbxPicture1")->setChecked(true);
    window->SetEditMode(false);
    EXPECT_TRUE(control<QPlainTextEdit>("memTXText")->isReadOnly());
    EXPECT_TRUE(control<QPlainTextEdit>("memTXKeyWords")->isReadOnly());
    for (const char* name : {"btnTXAddPicture", "btnTXDeletePicture"})
        EXPECT_FALSE(control<QPushButton>(name)->isEnabled()) << name;
    EXPECT_FALSE(control<QCheckBox>("cbxPicture1")->isEnabled());
    QTest::keyClicks(control<QPlainTextEdit>("memTXText"), QStringLiteral("ignored"));
    EXPECT_TRUE(control<QPlainTextEdit>("memTXText")->toPlainText().isEmpty());

    window->SetEditMode(true);
    addPicture("Skate to the blue line and back.", QStringLiteral("drill.jpg"));
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_EQ(
        dialogs.informations.first(),
        window->language().Text(QStringLiteral("TXNotAPicture")).arg(QStringLiteral("drill.jpg")));
    EXPECT_EQ(view->practise().pictureCount(), 1);
    EXPECT_EQ(scratchFiles(), QStringList({QStringLiteral("0.jpg")}));
}

TEST_F(TextModeTest, ExportImportBackupHtmlPrintAndPlaceToPlan) {
    const QByteArray picture = jpegOf(qRgb(0, 128, 0));
    addPicture(picture);
    QTest::keyClicks(control<QPlainTextEdit>("memTXText"), QStringLiteral("Two-foot stops"));

    // Export saves first and copies the practise file.
    const QString exported = files.filePath(QStringLiteral("out.tmp"));
    dialogs.answerSaveFile(exported);
    window->findChild<QAction*>(QStringLiteral("mmTXExport"))->trigger();
    EXPECT_EQ(readAll(exported),
              readAll(app.file(QStringLiteral("TextPractises/Drills/Skating/Edges.tmp"))));

    // Import under a name in use is refused; under a new name it becomes the practise shown.
    for (const QString& name : {QStringLiteral("stops"), QStringLiteral("Copied")}) {
        dialogs.answerOpenFile(exported);
        dialogs.answerText(name);
    }
    dialogs.answerForm([](QDialog* form) {
        auto* import = qobject_cast<TFormImportPractise*>(form);
        EXPECT_FALSE(import->importFile());
        EXPECT_TRUE(import->importFile());
    });
    window->findChild<QAction*>(QStringLiteral("mmTXImport"))->trigger();
    EXPECT_EQ(dialogs.informations,
              QStringList{window->language().Text(QStringLiteral("PracAlreadyExist"))});
    EXPECT_EQ(view->practise().name(), QStringLiteral("Copied"));
    EXPECT_EQ(control<QComboBox>("cmbTXName")->currentText(), QStringLiteral("Copied"));
    EXPECT_EQ(storedPictures("Copied"), QList<QByteArray>({picture}));
    EXPECT_EQ(scratchFiles(), QStringList({QStringLiteral("0.jpg")}));

    // A restore of the subcategory backup brings a deleted practise back with its picture
    // and skips those that exist.
    const QString backup = files.filePath(QStringLiteral("skating.tbp"));
    dialogs.answerSaveFile(backup);
    window->findChild<QAction*>(QStringLiteral("mmTXBackUpSubCategory"))->trigger();
    ASSERT_TRUE(QFile::remove(app.file(QStringLiteral("TextPractises/Drills/Skating/Edges.tmp"))));
    for (int i = 0; i < 2; ++i) {
        dialogs.answerForm([](QDialog* form) {
            form->findChild<QPushButton*>(QStringLiteral("btnSkip"))->click();
        });
    }
    dialogs.answerOpenFile(backup);
    window->findChild<QAction*>(QStringLiteral("mmTXLoadBackUp"))->trigger();
    EXPECT_EQ(storedPictures("Edges"), QList<QByteArray>({picture}));
    EXPECT_EQ(scratchFiles(), QStringList({QStringLiteral("0.jpg")}));

    // The HTML page gets the picture in its folder and is opened.
    const QString page = files.filePath(QStringLiteral("copied.html"));
    dialogs.answerSaveFile(page);
    window->findChild<QAction*>(QStringLiteral("mmTXExportToHTML"))->trigger();
    EXPECT_EQ(readAll(files.filePath(QStringLiteral("copied/0.jpg"))), picture);
    EXPECT_EQ(dialogs.openedUrls, QList<QUrl>{QUrl::fromLocalFile(page)});

    // Printing saves first; a cancelled dialog prints nothing.
    QTest::keyClicks(control<QPlainTextEdit>("memTXText"), QStringLiteral(" twice"));
    window->findChild<QAction*>(QStringLiteral("mmTXPrint"))->trigger();
    EXPECT_FALSE(view->practise().modified());
    const QString pdf = files.filePath(QStringLiteral("copied.pdf"));
    dialogs.answerPrintToPdf(pdf);
    window->findChild<QAction*>(QStringLiteral("mmTXPrint"))->trigger();
    EXPECT_TRUE(readAll(pdf).startsWith("%PDF"));

    // Placing saves the practise and hands its path to the plan mode.
    EXPECT_EQ(view->pathForPlan(), QStringLiteral("TextPractises/Drills/Skating/Copied.tmp"));
    window->findChild<QAction*>(QStringLiteral("mmTXPlaceToTP"))->trigger();
    EXPECT_EQ(window->settings().CurrentMode(), 3);
}

// A rink picture of the installation with a drill sketched on it, as a coach's picture.
QByteArray sketchOn(const QString& rinkFile, const QList<QPointF>& cones) {
    QImage rink(rinkFile);
    const double s = rink.width() / 675.0;
    QPainter painter(&rink);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath route(QPointF(90, 210) * s);
    for (const QPointF& c : cones) {
        painter.fillRect(QRectF((c - QPointF(7, 7)) * s, QSizeF(14, 14) * s), QColor(255, 140, 0));
        route.quadTo((c + QPointF(-50, c.y() < 210 ? -45 : 45)) * s, (c + QPointF(20, 0)) * s);
    }
    painter.setPen(QPen(QColor(20, 40, 160), 3 * s));
    painter.drawPath(route);
    painter.end();
    return encodeJpeg(rink);
}

TEST_F(TextModeTest, ACoachWritesAPractiseWithTwoPictures) {
    // In the large layout; with KORVEX_SCREENSHOT_DIR set the window is also saved there as
    // text-practise.png (the picture shown in the README).
    const QByteArray first = sketchOn(app.file(QStringLiteral("Playgrounds/Rink.jpg")),
                                      {{180, 120}, {300, 300}, {420, 120}, {540, 300}});
    const QByteArray second = sketchOn(app.file(QStringLiteral("Playgrounds/HalfRink.jpg")),
                                       {{250, 150}, {250, 270}, {420, 210}});
    addPicture(first, QStringLiteral("weave.jpg"));
    addPicture(second, QStringLiteral("shot.jpg"));
    control<QPlainTextEdit>("memTXText")
        ->insertPlainText(
            QStringLiteral("Edge work through the cones, then a shot.\n\n"
                           "1. Players start in a line at the goal line with a puck each.\n"
                           "2. Weave through the four cones on inside and outside edges, "
                           "head up, puck on the forehand.\n"
                           "3. After the last cone: tight turn, sprint to the slot and shoot.\n"
                           "4. Next player goes when the first one passes the second cone.\n\n"
                           "Coaching points: knees bent, stick on the ice, shoot in stride.\n"
                           "Time: 8 minutes, two groups at both ends."));
    control<QPlainTextEdit>("memTXKeyWords")->insertPlainText(QStringLiteral("edges, shooting"));
    ASSERT_TRUE(view->saveIfModified());

    // The slots show the two pictures fitted on white.
    EXPECT_EQ(control<QLabel>("imgPicture2")->pixmap().size(),
              control<QLabel>("imgPicture2")->contentsRect().size());
    EXPECT_EQ(control<QCheckBox>("cbxPicture2")->text(),
              window->language().Text(QStringLiteral("TXPictureNumber")).arg(2).arg(2));
    EXPECT_FALSE(control<QScrollBar>("uadTXScroll")->isEnabled());
    EXPECT_EQ(storedPictures("Edges"), QList<QByteArray>({first, second}));

    window->resize(window->settings().WindowWidth(), window->settings().WindowHeight());
    const QImage shot = window->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(1024, 735));
    if (qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR")) {
        const QString folder = qEnvironmentVariable("KORVEX_SCREENSHOT_DIR");
        QDir().mkpath(folder);
        shot.save(folder + QStringLiteral("/text-practise.png"));
    }
}

} // namespace
