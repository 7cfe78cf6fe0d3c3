// The category editor, the rink chooser and the add-rink command, driven through the
// dialog seam.
#include "GraphicEditorSupport.h"

#include "core/Jpeg.h"
#include "core/SafeSave.h"
#include "storage/RinkFolder.h"
#include "ui/dialogs/EditPractisesRules.h"
#include "ui/dialogs/TFormChooseGround.h"
#include "ui/dialogs/TFormEditPractises.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

using namespace korvex;
using korvex::test::GraphicEditorTest;

namespace {

class CategoryEditorTest : public GraphicEditorTest {
protected:
    std::unique_ptr<TFormEditPractises> editor() {
        return std::make_unique<TFormEditPractises>(window->language(), window->settings(),
                                                    practise(), 1, view);
    }
    void type(TFormEditPractises& form, const char* edit, const QString& text) {
        form.findChild<QLineEdit*>(QString::fromLatin1(edit))->setText(text);
    }
    void press(TFormEditPractises& form, const char* button) {
        QTest::mouseClick(form.findChild<QPushButton*>(QString::fromLatin1(button)),
                          Qt::LeftButton);
    }
    QListWidget* list(TFormEditPractises& form, const char* name) {
        return form.findChild<QListWidget*>(QString::fromLatin1(name));
    }
    QString referenceWarningText() const { return referenceWarning(window->language()); }
    QString rinkFolder() const { return app.file(QStringLiteral("Playgrounds")); }
    QString writePicture(const QString& name, int w, int h, QColor colour = Qt::white) const {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = app.file(name);
        saveBytes(path, encodeJpeg(image));
        return path;
    }
};

} // namespace

TEST(CategoryEditorRules, NamesAndSelection) {
    const QStringList existing{QStringLiteral("Drills"), QStringLiteral("Games")};
    EXPECT_EQ(newNameRefusal(TreeLevel::Practise, QStringLiteral("   "), existing),
              QStringLiteral("EnterNameNewPrac"));
    EXPECT_EQ(newNameRefusal(TreeLevel::Category, QString(), existing),
              QStringLiteral("CatAlreadyExist"));
    EXPECT_EQ(newNameRefusal(TreeLevel::Category, QStringLiteral("drills"), existing),
              QStringLiteral("CatAlreadyExist"));
    EXPECT_EQ(newNameRefusal(TreeLevel::Subcategory, QStringLiteral("a/b"), existing),
              QStringLiteral("NameNotAllowed"));
    EXPECT_EQ(newNameRefusal(TreeLevel::Practise, QStringLiteral(".."), existing),
              QStringLiteral("NameNotAllowed"));
    EXPECT_TRUE(
        newNameRefusal(TreeLevel::Practise, QStringLiteral("Breakout"), existing).isEmpty());
    EXPECT_EQ(selectionAfterDelete(2, 2), 1);
    EXPECT_EQ(selectionAfterDelete(0, 2), 0);
    EXPECT_EQ(selectionAfterDelete(0, 0), -1);
}

TEST_F(CategoryEditorTest, RefusalsAndDeletingTheLastCategory) {
    auto form = editor();
    type(*form, "edtNewPractise", QStringLiteral("   "));
    press(*form, "btnPractiseNew");
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_EQ(dialogs.informations.last(), text("EnterNameNewPrac"));
    type(*form, "edtNewCategory", QStringLiteral("drills"));
    press(*form, "btnCategoryNew");
    EXPECT_EQ(dialogs.informations.last(), text("CatAlreadyExist"));

    for (const char* name : {"Games", "Power play"}) {
        type(*form, "edtNewCategory", QString::fromLatin1(name));
        press(*form, "btnCategoryNew");
    }
    QListWidget* categories = list(*form, "lbxCategoryList");
    ASSERT_EQ(categories->count(), 3);
    categories->setCurrentRow(2);
    EXPECT_EQ(practise().category(), QStringLiteral("Power play"));
    dialogs.answerConfirm(true); // reference warning
    dialogs.answerConfirm(true); // delete
    press(*form, "btnCategoryDelete");
    EXPECT_EQ(dialogs.confirmations.last(),
              QStringLiteral(" ") + text("DoUWantDel") + QStringLiteral(" Power play?"));
    ASSERT_EQ(categories->count(), 2);
    EXPECT_EQ(categories->currentRow(), 1);
    EXPECT_EQ(practise().category(), QStringLiteral("Games"));
    EXPECT_FALSE(QDir(app.file(QStringLiteral("GraphicPractises/Power play"))).exists());
}

