#include "views/MissionParts.h"

#include "table/core/TableLayout.h"
#include "toolkit/GVBoxWnd.h"
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
