#include "views/MissionParts.h"

#include "table/core/TableLayout.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVPanel.h"
#include "views/WidgetFactory.h"

namespace MissionParts {

namespace {

constexpr int32_t kOverlayColor = 0x000000;
constexpr int kOverlayFill = 128;  // half shade: the card stays readable

}  // namespace

CVHTWnd* MakeCard(WidgetFactory& factory, int index, Point p)
{
    CVHTWnd* card = factory.CreateCardWnd(index, "Hwatoo\\normal.bmp", kNormalCardSize);
    if (!card) return nullptr;
    card->SetPos(p);
    card->SetHome(p);
    card->Show(false);
    return card;
}

GVBoxWnd* MakeCapturedOverlay(WidgetFactory& factory, Point p)
{
    return factory.CreateBoxWnd(Rect(p, kNormalCardSize), kOverlayColor, kOverlayFill, Visible::No);
}

GVPSPWnd* MakeSeatMark(WidgetFactory& factory, const char* file, int slot, Point p)
{
    GVPSPWnd* mark = factory.CreatePSPWnd(file, p, Visible::No);
    if (mark) mark->SetFrame(slot);
    return mark;
}

void SwitchClip(GVQZAniWnd* a, int clip, bool hold)
{
    if (!a || !a->IsVisible()) return;
    const int frame = a->GetFrame();
    const bool playing = a->IsPlaying();
    a->SelectAnimation(clip);
    if (playing) a->Play(1, hold);
    a->SetFrame(frame);
}

void PlaceHidden(CVPanel& panel, Point origin)
{
    HideAll(panel);
    panel.SetPos(origin);
    panel.Enable(false);
}

void HideAll(CVPanel& panel)
{
    for (GVWnd* child : panel.Children()) child->Show(false);
    panel.Show(false);
    panel.Invalidate();
}

}  // namespace MissionParts
