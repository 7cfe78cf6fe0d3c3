// The graphic view's export, import and print commands, run from the menu as a coach would.
#include "GraphicEditorSupport.h"

#include "core/SafeSave.h"
#include "ui/dialogs/TFormImportPractise.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>

using namespace korvex;
using korvex::test::GraphicEditorTest;

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList listed(const QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names.append(list->item(i)->text());
    return names;
}

class GraphicExportTest : public GraphicEditorTest {
protected:
    void SetUp() override {
        GraphicEditorTest::SetUp();
        ASSERT_TRUE(out.isValid());
        place("spbFigureForward", QPoint(200, 200));
        view->findChild<QPlainTextEdit*>(QStringLiteral("memGMText"))
            ->setPlainText(QStringLiteral("Skate the loop & shoot"));
    }
    void trigger(const char* name) const {
        window->findChild<QAction*>(QLatin1String(name))->trigger();
    }
    QString stem() const {
        return app.file(QStringLiteral("GraphicPractises/Drills/Skating/Loop"));
    }

    QTemporaryDir out;
};

TEST_F(GraphicExportTest, HtmlZipAndFileExportsSaveFirstAndWriteWhereTheCoachChose) {
    ASSERT_TRUE(practise().modified());
    // Cancelled: nothing is written, but the edit has been saved.
    trigger("mmGMExportToHTML");
    EXPECT_FALSE(practise().modified());
    ASSERT_EQ(dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(dialogs.fileDialogs[0].defaultSuffix, QStringLiteral("html"));
    EXPECT_TRUE(dialogs.openedUrls.isEmpty());

    const QString page = out.filePath(QStringLiteral("Loop.html"));
    dialogs.answerSaveFile(page);
    trigger("mmGMExportToHTML");
    EXPECT_TRUE(QString::fromUtf8(fileBytes(page))
                    .contains(QStringLiteral("Skate the loop &amp; shoot<br>")));
    EXPECT_TRUE(QFileInfo::exists(out.filePath(QStringLiteral("Loop/Picture.jpg"))));
    ASSERT_EQ(dialogs.openedUrls.size(), 1);
    EXPECT_EQ(dialogs.openedUrls[0], QUrl::fromLocalFile(page));

    dialogs.answerSaveFile(out.filePath(QStringLiteral("Pack.zip")));
    trigger("mmGMExportToZip");
    EXPECT_TRUE(QFileInfo::exists(out.filePath(QStringLiteral("Pack.zip"))));
    EXPECT_FALSE(QFileInfo::exists(out.filePath(QStringLiteral("Pack.html"))));
    EXPECT_EQ(dialogs.openedUrls.size(), 1); // an archive is not opened

    dialogs.answerSaveFile(out.filePath(QStringLiteral("Copy.gmp")));
    trigger("mmGMExport");
    EXPECT_EQ(fileBytes(out.filePath(QStringLiteral("Copy.gmp"))),
              fileBytes(stem() + QStringLiteral(".gmp")));

    // A page that cannot be written (its folder is a file) is reported, and nothing is opened.
    ASSERT_TRUE(saveBytes(out.filePath(QStringLiteral("file")), "x"));
    dialogs.answerSaveFile(out.filePath(QStringLiteral("file/x.html")));
    trigger("mmGMExportToHTML");
    EXPECT_EQ(dialogs.informations.size(), 1);
    EXPECT_EQ(dialogs.openedUrls.size(), 1);
}

TEST_F(GraphicExportTest, PrintAndPreviewShowThePractiseOnOnePage) {
    const QString pdf = out.filePath(QStringLiteral("Loop.pdf"));
    dialogs.answerPrintToPdf(pdf);
    trigger("mmGMPrint");
    EXPECT_FALSE(practise().modified());
    EXPECT_EQ(dialogs.printDialogs, 1);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished());
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("Loop")));
    EXPECT_TRUE(printed.contains(QStringLiteral("Skate the loop & shoot")));

    trigger("mmGMPrintPreview");
    EXPECT_TRUE(dialogs.forms.contains(QStringLiteral("QPrintPreviewDialog")));
    EXPECT_EQ(dialogs.printDialogs, 1);
}

