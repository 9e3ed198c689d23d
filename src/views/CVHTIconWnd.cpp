#include "views/CVHTIconWnd.h"

#include "protocol/RoundRecords.h"
#include "toolkit/GVQZAniWnd.h"
#include "views/core/SeatPanelRules.h"

namespace {

struct IconSpec {
    const char* file;
    Point at;
    int32_t greatestValue;
};
constexpr IconSpec kIcons[CVHTIconWnd::kIconCount] = {
    {"Icon\\go.qza", {0, 0}, kGoIconClips},
    {"Icon\\bbuck.qza", {28, 0}, kPpeokIconClips},
    {"Icon\\shake.qza", {56, 0}, kShakeBombIconClips},
};

}  // namespace

bool CVHTIconWnd::CreateChildren(PanelOwner& panelOwner, int seat)
{
    if (seat != 0 && seat != 1) return false;
    WidgetFactory f = BeginChildren(panelOwner);
    for (int i = 0; i < kIconCount; ++i)
        if (!Adopt(icons[i] = f.CreateQZAniWnd(kIcons[i].file, kIcons[i].at))) return false;
    SetPos(kOrigin[seat]);
    Show(true);
    Enable(false);
    return true;
}

void CVHTIconWnd::Clear()
{
    CVPanel::Clear();
    for (int i = 0; i < kIconCount; ++i) {
        icons[i] = nullptr;
        shown[i] = 0;
    }
}

void CVHTIconWnd::SetCounters(const CHTUser& user)
{
    if (!icons[0]) return;
    const int32_t values[kIconCount] = {user.goCount, user.markCount, user.shakeBombCount};
    for (int i = 0; i < kIconCount; ++i) {
        const IconChange change = NextCounterIcon(shown[i], values[i], kIcons[i].greatestValue);
        if (change.kind == IconChange::Kind::Keep) continue;
        shown[i] = values[i];
        if (change.kind == IconChange::Kind::Play && icons[i]->SelectAnimation(change.clip))
            icons[i]->Play(1, true);
        else
            icons[i]->Stop();
    }
    Invalidate();
}

int CVHTIconWnd::Reset()
{
    for (int i = 0; i < kIconCount; ++i) {
        if (icons[i]) icons[i]->Stop();
        shown[i] = 0;
    }
    for (GVWnd* child : Children()) child->Show(false);
    Invalidate();
    return 1;
}
