#include "toolkit/GVQZAniWnd.h"

#include "foundation/core/Clock.h"
#include "graphics/sprite/K_DDRender_Obj.h"
#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Dib.h"

int GVQZAniWnd::Load(const std::string& path, int x, int y)
{
    auto loaded = std::make_unique<K_Animation_RSC>();
    if (!loaded->LoadAnimationFile(path)) return 0;
    rsc = std::move(loaded);
    current = nullptr;
    selected = -1;
    player.SetAnimation(nullptr);
    anchor = {x, y};
    if (rsc->GetHeader()) {
        selected = 0;
        Bind(rsc.get());
    }
    PlaceRect();
    return 1;
}

int GVQZAniWnd::GetSubAnimationCount() const
{
    if (!rsc) return 0;
    return rsc->GetHeader() ? 1 : rsc->GetChildCount();
}

int GVQZAniWnd::SelectAnimation(int index)
{
    if (!rsc || index < 0 || index >= GetSubAnimationCount()) return 0;
    K_Animation_RSC* animation = rsc->GetHeader() ? rsc.get() : rsc->GetChild(index + 1);
    if (!animation || !animation->GetHeader()) return 0;
    selected = index;
    Bind(animation);
    return 1;
}

int GVQZAniWnd::SelectAnimationByName(const std::string& name)
{
    if (!rsc) return 0;
    const int child = rsc->FindChild(name);
    return child >= 1 ? SelectAnimation(child - 1) : 0;
}

void GVQZAniWnd::Bind(const K_Animation_RSC* animation)
{
    if (animation == current) return;
    current = animation;
    player.SetAnimation(animation);
    ComputeBounds();
    PlaceRect();
}

// The rectangle around every part of every frame; a mirrored part turns about its hot spot, so it
// may also lie on the other side of it.
void GVQZAniWnd::ComputeBounds()
{
    bounds = {};
    if (!current) return;
    const QZAnimation* header = current->GetHeader();
    const QZSpriteFile* pack = current->GetSprite();
    for (const QZAFrame& f : header->frames)
        for (const QZAPart& part : f.parts) {
            const QZFrameInfo* sprite = pack ? pack->GetFrame(part.sprite) : nullptr;
            if (!sprite) continue;
            const Rect r({part.x - sprite->hotX, part.y - sprite->hotY}, {sprite->width, sprite->height});
            Rect turned = r;
            if ((part.flags & kPartMirrorX) || (mirror & kFxMirrorX))
                turned = turned.United(r.Offset({2 * sprite->hotX - sprite->width, 0}));
            if ((part.flags & kPartMirrorY) || (mirror & kFxMirrorY))
                turned = turned.United(turned.Offset({0, 2 * sprite->hotY - sprite->height}));
            bounds = bounds.United(turned);
        }
}

void GVQZAniWnd::PlaceRect()
{
    SetRect(bounds.Offset(anchor));
    Invalidate();
}

void GVQZAniWnd::SetPos(Point p)
{
    anchor = p;
    PlaceRect();
}

void GVQZAniWnd::Play(int loops, bool holdLast)
{
    if (!IsVisible()) Show(true);
    hold = holdLast;
    player.Play(loops);
    Invalidate();
}

void GVQZAniWnd::Stop()
{
    player.Stop();
    Show(false);
    Invalidate();
}

int GVQZAniWnd::Update()
{
    if (!player.IsPlaying()) return 0;
    const int changed = player.UpdateAnimation(Clock::NowMs());
    if (changed) Invalidate();
    if (!player.IsPlaying() && !hold) {
        Show(false);
        return 1;
    }
    return changed ? 1 : 0;
}

int GVQZAniWnd::SetFrame(int n)
{
    if (n < 0 || n >= player.GetFrameCount()) n = 0;
    player.SetFrame(n);
    Invalidate();
    return 1;
}

void GVQZAniWnd::SetMirror(uint32_t flags)
{
    mirror = flags;
    ComputeBounds();
    PlaceRect();
}

int GVQZAniWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!GVWnd::Draw(surface, clip)) return 0;
    const Rect area = DrawArea(clip);
    if (area.IsEmpty() || player.GetFrame() < 0) return 1;
    K_DDRender_Obj render(surface);
    K_Dib_Draw* image = render.Lock();
    if (!image) return 0;
    image->SetClipRect(area);
    player.Draw(*image, anchor.x, anchor.y, mirror);
    return 1;
}
