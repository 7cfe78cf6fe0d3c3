// The explorer view: the grid it builds from the practise folders, and the two gestures on a
// thumbnail that lead into the graphic view and the training plan.
#include "ExplorerTestSupport.h"

#include "core/JpegPicture.h"
#include "ui/graphic/TfrmGraphicMode.h"

#include <QFile>

using namespace korvex;
using korvex::test::ExplorerTest;

namespace {

QStringList texts(const QList<QLabel*>& labels) {
    QStringList all;
    for (const QLabel* label : labels)
        all.append(label->text());
    return all;
}

} // namespace

TEST_F(ExplorerTest, TheGridFollowsTheBoxesAndAnEmptySubcategoryShowsOnlyTheSpacer) {
    makeSubcategory(QStringLiteral("Drills"), QStringLiteral("Empty"));
    makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), QStringLiteral("Loop"));
    TfrmExplorerMode* view = explorer();
    ASSERT_NE(view, nullptr);
    // First entry: the placeholders and no grid yet.
    EXPECT_EQ(box("cmbEXCategory")->currentText(), text("EmptyCategoryString"));
    EXPECT_EQ(box("cmbEXSubCategory")->currentText(), text("EmptySubCategoryString"));
    EXPECT_EQ(view->findChild<QLabel*>(QStringLiteral("lblEXCategory"))->text(),
              text("lblTXCategory"));
    EXPECT_TRUE(grid<QFrame>("pnlEXSpacer").isEmpty());

    // Choosing the category selects its first subcategory, "Empty", and builds its grid.
    pick("cmbEXCategory", QStringLiteral("Drills"));
    EXPECT_EQ(box("cmbEXSubCategory")->currentText(), QStringLiteral("Empty"));
    EXPECT_TRUE(view->stems().isEmpty());
    EXPECT_TRUE(grid<QFrame>("pnlEXPractise").isEmpty());
    EXPECT_TRUE(grid<QLabel>("lblEXRow").isEmpty());
    ASSERT_EQ(grid<QFrame>("pnlEXSpacer").size(), 1);
    EXPECT_EQ(grid<QFrame>("pnlEXSpacer").at(0)->geometry(), QRect(6, 200, 229, 10));

    pick("cmbEXSubCategory", QStringLiteral("Skating"));
    EXPECT_EQ(grid<QFrame>("pnlEXPractise").size(), 1);
    EXPECT_EQ(grid<QFrame>("pnlEXSpacer").size(), 1);

    // A category without subcategories keeps the placeholder, which is never read as a folder.
    makeSubcategory(QStringLiteral("Bare"), QStringLiteral("x"));
    QDir(app.file(QStringLiteral("GraphicPractises/Bare/x"))).removeRecursively();
    pick("cmbEXCategory", QStringLiteral("Bare"));
    EXPECT_EQ(box("cmbEXSubCategory")->currentText(), text("EmptySubCategoryString"));
    EXPECT_TRUE(view->stems().isEmpty());
}

TEST_F(ExplorerTest, NinePractisesMakeThreeRowsInFolderOrder) {
    // Created out of order and in mixed case: the grid sorts as the graphic view's lists do.
    const QStringList names = {QStringLiteral("f"), QStringLiteral("B"), QStringLiteral("h"),
                               QStringLiteral("a"), QStringLiteral("E"), QStringLiteral("c"),
                               QStringLiteral("I"), QStringLiteral("g"), QStringLiteral("d")};
    for (int i = 0; i < names.size(); ++i)
        makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), names[i], i);
    TfrmExplorerMode* view = explorer();
    show(QStringLiteral("Drills"), QStringLiteral("Skating"));

    const QString folder = app.file(QStringLiteral("GraphicPractises/Drills/Skating"));
    QStringList expected;
    for (const char* name : {"a", "B", "c", "d", "E", "f", "g", "h", "I"})
        expected.append(joinPath(folder, QString::fromLatin1(name)));
    EXPECT_EQ(view->stems(), expected);

    const QList<QFrame*> panels = grid<QFrame>("pnlEXPractise");
    ASSERT_EQ(panels.size(), 9);
    for (int i = 0; i < 9; ++i) {
        const int c = i % 4;
        const int r = i / 4;
        EXPECT_EQ(panels[i]->geometry(), QRect(c * 240 + 6, r * 150 + 50, 229, 144)) << i;
        EXPECT_EQ(panels[i]->property("Tag").toInt(), i);
        auto* picture = panels[i]->findChild<ExplorerThumbnail*>();
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->geometry(), QRect(2, 2, 225, 140));
        EXPECT_EQ(picture->tag(), i);
        EXPECT_EQ(picture->toolTip(), extractFileName(expected[i]));
        EXPECT_FALSE(picture->pixmap().isNull()) << i;
    }
    const QList<QLabel*> rows = grid<QLabel>("lblEXRow");
    EXPECT_EQ(texts(rows),
              (QStringList{QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}));
    for (int r = 0; r < rows.size(); ++r)
        EXPECT_EQ(rows[r]->pos(), QPoint(980, r * 150 + 70));
    ASSERT_EQ(grid<QFrame>("pnlEXSpacer").size(), 1);
    EXPECT_EQ(grid<QFrame>("pnlEXSpacer").at(0)->geometry(), QRect(6, 500, 229, 10));
}