TEST_F(GraphicExportTest, ImportCopiesFilesUnderNewNamesAndRefusesTakenOnes) {
    ASSERT_TRUE(view->saveIfModified());
    const QString source = out.filePath(QStringLiteral("From a friend.gmp"));
    ASSERT_TRUE(QFile::copy(stem() + QStringLiteral(".gmp"), source));
    const QString broken = out.filePath(QStringLiteral("Broken.gmp"));
    ASSERT_TRUE(saveBytes(broken, QByteArray("\x8d\x00\x00\x00\x05", 5)));

    dialogs.answerForm([&](QDialog* dialog) {
        auto* form = qobject_cast<TFormImportPractise*>(dialog);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), text("FormImportPractise"));
        EXPECT_EQ(form->findChild<QComboBox*>(QStringLiteral("cmbIPCategory"))->currentText(),
                  QStringLiteral("Drills"));
        auto* list = form->findChild<QListWidget*>(QStringLiteral("lbxIPPractise"));
        EXPECT_EQ(listed(list), QStringList{QStringLiteral("Loop")});

        // The file's own name is proposed; a taken name is refused.
        dialogs.answerOpenFile(source);
        dialogs.answerText(QStringLiteral("loop"));
        EXPECT_FALSE(form->importFile());
        EXPECT_EQ(dialogs.informations.last(), text("PracAlreadyExist"));

        // A damaged file is named and the view's practise stays.
        dialogs.answerOpenFile(broken);
        dialogs.answerText(QStringLiteral("Broken"));
        EXPECT_FALSE(form->importFile());
        EXPECT_TRUE(dialogs.informations.last().contains(QStringLiteral("Broken.gmp")));
        EXPECT_EQ(practise().name(), QStringLiteral("Loop"));
        EXPECT_FALSE(QFileInfo::exists(
            app.file(QStringLiteral("GraphicPractises/Drills/Skating/Broken.gmp"))));

        dialogs.answerOpenFile(source);
        dialogs.answerText(QStringLiteral("From a friend"));
        form->findChild<QPushButton*>(QStringLiteral("btnIPImport"))->click();
        EXPECT_TRUE(form->importedAny());
        EXPECT_EQ(listed(list),
                  QStringList({QStringLiteral("From a friend"), QStringLiteral("Loop")}));
        EXPECT_TRUE(form->findChild<QPushButton*>(QStringLiteral("btnIPDone"))->isVisibleTo(form));
        EXPECT_FALSE(
            form->findChild<QPushButton*>(QStringLiteral("btnIPCancel"))->isVisibleTo(form));
        if (qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR"))
            form->grab().save(QDir(qEnvironmentVariable("KORVEX_SCREENSHOT_DIR"))
                                  .filePath(QStringLiteral("import-practise.png")));
        form->findChild<QPushButton*>(QStringLiteral("btnIPDone"))->click();
    });
    trigger("mmGMImport");
    EXPECT_EQ(dialogs.textPrompts, QStringList(3, text("FormGetText"))); // one name prompt per file
    EXPECT_EQ(dialogs.fileDialogs.last().filter, QStringLiteral("*.gmp (*.gmp)"));
    // The view shows the imported practise, saved again with its picture and thumbnail.
    EXPECT_EQ(practise().name(), QStringLiteral("From a friend"));
    const QString imported =
        app.file(QStringLiteral("GraphicPractises/Drills/Skating/From a friend"));
    EXPECT_TRUE(QFileInfo::exists(imported + QStringLiteral(".jpg")));
    EXPECT_TRUE(QFileInfo::exists(imported + QStringLiteral("Small.jpg")));
    EXPECT_EQ(practise().description(), QStringList{QStringLiteral("Skate the loop & shoot")});
}

} // namespace
