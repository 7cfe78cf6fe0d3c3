// Edit > Find: the panel over the real window, opening and placing hits, and the index
// following what the program writes.
#include "TrainingPlanSupport.h"

#include "storage/TTextPractise.h"
#include "storage/TextPractiseFile.h"
#include "ui/search/LibrarySearch.h"
#include "ui/search/SearchController.h"
#include "ui/search/SearchHighlight.h"
#include "ui/search/TFormSearch.h"

#include <QListWidget>

using namespace korvex;
using namespace korvex::test;

namespace {

class SearchPanel : public TrainingPlanViewTest {
protected:
    SearchController* controller() const { return window->findChild<SearchController*>(); }
    // Opens the panel with Ctrl+F's command and waits for the library to be read.
    TFormSearch* openPanel() const {
        item("mmFind")->trigger();
        controller()->search().waitForBuild();
        // The panel is a window of its own; the window's Ctrl+L must not take its keys.
        TFormSearch* panel = controller()->panel();
        QApplication::setActiveWindow(panel);
        EXPECT_TRUE(QTest::qWaitForWindowActive(panel));
        return panel;
    }
    void typeQuery(TFormSearch* panel, const QString& text) const {
        auto* field = panel->findChild<QLineEdit*>(QStringLiteral("edtSearch"));
        field->clear();
        QTest::keyClicks(field, text);
    }
    QStringList hitNames(const TFormSearch* panel) const {
        QStringList names;
        for (const LibraryHit& hit : panel->hits())
            names.append(hit.entry.name);
        return names;
    }
};

} // namespace

TEST(SearchHighlight, MarksMatchedWordsAndEscapesTheRest) {
    EXPECT_EQ(highlightMatches(QStringLiteral("Čára <a> & čára"), {QStringLiteral("cara")}),
              QStringLiteral("<span style=\"background-color:#ffe27a;font-weight:bold\">Čára"
                             "</span> &lt;a&gt; &amp; <span style=\"background-color:#ffe27a;"
                             "font-weight:bold\">čára</span>"));
    const QString line = QStringLiteral("one two three four five six seven eight nine target ten");
    const QString excerpt =
        matchingExcerpt({QStringLiteral("first line"), line}, {QStringLiteral("target")}, 24);
    EXPECT_TRUE(excerpt.contains(QStringLiteral("target"))) << excerpt.toStdString();
    EXPECT_TRUE(excerpt.startsWith(QStringLiteral("\u2026")));
    EXPECT_EQ(matchingExcerpt({QStringLiteral("short")}, {}, 24), QStringLiteral("short"));
}

TEST_F(SearchPanel, TypingFindsAndEnterOpensTheHitWithItsCombosSelected) {
    makePractise(QStringLiteral("Autumn"), QStringLiteral("Breakout"));
    makePractise(QStringLiteral("Winter"), QStringLiteral("Forecheck"), 1,
                 {QStringLiteral("Přechod do útočného pásma")});
    makePractise(QStringLiteral("Winter"), QStringLiteral("Zone entry"), 2);
    window->SwitchMode(2);

    TFormSearch* panel = openPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());
    typeQuery(panel, QStringLiteral("utocn"));
    EXPECT_EQ(hitNames(panel), QStringList{QStringLiteral("Forecheck")});
    // The graphic hit shows its thumbnail.
    auto* list = panel->findChild<QListWidget*>(QStringLiteral("lbxSearchHits"));
    QLabel* thumbnail = list->itemWidget(list->item(0))->findChild<QLabel*>();
    ASSERT_NE(thumbnail, nullptr);
    EXPECT_FALSE(thumbnail->pixmap().isNull());

    QTest::keyClick(panel->findChild<QLineEdit*>(QStringLiteral("edtSearch")), Qt::Key_Return);
    EXPECT_EQ(window->currentMode(), 1);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(child<QComboBox>("cmbGMSubCategory")->currentText(), QStringLiteral("Winter"));
    EXPECT_EQ(child<QComboBox>("cmbGMName")->currentText(), QStringLiteral("Forecheck"));
    EXPECT_EQ(window->currentView()->itemName(), QStringLiteral("Forecheck"));
}

