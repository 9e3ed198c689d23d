#pragma once

#include <cstdint>

#include "foundation/core/Geometry.h"
#include "scene/core/SoundTables.h"
#include "sound/SoundBuffer.h"

class GVWnd;

// What the table engine needs of the room it lives in: sounds, the frame wait and the drawing
// order of the scene's widgets. The scene implements it; tests give a fake.
class TableStage {
public:
    // Sounds of the table, gated on the sounds being loaded.
    virtual bool PlaySoundId(SoundTables::SoundId id, Loop loop = Loop::Once) = 0;
    // Speaks a cue in the seat's voice.
    virtual int PlayVoice(int cue, int seat) = 0;
    // Waits, drawing and handling the window's messages meanwhile.
    virtual void Delay(uint32_t ms) = 0;
    virtual void SetDirty() = 0;
    virtual void InvalidateWnd(GVWnd* wnd) = 0;
    virtual void FlushRedraw() = 0;
    // Puts `wnd` just before (under) or just after (over) `reference` in the drawing order.
    virtual void StackWndBefore(GVWnd* reference, GVWnd* wnd) = 0;
    virtual void StackWndAfter(GVWnd* reference, GVWnd* wnd) = 0;
    // Effects of the card play, at a seat or a point; the capture mark at a point.
    virtual void PlayEffect(int kind, int seat) = 0;
    virtual void PlayEffectAt(int kind, Point at) = 0;
    // Stops an effect of the card play before it ends, and hides it.
    virtual void StopEffect(int kind) = 0;
    virtual void ShowEatMark(int kind, Point at) = 0;
    // Seat 0 or 1, or 2 for both: the seat panels from the round records.
    virtual void RefreshSeatPanels(int which) = 0;
    // The same seats' score window, counter icons and bak icons only: the marks and a robot's face stay.
    virtual void RefreshSeatScores(int which) = 0;
    // The September clip over the seat's September animal.
    virtual void ShowNineTenClip(int seat, bool show) = 0;

protected:
    ~TableStage() = default;
};
