#include "views/CVRestrictOptionWnd.h"

#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/core/CountRules.h"

bool CVRestrictOptionWnd::CreateChildren(PeripheryOwner& roomOwner)
{
    room = &roomOwner;
    WidgetFactory f = BeginChildren(roomOwner);
    if (!Adopt(back = f.CreateQZSWnd("GameRule\\Restrict\\back.qzs", {0, 0}, Visible::No))) return false;
    if (!Adopt(text = f.CreateTextWnd("", {20, 23}, {54, 16}, 12, 400, 0x99FFFE))) return false;
    text->SetTextFormat(DT_CENTER);
    SetPos(kOrigin);
    Show(false);
    return true;
}

void CVRestrictOptionWnd::Clear()
{
    CVPanel::Clear();
    room = nullptr;
    back = nullptr;
    text = nullptr;
}

int CVRestrictOptionWnd::Reset()
{
    if (back) back->Show(false);
    if (text) text->SetText("");
    Show(false);
    Invalidate();
    return 1;
}

int CVRestrictOptionWnd::Update(bool show, bool countdown)
{
    if (!room) return 0;
    const PeripheryOwner::RoomFacts facts = room->GetRoomFacts();
    if (!facts.antiLeaveRoom) {
        Reset();
        return 0;
    }
    CountRules::RestrictInput in;
    in.counting = facts.antiLeaveCounting;
    in.robotSeated = facts.robotSeated;
    in.countdown = countdown;
    in.seatFree = facts.seatFree;
    in.required = facts.requiredGames;
    in.played = facts.playedGames;
    if (text) {
        text->SetText(CountRules::RestrictText(in));
        // The released count follows `show` like the back.
        text->Show(in.counting || in.seatFree ? true : show);
    }
    if (back) back->Show(show);
    Show(show);
    Invalidate();
    return 1;
}
