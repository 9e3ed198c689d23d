#include "views/CVPSPPushBtn.h"

int CVPSPPushBtn::Load(const std::string& path, int imageSets, int framesPerImageSet)
{
    if (!GVPSPWnd::Load(path)) return 0;
    imageSetCount = imageSets;
    framesPerSet = framesPerImageSet;
    UpdateFrame();
    return 1;
}

bool CVPSPPushBtn::SetImageSet(int index)
{
    if (index < 0 || index >= imageSetCount) return false;
    imageSet = index;
    return true;
}

void CVPSPPushBtn::SetPressed(bool flag)
{
    pressed = flag;
    UpdateFrame();
}

void CVPSPPushBtn::SetHover(bool flag)
{
    hover = flag;
    UpdateFrame();
}

void CVPSPPushBtn::SetValue(int value)
{
    hotValue = value;
}

void CVPSPPushBtn::UpdateFrame()
{
    if (const auto n = ButtonFrame(imageSet, framesPerSet, Look())) SetFrame(*n);
    Invalidate();
}

int CVPSPPushBtn::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!visible) return 1;
    UpdateFrame();
    return GVPSPWnd::Draw(surface, clip);
}

void CVPSPPushBtn::Drop()
{
    hotValue = 0;
    pressed = false;
    hover = false;
}

int CVPSPPushBtn::OnLButtonDown(UINT, Point)
{
    if (!IsLive()) return 0;
    hover = false;
    pressed = true;
    pointerInside = true;
    UpdateFrame();
    return 1;
}

int CVPSPPushBtn::OnLButtonUp(UINT, Point p)
{
    if (!IsLive()) {
        Drop();
        return 0;
    }
    if (!pressed) return 0;
    pressed = false;
    const bool inside = HitTest(p.x, p.y, kHitVisibleEnabled);
    hover = inside;
    UpdateFrame();
    return inside ? 1 : 0;
}

int CVPSPPushBtn::OnMouseMove(UINT, Point p)
{
    if (!IsLive()) {
        Drop();
        return 0;
    }
    const ButtonLook before = Look();
    pointerInside = HitTest(p.x, p.y, kHitVisibleEnabled);
    if (pointerInside) {
        hotValue = 1;
        hover = true;
    } else {
        // Held and dragged out, the button shows its hover frame until the release.
        hover = pressed;
        if (!pressed) hotValue = 0;
    }
    const ButtonLook after = Look();
    if (after.pointerInside != before.pointerInside || after.hover != before.hover) UpdateFrame();
    return 1;
}

int CVPSPPushBtn::OnRButtonDown(UINT, Point)
{
    return IsLive() ? 1 : 0;
}

int CVPSPPushBtn::OnRButtonUp(UINT, Point)
{
    return IsLive() ? 1 : 0;
}
