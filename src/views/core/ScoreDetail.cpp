#include "views/core/ScoreDetail.h"

#include <algorithm>
#include <limits>

#include "foundation/core/Text.h"

namespace ScoreDetail {

namespace {

constexpr int64_t kMax32 = std::numeric_limits<int32_t>::max();

int32_t Saturate(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), kMax32));
}

void Append(std::string& list, const std::string& item)
{
    if (!list.empty()) list += "/";
    list += item;
}

// Category points by their place in WinInfo::categoryPoints.
enum Category { kGwang = 0, kAnimals, kRibbons, kPi, kGodori, kHongdan, kChungdan, kChodan };

struct PointsItem {
    int category;
    const char* format;
    int icon;  // -1 none
};
constexpr PointsItem kPointsItems[] = {
    {kGodori, "고도리%d점", static_cast<int>(Icon::Godori)},
    {kChungdan, "청단%d점", static_cast<int>(Icon::Chungdan)},
    {kHongdan, "홍단%d점", static_cast<int>(Icon::Hongdan)},
    {kChodan, "초단%d점", static_cast<int>(Icon::Chodan)},
    {kGwang, "광%d점", static_cast<int>(Icon::Gwang)},
    {kAnimals, "십%d점", -1},
    {kRibbons, "오%d점", -1},
    {kPi, "피%d점", -1},
};

void AddPoints(Breakdown& out, int64_t& total, const Input& in)
{
    for (const PointsItem& item : kPointsItems) {
        const int32_t value = in.win.categoryPoints[static_cast<size_t>(item.category)];
        if (value <= 0) continue;
        Append(out.pointsText, FormatText(item.format, value));
        total += value;
        if (item.icon >= 0) out.icons[static_cast<size_t>(item.icon)] = true;
    }
    const int32_t go = in.win.goPoints;
    if (go <= 0) return;
    Append(out.pointsText, FormatText("고%d점", go));
    total += go;
    // A go count the pack has no picture for would show frame 0, the gwang icon: no go icon then.
    const int64_t frame = int64_t{go} + kGoFrameBase;
    if (go > 1 && frame < in.goIconFrames) {
        out.icons[static_cast<size_t>(Icon::GoCount)] = true;
        out.goFrame = static_cast<int>(frame);
    }
}

void Double(int64_t& multiplier, int32_t exponent)
{
    multiplier = std::min(multiplier * PowerOfTwo(exponent), kMax32);
}

bool BakCounts(const BakEntry& bak, const Input& in)
{
    return (bak.seat == 0 || bak.seat == 1) && in.seatOnScreen[static_cast<size_t>(bak.seat)];
}

void AddMultipliers(Breakdown& out, int64_t& multiplier, const Input& in)
{
    const WinInfo& w = in.win;
    if (w.missionMultiplier > 1) {
        multiplier = w.missionMultiplier;  // sets rather than multiplies, so it comes first
        Append(out.multiplierText, FormatText("미션%d배", w.missionMultiplier));
        out.icons[static_cast<size_t>(Icon::Mission)] = true;
    }
    const struct { int32_t exponent; const char* format; } doubling[] = {
        {w.shakeCount, "흔듦%d배"}, {in.drawCount, "무승부%d배"}, {w.goExponent, "고%d배"}, {w.meongttaExponent, "멍따%d배"},
        {in.chamgiExponent, "참기%d배"}};
    for (const auto& d : doubling) {
        if (d.exponent <= 0) continue;
        Double(multiplier, d.exponent);
        Append(out.multiplierText, FormatText(d.format, PowerOfTwo(d.exponent)));
    }
    for (const BakEntry& bak : in.baks) {
        if (!BakCounts(bak, in)) continue;
        const struct { int32_t flag; const char* text; } flags[] = {
            {bak.gwangBak, "광박2배"}, {bak.piBak, "피박2배"}, {bak.goBak, "고박2배"}};
        for (const auto& f : flags) {
            if (!f.flag) continue;
            Double(multiplier, 1);
            Append(out.multiplierText, f.text);
        }
    }
}

}  // namespace

int32_t PowerOfTwo(int32_t exponent)
{
    return int32_t{1} << std::clamp(exponent, 0, kMaxExponent);
}

Breakdown Build(const Input& in)
{
    Breakdown out;
    int64_t total = 0;
    int64_t multiplier = 1;
    AddPoints(out, total, in);
    AddMultipliers(out, multiplier, in);
    out.total = Saturate(total);
    out.multiplier = Saturate(multiplier);

    if (out.BigMultiplier()) {
        out.pointsTimesText = FormatText("%d점  x", out.total);
        out.multiplierGlyphs = FormatText("%d배", out.multiplier);
    } else {
        out.pointsLine = FormatText("%d점", out.total);
        if (out.multiplier > 1) out.pointsLine += FormatText("  x  %d배", out.multiplier);
    }

    const int32_t grand = Saturate(int64_t{out.multiplier} * out.total);
    out.chatText = FormatText("(총%d점)`0111`", grand);
    out.chatText += FormatText("\n[%d점] :`0110` %s`0010`", out.total, out.pointsText.c_str());
    if (out.multiplier > 1)
        out.chatText += FormatText("\n[%d배] :`0110` %s`0010`", out.multiplier, out.multiplierText.c_str());
    return out;
}

}  // namespace ScoreDetail
