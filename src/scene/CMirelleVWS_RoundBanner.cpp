#include "scene/CMirelleVWS.h"

#include "toolkit/GVQZAniWnd.h"
#include "views/CVQZATextWnd.h"
#include "views/WidgetFactory.h"

namespace {

// The placeholders' places: the back behind the number, the caption below it.
constexpr Point kBackPoint{240, 180};
constexpr Point kNumberPoint{309, 206};
constexpr Point kCaptionPoint{340, 250};
constexpr Size kNumberBox{180, 40};
constexpr Size kGlyphSize{20, 24};
constexpr uint32_t kRevealIntervalMs = 50;

}  // namespace

// The round number of the target-score games: its back, the number's glyphs and its caption.
bool CMirelleVWS::LoadRoundBanner(WidgetFactory& factory)
{
    roundBanner.back = factory.CreateQZAniWnd("GameRule\\Desperate\\dround_back.qza", kBackPoint);
    if (!AddRunning(roundBanner.back)) return false;
    roundBanner.number = factory.CreateQZATextWnd("GameRule\\Desperate\\dround_number.qza", kNumberPoint, kNumberBox,
                                                  kGlyphSize);
    if (!AddLoaded(roundBanner.number)) return false;
    roundBanner.caption = factory.CreateQZAniWnd("GameRule\\Desperate\\dround_text.qza", kCaptionPoint);
    return AddRunning(roundBanner.caption);
}

void CMirelleVWS::ShowRoundBanner(const std::string& number)
{
    PlaySoundId(SoundTables::SoundId::RoundNumber);
    if (GVQZAniWnd* back = roundBanner.back) {
        back->Show(true);
        back->Play(1, false);
        InvalidateWnd(back);
    }
    if (CVQZATextWnd* glyphs = roundBanner.number) {
        glyphs->SetText(number);
        glyphs->Show(true);
        glyphs->StartRevealEx(false, true, kRevealIntervalMs);
        InvalidateWnd(glyphs);
    }
    if (GVQZAniWnd* caption = roundBanner.caption) {
        caption->Show(true);
        caption->Play(1, false);
        InvalidateWnd(caption);
    }
}