TEST_F(ExplorerTest, AMissingOrDamagedThumbnailKeepsTheRestOfTheGrid) {
    const QString noPicture =
        makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), QStringLiteral("A"));
    const QString damaged =
        makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), QStringLiteral("B"));
    const QString lost =
        makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), QStringLiteral("C"));
    makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), QStringLiteral("D"));
    ASSERT_TRUE(QFile::remove(noPicture + QStringLiteral(".jpg")));
    QFile file(damaged + QStringLiteral("Small.jpg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("\xFF\xD8 not a picture");
    file.close();
    ASSERT_TRUE(QFile::remove(lost + QStringLiteral("Small.jpg")));

    explorer();
    show(QStringLiteral("Drills"), QStringLiteral("Skating"));
    ASSERT_EQ(grid<QFrame>("pnlEXPractise").size(), 4);
    EXPECT_TRUE(thumbnail(0)->pixmap().isNull()); // an empty frame
    const QImage placeholder = JpegPicture::placeholderImage();
    EXPECT_EQ(thumbnail(1)->pixmap().toImage().pixel(100, 50), placeholder.pixel(100, 50));
    EXPECT_EQ(thumbnail(2)->pixmap().toImage().pixel(100, 50), placeholder.pixel(100, 50));
    EXPECT_NE(thumbnail(3)->pixmap().toImage().pixel(100, 50), placeholder.pixel(100, 50));
    EXPECT_TRUE(dialogs.informations.isEmpty());
}

TEST_F(ExplorerTest, DoubleClickOpensThePractiseAndTheWayBackShowsTheGridBuiltBefore) {
    makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), QStringLiteral("Alpha"));
    makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), QStringLiteral("Beta"));
    makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), QStringLiteral("Gamma"));
    makeDrill(QStringLiteral("Drills"), QStringLiteral("Passing"), QStringLiteral("Zeta"));
    makeDrill(QStringLiteral("Games"), QStringLiteral("Small area"), QStringLiteral("Two"));
    TfrmExplorerMode* view = explorer();
    show(QStringLiteral("Drills"), QStringLiteral("Skating"));
    const QList<QFrame*> before = grid<QFrame>("pnlEXPractise");
    const QStringList stems = view->stems();
    // A category made after the boxes were filled sorts before the shown one: the graphic
    // view must still open the practise that was clicked.
    makeDrill(QStringLiteral("Agility"), QStringLiteral("Edges"), QStringLiteral("Alpha"));

    QTest::mouseClick(thumbnail(2), Qt::LeftButton);
    EXPECT_EQ(window->currentMode(), 8);
    QTest::mouseDClick(thumbnail(2), Qt::LeftButton);
    ASSERT_EQ(window->currentMode(), 1);
    auto* graphic = qobject_cast<TfrmGraphicMode*>(window->currentView());
    ASSERT_NE(graphic, nullptr);
    EXPECT_EQ(graphic->practise().category().toStdString(), "Drills");
    EXPECT_EQ(graphic->practise().subcategory().toStdString(), "Skating");
    EXPECT_EQ(graphic->practise().name().toStdString(), "Gamma");
    EXPECT_EQ(settings().rememberedIndex(1, 0), 1);
    EXPECT_EQ(settings().rememberedIndex(1, 1), 1);
    EXPECT_EQ(settings().rememberedIndex(1, 2), 2);
    EXPECT_FALSE(settings().reloadNeeded(TSettings::GraphicList));
    EXPECT_EQ(window->explorerView(), view);

    // An edit saved in the graphic view, and a practise added beside it.
    graphic->practise().figures().add(
        std::make_unique<TFigure>(&graphic->practise().drawingSettings()));
    graphic->practise().setModified(true);
    ASSERT_TRUE(graphic->saveIfModified());
    makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), QStringLiteral("Aaron"));
    window->SwitchMode(8);
    EXPECT_EQ(window->explorerView(), view);
    EXPECT_EQ(grid<QFrame>("pnlEXPractise"), before);
    EXPECT_EQ(view->stems(), stems);
    EXPECT_EQ(box("cmbEXSubCategory")->currentText(), QStringLiteral("Skating"));
    // Only a choice in a box builds the grid again.
    pick("cmbEXSubCategory", QStringLiteral("Skating"));
    EXPECT_EQ(view->stems().size(), 4);
    EXPECT_TRUE(dialogs.informations.isEmpty());
}

