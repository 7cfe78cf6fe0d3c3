#pragma once

#include "storage/TGraphicPractise.h"

#include "drawing/TFiguresAnimation.h"

namespace korvex {

// A tactics practise: a graphic practise whose figures are the current frame of an
// animation. Stored as <stem>.tac only (no picture files):
//   int32 version, description (lines), keywords (lines), the animation, ground name.
class TTacticsPractise : public TGraphicPractise {
public:
    TTacticsPractise(TSettings& settings, TLanguage& language);
    ~TTacticsPractise() override;

    // Also goes back to frame 0 of an animation that holds one empty frame.
    void Clear() override;
    bool Save(const QString& stem) override;
    bool Load(const QString& stem) override;

    bool writeTacticsTo(QIODevice* device, const QString& name);
    bool readTacticsFrom(QIODevice* device, const QString& name);

    TFiguresAnimation& animation() { return *m_animation; }
    int currentFrame() const { return m_currentFrame; }
    int frameCount() const { return m_animation->count(); }
    bool isPlaying() const { return m_playing; }
    void setPlaying(bool playing) { m_playing = playing; }

    // Makes frame `index` current. Negative indices are ignored; while playing only the
    // index is stored (the player paints the frames itself). An index past the last frame appends a
    // copy of the last frame (one frame at a time: any larger index is taken as the new last frame)
    // and, when `stem` is given, saves the practise there and loads it again. Returns false when
    // that save or load fails.
    bool SetFrame(int index, const QString& stem = {});

protected:
    // A missing rink shows just its name.
    QString missingGroundText() const override;

private:
    void clearAnimation();
    bool appendCopyOfLastFrame();

    std::unique_ptr<TFiguresAnimation> m_animation;
    int m_currentFrame = 0;
    bool m_playing = false;
};

} // namespace korvex