TEST_F(CategoryEditorTest, CancellingTheReferenceWarningLeavesTheCategory) {
    auto form = editor();
    list(*form, "lbxCategoryList")->setCurrentRow(0);
    dialogs.answerConfirm(false);
    press(*form, "btnCategoryDelete");
    dialogs.answerConfirm(false);
    press(*form, "btnCategoryRename");
    EXPECT_EQ(dialogs.confirmations.size(), 2);
    EXPECT_TRUE(dialogs.textPrompts.isEmpty());
    EXPECT_TRUE(QDir(app.file(QStringLiteral("GraphicPractises/Drills"))).exists());
    EXPECT_EQ(practise().category(), QStringLiteral("Drills"));
    EXPECT_EQ(list(*form, "lbxCategoryList")->count(), 1);
}

TEST_F(CategoryEditorTest, NewPractiseThroughTheMenuOpensTheChooserAndThenTheEditor) {
    window->SetEditMode(false);
    // The editor creates a practise; the chooser picks the second rink and is done.
    dialogs.answerForm([](QDialog* dialog) {
        auto* form = qobject_cast<TFormEditPractises*>(dialog);
        ASSERT_NE(form, nullptr);
        form->findChild<QLineEdit*>(QStringLiteral("edtNewPractise"))
            ->setText(QStringLiteral("Breakout"));
        form->newPractise();
        form->done();
    });
    dialogs.answerForm([](QDialog* dialog) {
        auto* chooser = qobject_cast<TFormChooseGround*>(dialog);
        ASSERT_NE(chooser, nullptr);
        chooser->next();
        chooser->done();
    });
    window->findChild<QAction*>(QStringLiteral("mmGMNew"))->trigger();
    EXPECT_EQ(dialogs.forms, (QStringList{QStringLiteral("korvex::TFormEditPractises"),
                                          QStringLiteral("korvex::TFormChooseGround")}));
    EXPECT_EQ(practise().name(), QStringLiteral("Breakout"));
    EXPECT_EQ(practise().groundName(), QStringLiteral("HalfRink"));
    EXPECT_TRUE(window->settings().EditFlag());
    EXPECT_TRUE(QFileInfo::exists(
        app.file(QStringLiteral("GraphicPractises/Drills/Skating/Breakout.gmp"))));

    // Cancelling the chooser deletes the new practise again.
    auto form = editor();
    type(*form, "edtNewPractise", QStringLiteral("Dropped"));
    form->newPractise();
    EXPECT_FALSE(
        QFileInfo::exists(app.file(QStringLiteral("GraphicPractises/Drills/Skating/Dropped.gmp"))));
    EXPECT_FALSE(list(*form, "lbxPractiseList")
                     ->findItems(QStringLiteral("Dropped"), Qt::MatchExactly)
                     .size());

    // Done with a typed but uncreated name asks first.
    type(*form, "edtNewPractise2", QStringLiteral("Pending"));
    form->show();
    form->done();
    EXPECT_EQ(dialogs.confirmations.last(), text("PractiseWasNotCreated"));
    EXPECT_TRUE(form->isVisible());
}

TEST_F(CategoryEditorTest, ChooserWrapsAroundAndMakesMissingThumbnails) {
    ASSERT_TRUE(QFile::remove(rinkFolder() + QStringLiteral("/HalfRinkSmall.jpg")));
    TFormChooseGround chooser(window->language(), window->settings(), practise(), view);
    chooser.show();
    EXPECT_EQ(chooser.shownName(), QStringLiteral("Rink"));
    chooser.previous(); // from the first to the last
    EXPECT_EQ(chooser.shownName(), QStringLiteral("HalfRink"));
    EXPECT_EQ(chooser.preview().size(), QSize(225, 140));
    EXPECT_TRUE(QFileInfo::exists(rinkFolder() + QStringLiteral("/HalfRinkSmall.jpg")));
    chooser.next(); // from the last to the first
    EXPECT_EQ(chooser.shownName(), QStringLiteral("Rink"));
    EXPECT_EQ(practise().groundName(), QStringLiteral("Rink"));
    EXPECT_TRUE(dialogs.informations.isEmpty());
    if (qEnvironmentVariableIsSet("KORVEX_SCREENSHOT_DIR")) {
        const QString folder = qEnvironmentVariable("KORVEX_SCREENSHOT_DIR");
        chooser.grab().save(folder + QStringLiteral("/choose-ground.png"));
        auto form = editor();
        form->show();
        form->grab().save(folder + QStringLiteral("/edit-practises.png"));
    }
}