TEST_F(SearchPanel, CtrlLPlacesTheHitIntoTheOpenPlan) {
    const QString drill = makePractise(QStringLiteral("Autumn"), QStringLiteral("Breakout"));
    makePlan(QStringLiteral("U15"), QStringLiteral("Monday"), {});
    TfrmTrainingPlanMode* view = open(3);
    ASSERT_NE(view, nullptr);

    TFormSearch* panel = openPanel();
    typeQuery(panel, QStringLiteral("break"));
    ASSERT_EQ(panel->hits().size(), 1);
    dialogs.answerConfirm(true);
    QTest::keyClick(panel->findChild<QLineEdit*>(QStringLiteral("edtSearch")), Qt::Key_L,
                    Qt::ControlModifier);
    EXPECT_EQ(window->currentMode(), 3);
    auto* plan = qobject_cast<TfrmTrainingPlanMode*>(window->currentView());
    EXPECT_EQ(plan->plan().paths, QStringList{stored(drill)});
    EXPECT_TRUE(panel->isVisible()); // several hits can be placed in a row

    // A plan is not placed into a plan.
    typeQuery(panel, QStringLiteral("monday"));
    ASSERT_EQ(panel->hits().size(), 1);
    QTest::keyClick(panel->findChild<QLineEdit*>(QStringLiteral("edtSearch")), Qt::Key_L,
                    Qt::ControlModifier);
    EXPECT_EQ(dialogs.informations.size(), 1);
    EXPECT_EQ(plan->plan().paths.size(), 1);
}

TEST_F(SearchPanel, FollowsTextPractisesSavedRenamedAndDeleted) {
    TFormSearch* panel = openPanel();
    typeQuery(panel, QStringLiteral("slalom"));
    EXPECT_TRUE(panel->hits().isEmpty());

    TTextPractise practise(app.path(), settings().TXSaveDir(), app.file(QStringLiteral("Photos")),
                           &window->language(), &settings());
    practise.CreateCategory(QStringLiteral("Off ice"));
    practise.setCategory(QStringLiteral("Off ice"));
    practise.CreateSubcategory(QStringLiteral("Agility"));
    practise.setSubcategory(QStringLiteral("Agility"));
    practise.Clear();
    practise.keywords = {QStringLiteral("Slalom")};
    ASSERT_TRUE(practise.CreateItem(QStringLiteral("Cones"), settings().Version()));
    EXPECT_EQ(hitNames(panel), QStringList{QStringLiteral("Cones")}); // no rebuild needed

    ASSERT_TRUE(practise.Rename(pathWithoutExtension(practise.currentFile())
                                    .replace(QStringLiteral("Cones"), QStringLiteral("Ladder"))));
    EXPECT_EQ(hitNames(panel), QStringList{QStringLiteral("Ladder")});
    ASSERT_TRUE(practise.Delete(pathWithoutExtension(practise.currentFile())
                                    .replace(QStringLiteral("Cones"), QStringLiteral("Ladder"))));
    EXPECT_TRUE(panel->hits().isEmpty());
}

TEST_F(SearchPanel, OpensTextPractisesAndPlansInTheirModes) {
    for (const char* name : {"Agility ladder", "Balance board", "Cone slalom"}) {
        TextPractiseData data;
        data.version = settings().Version();
        data.keywords = {QStringLiteral("dryland")};
        const QString file = app.file(QStringLiteral("TextPractises/Off ice/Summer/") +
                                      QString::fromLatin1(name) + QStringLiteral(".tmp"));
        QDir().mkpath(QFileInfo(file).absolutePath());
        ASSERT_TRUE(writeTextPractiseFile(file, data, nullptr));
    }
    makePlan(QStringLiteral("U13"), QStringLiteral("Monday"), {});
    makePlan(QStringLiteral("U15"), QStringLiteral("Friday"), {});
    makePlan(QStringLiteral("U15"), QStringLiteral("Tuesday"), {});

    TFormSearch* panel = openPanel();
    typeQuery(panel, QStringLiteral("balance"));
    ASSERT_EQ(panel->hits().size(), 1);
    controller()->open(panel->hits().first().entry);
    EXPECT_EQ(window->currentMode(), 2);
    EXPECT_EQ(child<QComboBox>("cmbTXSubCategory")->currentText(), QStringLiteral("Summer"));
    EXPECT_EQ(child<QComboBox>("cmbTXName")->currentText(), QStringLiteral("Balance board"));

    typeQuery(panel, QStringLiteral("tuesday"));
    ASSERT_EQ(panel->hits().size(), 1);
    controller()->open(panel->hits().first().entry);
    EXPECT_EQ(window->currentMode(), 3);
    EXPECT_EQ(child<QComboBox>("cmbTPSubCategory")->currentText(), QStringLiteral("U15"));
    EXPECT_EQ(child<QComboBox>("cmbTPName")->currentText(), QStringLiteral("Tuesday"));
}
