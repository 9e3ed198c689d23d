#include "scene/RoomLoader.h"

#include "scene/CMirelleVWS.h"

#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/WidgetFactory.h"

namespace {

// Places the room's design leaves to us. The robot mark lies in the avatar's bottom-left corner
// and the badge under the first-player mark in its top-left one.
constexpr Point kRobotMarkOffset{0, 62};
constexpr Point kBadgeOffset{0, 18};
// The turn hint under the own hand's second row, the playing animation where the waiting one shows.
constexpr Point kTurnHintPoint{405, 522};
constexpr Point kPlayingPoint{400, 200};
constexpr Point kEntryPoint{250, 280};
constexpr Point kPrizePoint{220, 245};
constexpr struct {
    Point offset;
    uint32_t colorRef;
} kPrizeLines[2] = {{{20, 34}, 0x02D7FF}, {{20, 64}, 0xFFFFFF}};
constexpr Size kPrizeLineSize{320, 14};

}  // namespace

// The robot mark and the badge of each avatar point, over the avatar's other marks.
bool RoomLoader::LoadSeatMarks(WidgetFactory& factory)
{
    AvatarMarks& m = scene.avatarMarks;
    for (size_t slot = 0; slot < 2; ++slot) {
        const Point at = m.disconnected[slot] ? m.disconnected[slot]->GetPos() : Point{};
        if (!scene.AddLoaded(m.robot[slot] = factory.CreatePSPWnd("UserInfo\\robot_mark.psp", at + kRobotMarkOffset, Visible::No)))
            return false;
        if (!scene.AddLoaded(m.badge[slot] = factory.CreatePSPWnd("UserInfo\\badge.psp", at + kBadgeOffset, Visible::No)))
            return false;
    }
    return true;
}

bool RoomLoader::LoadTurnHint(WidgetFactory& factory)
{
    // Stepped by the tick while it loops; the deal puts it over the dealt hand.
    return scene.AddRunning(scene.tableWidgets.turnHint = factory.CreateQZAniWnd("GameProcess\\turn_hint.qza", kTurnHintPoint));
}

bool RoomLoader::LoadPlayingAnimation(WidgetFactory& factory)
{
    GVQZAniWnd*& playing = scene.roomWidgets.playingAnimation;
    if (!scene.AddRunning(playing = factory.CreateQZAniWnd("Etc\\playing.qza", kPlayingPoint))) return false;
    playing->Stop();
    return true;
}

// The entry animation and the tournament prize with its two lines, over the table and its panels.
bool RoomLoader::LoadEntryMarks(WidgetFactory& factory)
{
    if (!scene.AddRunning(scene.roomWidgets.entryAnimation = factory.CreateQZAniWnd("Etc\\enter.qza", kEntryPoint)))
        return false;
    EntryWidgets& e = scene.entryWidgets;
    if (!scene.AddLoaded(e.prizeBack = factory.CreateQZSWnd("Etc\\prize_back.qzs", kPrizePoint, Visible::No))) return false;
    for (size_t i = 0; i < e.prizeTexts.size(); ++i) {
        const auto& line = kPrizeLines[i];
        e.prizeTexts[i] = factory.CreateTextWnd("", kPrizePoint + line.offset, kPrizeLineSize, 12, 700, line.colorRef);
        if (!scene.AddLoaded(e.prizeTexts[i])) return false;
        e.prizeTexts[i]->Show(false);
    }
    return true;
}