TEST_F(CategoryEditorTest, AddingARinkChecksSizeAndName) {
    const QString wide = writePicture(QStringLiteral("Wide.jpg"), 676, 420);
    dialogs.answerOpenFile(wide);
    window->findChild<QAction*>(QStringLiteral("mmGMAddGround"))->trigger();
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations.last().contains(QStringLiteral("676x420")));
    EXPECT_FALSE(QFileInfo::exists(rinkFolder() + QStringLiteral("/Wide.jpg")));

    const QString small = writePicture(QStringLiteral("Pond.jpg"), 450, 280);
    dialogs.answerOpenFile(small);
    dialogs.answerText(QStringLiteral("rink")); // taken (letter case aside): asked again
    dialogs.answerText(QStringLiteral("Pond"));
    window->findChild<QAction*>(QStringLiteral("mmGMAddGround"))->trigger();
    EXPECT_EQ(dialogs.informations.last(), text("GroundAllreadyExists"));
    EXPECT_EQ(dialogs.textPrompts.size(), 2);
    EXPECT_TRUE(QFileInfo::exists(rinkFolder() + QStringLiteral("/Pond.jpg")));
    EXPECT_EQ(window->settings().selectedRinks().last(), QStringLiteral("Pond"));
    EXPECT_EQ(loadRinkThumbnail(rinkFolder(), QStringLiteral("Pond")).status, RinkThumbnail::Shown);
}

TEST(ShippedRinks, EveryRinkAndThumbnailHasItsSize) {
    const QString folder = QStringLiteral(KORVEX_APP_DIR "/Playgrounds");
    for (const char* name : {"Rink", "HalfRink", "IceSheet"}) {
        const QImage picture(folder + QLatin1Char('/') + QLatin1String(name) +
                             QStringLiteral(".jpg"));
        const QImage thumbnail(folder + QLatin1Char('/') + QLatin1String(name) +
                               QStringLiteral("Small.jpg"));
        EXPECT_EQ(picture.size(), QSize(675, 420)) << name;
        EXPECT_EQ(thumbnail.size(), QSize(225, 140)) << name;
    }
}

TEST_F(CategoryEditorTest, OwnPictureGroundAndTheCustomFieldMenu) {
    auto* menu = window->findChild<QMenu*>(QStringLiteral("mmGPMode"));
    auto item = [this](const char* name) {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    };
    Q_EMIT menu->aboutToShow();
    EXPECT_FALSE(item("mmGMCustomField")->isEnabled());
    EXPECT_TRUE(item("mmGMChangePlayground")->isEnabled());

    // Change playground: an own picture, fitted.
    const QString own = writePicture(QStringLiteral("Pond.jpg"), 300, 300, QColor(40, 90, 200));
    dialogs.answerOpenFile(own);
    dialogs.answerForm([](QDialog* dialog) {
        auto* chooser = qobject_cast<TFormChooseGround*>(dialog);
        ASSERT_NE(chooser, nullptr);
        chooser->fromFile();
        EXPECT_TRUE(chooser->isCustom());
        chooser->done();
    });
    item("mmGMChangePlayground")->trigger();
    EXPECT_EQ(practise().groundMode(), 1);
    EXPECT_TRUE(practise().modified());
    const QImage fitted = view->buffer();
    Q_EMIT menu->aboutToShow();
    EXPECT_TRUE(item("mmGMCustomField")->isEnabled());
    EXPECT_TRUE(item("mmGMCustomFieldFit")->isChecked());

    item("mmGMCustomFieldFill")->trigger();
    EXPECT_EQ(practise().groundMode(), 2);
    EXPECT_NE(view->buffer(), fitted);
    Q_EMIT menu->aboutToShow();
    EXPECT_TRUE(item("mmGMCustomFieldFill")->isChecked());
    EXPECT_FALSE(item("mmGMCustomFieldFit")->isChecked());

    // Export picture writes the clean canvas as a JPEG.
    const QString exported = app.file(QStringLiteral("export.jpg"));
    dialogs.answerSaveFile(exported);
    item("mmGmExportPicture")->trigger();
    EXPECT_EQ(QImage(exported).size(), QSize(675, 420));
}

