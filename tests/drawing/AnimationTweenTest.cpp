// Smooth playback: when the pictures fall and where every figure stands between frames.
#include "DrawingTestSupport.h"

#include "drawing/AnimationTween.h"
#include "drawing/TFiguresAnimation.h"

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

struct Placed {
    quint8 kind;
    int x;
    int y;
};

void addFrame(TFiguresAnimation& animation, const DrawingSettings* settings,
              std::initializer_list<Placed> figures) {
    auto frame = std::make_unique<TFigures>(settings);
    for (const Placed& p : figures) {
        auto figure = std::make_unique<TFigure>(settings);
        EXPECT_TRUE(figure->setKind(p.kind)) << figure->errorString().toStdString();
        figure->setPosition(QPoint(p.x, p.y));
        frame->add(std::move(figure));
    }
    animation.add(std::move(frame));
}

QList<QPoint> positions(const TFigures& figures) {
    QList<QPoint> list;
    for (int i = 0; i < figures.count(); ++i)
        list.append(figures.at(i)->position());
    return list;
}

} // namespace

TEST(AnimationTween, PicturesFallEveryFortyMillisecondsAndEndOnTheLastFrame) {
    const DrawingSettings settings = installedLarge();
    TFiguresAnimation animation(&settings);
    addFrame(animation, &settings, {});

    // One frame: a single picture, whatever the speed.
    AnimationTween single(animation, 200);
    EXPECT_EQ(single.durationMs(), 0);
    EXPECT_EQ(single.pictureCount(), 1);

    addFrame(animation, &settings, {});
    addFrame(animation, &settings, {});
    AnimationTween tween(animation, 200);
    EXPECT_EQ(tween.durationMs(), 400);
    EXPECT_EQ(tween.pictureCount(), 11); // 0, 40, ..., 400 ms
    const AnimationTween::Moment second = tween.momentOfPicture(2);
    EXPECT_EQ(second.frame, 0);
    EXPECT_DOUBLE_EQ(second.fraction, 0.4);
    EXPECT_EQ(tween.momentOfPicture(5).frame, 1);
    EXPECT_DOUBLE_EQ(tween.momentOfPicture(5).fraction, 0.0);
    EXPECT_EQ(tween.momentOfPicture(10).frame, 2);
    EXPECT_EQ(tween.momentOfPicture(99).frame, 2);
    EXPECT_DOUBLE_EQ(tween.momentOfPicture(99).fraction, 0.0);

    // Frames shorter than a picture: the end still comes, as its own last picture.
    AnimationTween fast(animation, 30);
    EXPECT_EQ(fast.pictureCount(), 3); // 0, 40 and the end at 60 ms
    EXPECT_EQ(fast.momentOfPicture(1).frame, 1);
    EXPECT_EQ(fast.momentOfPicture(2).frame, 2);
    // A speed below one millisecond counts as one, never a division by zero.
    EXPECT_EQ(AnimationTween(animation, 0).msPerFrame(), 1);
}

TEST(AnimationTween, FiguresMoveStraightAndOnlyTowardsTheirOwnKind) {
    const DrawingSettings settings = installedLarge();
    TFiguresAnimation animation(&settings);
    // Forward moves right; the defender moves down; the puck goes away in frame 1, and a cone
    // comes in frame 1; in frame 2 the defender was deleted, so the cone moved to its index.
    addFrame(animation, &settings,
             {{FigureForward, 100, 100}, {FigureDefender, 300, 100}, {FigurePuck, 50, 50}});
    addFrame(animation, &settings,
             {{FigureForward, 200, 100}, {FigureDefender, 300, 300}, {FigureCone, 400, 400}});
    addFrame(animation, &settings, {{FigureForward, 200, 200}, {FigureCone, 10, 10}});
    AnimationTween tween(animation, 200);

    // A quarter of the way from frame 0: the puck has no partner and stays; no cone yet.
    std::unique_ptr<TFigures> quarter = tween.figuresAt({0, 0.25});
    EXPECT_EQ(positions(*quarter), (QList<QPoint>{{125, 100}, {300, 150}, {50, 50}}));
    EXPECT_EQ(quarter->at(1)->kind(), FigureDefender);

    // At the frame boundary the stored figures of frame 1 stand, the cone with them.
    std::unique_ptr<TFigures> boundary = tween.figuresAt(tween.momentOfPicture(5));
    EXPECT_EQ(positions(*boundary), (QList<QPoint>{{200, 100}, {300, 300}, {400, 400}}));

    // Half way to frame 2: index 1 is a cone there, so the defender does not slide onto it;
    // the cone at index 2 has no partner. Only the forward moves.
    std::unique_ptr<TFigures> half = tween.figuresAt({1, 0.5});
    EXPECT_EQ(positions(*half), (QList<QPoint>{{200, 150}, {300, 300}, {400, 400}}));

    // The tween copies: the stored frames are untouched.
    EXPECT_EQ(positions(*animation.at(0)), (QList<QPoint>{{100, 100}, {300, 100}, {50, 50}}));
    // A moment past the frames gives no figures rather than a crash.
    EXPECT_EQ(tween.figuresAt({7, 0.0})->count(), 0);
}
