#pragma once

#include <string>

#include "toolkit/GVPSPWnd.h"
#include "views/core/ButtonFrames.h"

// A button on a ".psp" sprite pack whose frames come in image sets of 1, 2 or 4 (normal, hover,
// down, disabled); the current image set picks which group of frames the button shows.
class CVPSPPushBtn : public GVPSPWnd {
public:
    using GVPSPWnd::Load;
    // Loads the pack and shows the frame of the current look; 0 when the pack fails.
    virtual int Load(const std::string& path, int imageSets, int framesPerImageSet);
    // Only 0 <= index < image-set count; shown at the next UpdateFrame.
    [[nodiscard]] bool SetImageSet(int index);
    int GetImageSet() const { return imageSet; }
    virtual void SetPressed(bool flag);
    virtual void SetHover(bool flag);
    // The hot value IsHot answers; no redraw.
    virtual void SetValue(int value);
    // Selects the frame of the image set and look, and marks dirty.
    virtual void UpdateFrame();

    bool IsPressed() const { return pressed; }
    bool IsHover() const { return hover; }

    int IsHot() const override { return hotValue; }
    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;
    // 1 when the press was taken.
    int OnLButtonDown(UINT flags, Point p) override;
    // 1 for a click: pressed, then released inside while visible and enabled.
    int OnLButtonUp(UINT flags, Point p) override;
    int OnMouseMove(UINT flags, Point p) override;
    // The right button is swallowed while visible and enabled.
    int OnRButtonDown(UINT flags, Point p) override;
    int OnRButtonUp(UINT flags, Point p) override;

private:
    bool IsLive() const { return visible && enabled; }
    // Hidden or disabled: the button forgets the pointer and any press.
    void Drop();
    ButtonLook Look() const { return {enabled, pressed, pointerInside, hover}; }

    int hotValue = 0;
    bool pressed = false;
    bool hover = false;
    bool pointerInside = false;
    int framesPerSet = 4;
    int imageSetCount = 1;
    int imageSet = 0;
};