TEST_F(CategoryEditorTest, RenameAndCopyKeepNamesUnique) {
    auto form = editor();
    // Copy "Loop" as "Loop 2"; copying again under an existing name is refused.
    dialogs.answerText(QStringLiteral("Loop 2"));
    press(*form, "btnPractiseCopy");
    EXPECT_EQ(practise().name(), QStringLiteral("Loop 2"));
    EXPECT_TRUE(
        QFileInfo::exists(app.file(QStringLiteral("GraphicPractises/Drills/Skating/Loop 2.gmp"))));
    dialogs.answerText(QStringLiteral("loop"));
    press(*form, "btnPractiseCopy");
    EXPECT_EQ(dialogs.informations.last(), text("PracAlreadyExist"));

    // Renaming onto another practise's name is refused; a free name moves every file.
    dialogs.answerText(QStringLiteral("Loop"));
    press(*form, "btnPractiseRename");
    EXPECT_EQ(dialogs.informations.size(), 2);
    dialogs.answerText(QStringLiteral("Figure eight"));
    press(*form, "btnPractiseRename");
    EXPECT_EQ(practise().name(), QStringLiteral("Figure eight"));
    for (const char* file : {"Figure eight.gmp", "Figure eight.jpg", "Figure eightSmall.jpg"})
        EXPECT_TRUE(QFileInfo::exists(
            app.file(QStringLiteral("GraphicPractises/Drills/Skating/") + QLatin1String(file))))
            << file;
    EXPECT_FALSE(
        QFileInfo::exists(app.file(QStringLiteral("GraphicPractises/Drills/Skating/Loop 2.gmp"))));
    EXPECT_EQ(list(*form, "lbxPractiseList")->currentItem()->text(),
              QStringLiteral("Figure eight"));

    // A subcategory rename asks about training plans first.
    dialogs.answerConfirm(true);
    dialogs.answerText(QStringLiteral("Edges"));
    press(*form, "btnSubCategoryRename");
    EXPECT_EQ(dialogs.confirmations.last(), referenceWarningText());
    EXPECT_TRUE(QDir(app.file(QStringLiteral("GraphicPractises/Drills/Edges"))).exists());
    EXPECT_EQ(practise().subcategory(), QStringLiteral("Edges"));
}

TEST(CategoryEditorRules, EmptyLongNamesAndFreeCopyNames) {
    const QStringList existing{QStringLiteral("Loop"), QStringLiteral("loop (2)")};
    EXPECT_EQ(newNameRefusal(TreeLevel::Category, QStringLiteral("   "), existing),
              QStringLiteral("NameIsEmpty"));
    EXPECT_EQ(newNameRefusal(TreeLevel::Subcategory, QStringLiteral("..."), existing),
              QStringLiteral("NameNotAllowed"));
    EXPECT_EQ(newNameRefusal(TreeLevel::Category, QString(300, QLatin1Char('c')), existing),
              QStringLiteral("NameTooLong"));
    EXPECT_EQ(newNameRefusal(TreeLevel::Practise, QString(240, QLatin1Char('p')), existing, 239),
              QStringLiteral("NameTooLong"));
    EXPECT_EQ(freeCopyName(QStringLiteral("Loop"), existing), QStringLiteral("Loop (3)"));
    EXPECT_EQ(freeCopyName(QStringLiteral("Drill 1"), existing), QStringLiteral("Drill 1 (2)"));
}

TEST_F(CategoryEditorTest, TooLongNamesAndFailedRenamesAreReported) {
    auto form = editor();
    // A 300-character category is refused with its reason and stays in the field.
    const QString longName(300, QLatin1Char('c'));
    type(*form, "edtNewCategory", longName);
    press(*form, "btnCategoryNew");
    EXPECT_EQ(dialogs.informations.last(), text("NameTooLong"));
    EXPECT_EQ(form->findChild<QLineEdit*>(QStringLiteral("edtNewCategory"))->text(), longName);
    type(*form, "edtNewCategory", QStringLiteral("    "));
    press(*form, "btnCategoryNew");
    EXPECT_EQ(dialogs.informations.last(), text("NameIsEmpty"));

    // A practise name whose thumbnail name would not fit is refused before any file moves.
    dialogs.answerText(QString(240, QLatin1Char('p')));
    press(*form, "btnPractiseRename");
    EXPECT_EQ(dialogs.informations.last(), text("NameTooLong"));
    EXPECT_EQ(practise().name(), QStringLiteral("Loop"));

    // A stray thumbnail of the new name makes the rename fail: the editor says so.
    saveBytes(app.file(QStringLiteral("GraphicPractises/Drills/Skating/Loop 3Small.jpg")), "x");
    dialogs.answerText(QStringLiteral("Loop 3"));
    press(*form, "btnPractiseRename");
    EXPECT_TRUE(dialogs.informations.last().startsWith(text("EditFailed")))
        << dialogs.informations.last().toStdString();
    EXPECT_TRUE(
        QFileInfo::exists(app.file(QStringLiteral("GraphicPractises/Drills/Skating/Loop.gmp"))));
}
