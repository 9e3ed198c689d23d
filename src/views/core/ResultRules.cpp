#include "views/core/ResultRules.h"

#include "foundation/core/Text.h"
#include "views/core/ScoreDetail.h"

namespace ResultRules {

std::optional<Ending> RoundEnding(uint32_t kind)
{
    switch (kind) {
    case 0: return Ending::Normal;
    case 6: return Ending::Chongtong;
    case 7: return Ending::ThreePpeok;
    case 8: return Ending::Special;
    case 10: return Ending::Draw;
    default: return std::nullopt;
    }
}

std::optional<Ending> TournamentEnding(uint32_t kind)
{
    switch (kind) {
    case 0: return Ending::Normal;
    case 2: return Ending::Special;
    case 6: return Ending::Chongtong;
    case 7: return Ending::ThreePpeok;
    case 10: return Ending::Draw;
    default: return std::nullopt;
    }
}

std::optional<Side> ViewedSide(int32_t winnerKey, int32_t winnerSeat, const Viewer& viewer)
{
    if (winnerSeat != 0 && winnerSeat != 1) return std::nullopt;
    if (viewer.ownSeat != 0 && viewer.ownSeat != 1) return Side{winnerKey == viewer.seatKeys[0], 0};
    const bool won = winnerKey == viewer.ownKey;
    return Side{won, won ? winnerSeat : viewer.ownSeat};
}

std::string MoneyGlyphText(int64_t change)
{
    std::string units;
    MoneyToUnitText(units, change, 2);
    return change > 0 ? "+" + units : units;
}

std::string DrawMoneyText()
{
    return "0냥";
}

std::string DrawLine(int32_t drawCount)
{
    if (drawCount <= 0) return {};
    return FormatText("다음판 %d배", ScoreDetail::PowerOfTwo(drawCount));
}

std::string NoteText(bool robotSeated, bool won, int32_t fundShareTenths)
{
    if (robotSeated) return "(로봇 플레이시 머니 변동 없음)";
    if (!won) return {};
    if (fundShareTenths % 10 == 0) return FormatText("(이벤트 기금 적립: %d%%)", fundShareTenths / 10);
    return FormatText("(이벤트 기금 적립: %0.1f%%)", fundShareTenths * 0.1);
}

ButtonSet RoundButtons(const RoundOffer& offer)
{
    ButtonSet set;
    auto show = [&set](Button b, bool flag) { set.shown[static_cast<size_t>(b)] = flag; };
    show(Button::Ok, true);
    set.waitingTung = offer.seated && !offer.ownWon && offer.tung;
    if (set.waitingTung) {
        set.okPos = {85, 285};
        show(Button::Tung, true);
    }
    if (!offer.chamgi) return set;
    show(Button::Ok, false);
    show(Button::Tung, false);
    if (offer.ownWon) {
        // An image set the button lacks would leave the winner without an answer until the next step.
        set.chamgiImageSet = offer.chamgiImageSet == 1 ? 1 : 0;
        show(Button::ChamgiOk, true);
        show(Button::Chamgi, true);
    } else {
        show(Button::ChamgiWaiting, true);
    }
    return set;
}

Answer AnswerOfButton(Button b)
{
    switch (b) {
    case Button::Ok:
    case Button::EventOkLeft:
    case Button::EventOkRight: return Answer::ResultOk;
    case Button::ChamgiOk: return Answer::ChamgiOk;
    case Button::Chamgi: return Answer::Chamgi;
    case Button::TournamentOk: return Answer::TournamentOk;
    case Button::Rechallenge: return Answer::Rechallenge;
    case Button::Tung: return Answer::Tung;
    case Button::ChamgiWaiting: return Answer::None;
    }
    return Answer::None;
}

Answer AnswerOfKey(HotKey key, const std::array<bool, kButtons>& visible)
{
    auto is = [&visible](Button b) { return visible[static_cast<size_t>(b)]; };
    if (key == HotKey::F2) {
        if (is(Button::Chamgi)) return Answer::Chamgi;
        if (is(Button::Rechallenge)) return Answer::Rechallenge;
        if (is(Button::Tung)) return Answer::Tung;
        return Answer::None;
    }
    if (key != HotKey::Space && key != HotKey::F1) return Answer::None;
    if (is(Button::Ok)) return Answer::ResultOk;
    if (is(Button::ChamgiOk)) return Answer::ChamgiOk;
    if (is(Button::TournamentOk)) return Answer::TournamentOk;
    if (is(Button::EventOkLeft) || is(Button::EventOkRight)) return Answer::ResultOk;
    return Answer::None;
}

bool AutoStartApplies(const AutoStartRoom& room)
{
    const int32_t k = room.roomKind;
    const bool tournament = (k >= 20 && k <= 26) || (k >= 30 && k <= 32);
    const bool antiLeave = k >= 8 && k <= 10 && room.antiLeaveSetting >= 1 && room.antiLeaveSetting <= 3;
    return room.seated && !room.robotSeated && !tournament && !(antiLeave && room.antiLeaveRaised);
}

}  // namespace ResultRules
