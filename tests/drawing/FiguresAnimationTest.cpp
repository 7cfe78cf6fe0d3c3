// The frames of an animation as an owner: where a frame stays when others come and go.
#include "DrawingTestSupport.h"

#include "drawing/TFiguresAnimation.h"

#include <gtest/gtest.h>

using namespace korvex;
using namespace korvex::test;

namespace {

std::unique_ptr<TFigures> frameWith(const DrawingSettings* settings, QList<QPoint> positions) {
    auto frame = std::make_unique<TFigures>(settings);
    for (QPoint position : positions) {
        auto figure = std::make_unique<TFigure>(settings);
        EXPECT_TRUE(figure->setKind(FigureForward));
        figure->setPosition(position);
        frame->add(std::move(figure));
    }
    return frame;
}

QList<QPoint> positions(const TFigures* frame) {
    QList<QPoint> list;
    for (int i = 0; frame && i < frame->count(); ++i)
        list.append(frame->at(i)->position());
    return list;
}

} // namespace

// A tactics practise draws on a frame it points at while frames are appended behind it, so
// appending must leave every earlier frame where it is; a frame taken out comes back whole.
TEST(FiguresAnimation, AppendedFramesLeaveEarlierOnesInPlaceAndTakenFramesComeBackWhole) {
    const DrawingSettings settings = installedLarge();
    TFiguresAnimation animation(&settings);
    const TFigures* first = animation.add(frameWith(&settings, {{10, 20}}));
    for (int i = 1; i < 1000; ++i)
        animation.add(frameWith(&settings, i % 3 == 0 ? QList<QPoint>{{i, i}} : QList<QPoint>{}));
    EXPECT_EQ(animation.at(0), first);
    EXPECT_EQ(positions(first), QList<QPoint>{QPoint(10, 20)});
    EXPECT_EQ(animation.add(nullptr), nullptr);

    std::unique_ptr<TFigures> taken = animation.take(3);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(positions(taken.get()), QList<QPoint>{QPoint(3, 3)});
    EXPECT_EQ(taken->settings(), &settings);
    EXPECT_EQ(animation.count(), 999);
    EXPECT_EQ(positions(animation.at(0)), QList<QPoint>{QPoint(10, 20)});
    EXPECT_EQ(positions(animation.at(5)), QList<QPoint>{QPoint(6, 6)});
    EXPECT_EQ(animation.take(999), nullptr);
    EXPECT_EQ(animation.take(-1), nullptr);
    EXPECT_EQ(animation.at(999), nullptr);
}
