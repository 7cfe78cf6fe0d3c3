// Random edits of every kind, undone and redone: the file bytes must come back exactly.
#include "EditSteps.h"
#include "EditingFixture.h"

using namespace korvex;
using namespace korvex::test;

TEST(UndoProperty, TwoHundredRandomEditsUndoAndRedoToTheExactFileBytes) {
    for (unsigned seed : {1u, 7u, 2024u}) {
        DocumentFixture fx;
        fx.load(twoForwardsTextAndLine());
        const QByteArray original = fx.fileBytes();
        const std::vector<EditStep> steps = allEditSteps();
        std::mt19937 random(seed);
        int pushed = 0;
        while (pushed < 200) {
            const EditStep& step = steps[size_t(pick(random, int(steps.size())))];
            if (step.apply(fx.document, random))
                ++pushed;
        }
        // Typing steps merge into one, so the stack may hold fewer steps than edits.
        const int depth = fx.document.undoStack().count();
        const QByteArray edited = fx.fileBytes();
        ASSERT_NE(edited, original) << seed;
        for (int i = 0; i < depth; ++i)
            fx.document.undoStack().undo();
        EXPECT_EQ(fx.fileBytes(), original) << "seed " << seed;
        EXPECT_FALSE(fx.document.isModified());
        for (int i = 0; i < depth; ++i)
            fx.document.undoStack().redo();
        EXPECT_EQ(fx.fileBytes(), edited) << "seed " << seed;
        EXPECT_TRUE(fx.practise.modified());
    }
}

TEST(UndoProperty, EveryKindOfEditUndoesAndRedoesExactly) {
    for (const EditStep& step : allEditSteps()) {
        DocumentFixture fx;
        fx.load(twoForwardsTextAndLine());
        std::mt19937 random(3);
        // A net and a second line give every kind of edit something to act on.
        allEditSteps()[1].apply(fx.document, random);
        allEditSteps()[7].apply(fx.document, random);
        fx.document.markSaved();
        const QByteArray before = fx.fileBytes();
        ASSERT_TRUE(step.apply(fx.document, random)) << step.name;
        const QByteArray after = fx.fileBytes();
        EXPECT_NE(after, before) << step.name;
        EXPECT_TRUE(fx.document.isModified()) << step.name;
        fx.document.undoStack().undo();
        EXPECT_EQ(fx.fileBytes(), before) << step.name;
        EXPECT_FALSE(fx.document.isModified()) << step.name;
        fx.document.undoStack().redo();
        EXPECT_EQ(fx.fileBytes(), after) << step.name;
    }
}