TEST_F(ExplorerTest, CtrlPressPlacesThePractiseIntoThePlanAndAPlainPressDoesNothing) {
    const QString stem =
        makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), QStringLiteral("Loop"));
    makePlan(QStringLiteral("U12"), QStringLiteral("Monday"), {});
    TfrmExplorerMode* view = explorer();
    show(QStringLiteral("Drills"), QStringLiteral("Skating"));

    QTest::mousePress(thumbnail(0), Qt::LeftButton);
    QTest::mouseRelease(thumbnail(0), Qt::LeftButton);
    EXPECT_EQ(window->currentMode(), 8);
    EXPECT_TRUE(dialogs.confirmations.isEmpty());

    dialogs.answerConfirm(true);
    QTest::mousePress(thumbnail(0), Qt::LeftButton, Qt::ControlModifier);
    ASSERT_EQ(window->currentMode(), 3);
    EXPECT_EQ(dialogs.confirmations.size(), 1);
    TTrainingPlan plan(app.path(), settings().TPSaveDir(), false);
    ASSERT_TRUE(plan.Load(
        app.file(settings().TPSaveDir() + QStringLiteral("/TrainingPlanCategory/U12/Monday"))))
        << plan.errorString().toStdString();
    EXPECT_EQ(plan.paths, QStringList{stored(stem + QStringLiteral(".gmp"))});
    EXPECT_EQ(window->explorerView(), view);
}

TEST_F(ExplorerTest, APractiseDeletedSinceTheGridWasBuiltIsSaidAndDropped) {
    makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), QStringLiteral("Alpha"));
    const QString beta =
        makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), QStringLiteral("Beta"));
    const QString gamma =
        makeDrill(QStringLiteral("Drills"), QStringLiteral("Skating"), QStringLiteral("Gamma"));
    makePlan(QStringLiteral("U12"), QStringLiteral("Monday"), {});
    TfrmExplorerMode* view = explorer();
    show(QStringLiteral("Drills"), QStringLiteral("Skating"));
    auto remove = [](const QString& stem) {
        for (const char* suffix : {".gmp", ".jpg", "Small.jpg"})
            QFile::remove(stem + QString::fromLatin1(suffix));
    };

    remove(beta);
    QTest::mouseDClick(thumbnail(1), Qt::LeftButton);
    EXPECT_EQ(window->currentMode(), 8);
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations[0].contains(QStringLiteral("Beta")));
    QCoreApplication::processEvents();
    EXPECT_EQ(view->stems().size(), 2);
    EXPECT_EQ(grid<QFrame>("pnlEXPractise").size(), 2);

    remove(gamma);
    dialogs.answerConfirm(true);
    QTest::mousePress(thumbnail(1), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(window->currentMode(), 8);
    ASSERT_EQ(dialogs.informations.size(), 2);
    EXPECT_TRUE(dialogs.informations[1].contains(QStringLiteral("Gamma")));
    EXPECT_TRUE(dialogs.confirmations.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(view->stems().size(), 1);
}
