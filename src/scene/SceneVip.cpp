#include "scene/SceneVip.h"

#include "scene/CMirelleVWS.h"
#include "scene/RoomOptions.h"
#include "table/TableEngine.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVHTWnd.h"

bool SceneVip::IsRoundRunning() const
{
    return scene.GetRoomState() == RoomState::Playing;
}

int SceneVip::GetOwnSeat() const
{
    return scene.OwnSeat();
}

int SceneVip::GetScreenSlot(int seat) const
{
    if (!RoomRecords::IsSeat(seat)) return -1;
    return scene.room.seats.players[static_cast<size_t>(seat)].screenSlot;
}

std::vector<int32_t> SceneVip::IdsOf(const std::vector<int32_t>& slots) const
{
    std::vector<int32_t> ids;
    for (int32_t slot : slots) ids.push_back(scene.Engine().FaceOfSlot(slot).cardId);
    return ids;
}

VipRules::TableView SceneVip::GetTableView(int givenSeat) const
{
    VipRules::TableView view;
    for (int seat = 0; seat < 2; ++seat) {
        const CHTUser& u = scene.RoundUser(seat);
        auto& ids = view.captured[static_cast<size_t>(seat)];
        for (const auto* pile : {&u.gwangPile, &u.animalPile, &u.ribbonPile, &u.piPile}) {
            const std::vector<int32_t> pileIds = IdsOf(*pile);
            ids.insert(ids.end(), pileIds.begin(), pileIds.end());
        }
    }
    if (RoomRecords::IsSeat(givenSeat)) view.hand = IdsOf(scene.RoundUser(givenSeat).hand);
    view.floor = IdsOf(scene.floor.cards);
    view.monthState = scene.gameInfo.monthCaptured;
    return view;
}

std::vector<int32_t> SceneVip::GetHandIds(int seat) const
{
    if (!RoomRecords::IsSeat(seat)) return {};
    return IdsOf(scene.RoundUser(seat).hand);
}

GVQZAniWnd* SceneVip::GetHoldMarker(int handSlot)
{
    return static_cast<GVQZAniWnd*>(scene.Engine().GetHandMarker(handSlot, TableWidgets::kMarkersPerHandSlot - 1));
}

GVWnd* SceneVip::GetOwnHandCard(int handSlot)
{
    const int own = scene.OwnSeat();
    if (own < 0) return nullptr;
    const std::vector<int32_t>& hand = scene.RoundUser(own).hand;
    if (handSlot < 0 || static_cast<size_t>(handSlot) >= hand.size()) return nullptr;
    return scene.Engine().CardWndBySlot(hand[static_cast<size_t>(handSlot)]);
}

void SceneVip::StackWndBefore(GVWnd* reference, GVWnd* wnd)
{
    scene.StackWndBefore(reference, wnd);
}

void SceneVip::PlayIconSound()
{
    scene.PlaySoundId(SoundId::JokboAlert);
}

int32_t SceneVip::MeasureText(const GVTextWnd& widget, const std::string& text)
{
    HWND wnd = scene.GetGameWnd();
    HDC dc = GetDC(wnd);
    if (!dc) return 0;
    HGDIOBJ old = widget.GetFont() ? SelectObject(dc, widget.GetFont()) : nullptr;
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (old) SelectObject(dc, old);
    ReleaseDC(wnd, dc);
    return size.cx;
}

int64_t SceneVip::GetOwnMoney() const
{
    return scene.ownUser.gameMoney;
}

void SceneVip::InvalidateWnd(GVWnd* wnd)
{
    scene.InvalidateWnd(wnd);
}

void SceneVip::OnVipDialogClosed()
{
    scene.Options().OnVipDialogClosed();
}

HWND SceneVip::GetGameWindow() const
{
    return scene.GetGameWnd();
}

std::string SceneVip::GetImageRoot() const
{
    return scene.GetImageRoot();
}

std::string SceneVip::GetRegistryPath() const
{
    return scene.GetRegistryPath();
}

void SceneVip::FollowGameWindow()
{
    HWND wnd = scene.GetGameWnd();
    RECT r{};
    if (!wnd || !GetWindowRect(wnd, &r)) return;
    if (r.left == lastGameRect.left && r.top == lastGameRect.top && r.right == lastGameRect.right &&
        r.bottom == lastGameRect.bottom)
        return;
    lastGameRect = r;
    scene.vip.Helper().RepositionVIPDialog(wnd, true);
}
