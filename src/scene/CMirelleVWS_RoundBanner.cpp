#include "scene/CMirelleVWS.h"

#include "toolkit/GVQZAniWnd.h"
#include "views/CVQZATextWnd.h"
#include "views/WidgetFactory.h"

namespace {

constexpr uint32_t kRevealIntervalMs = 50;

}  // namespace

void CMirelleVWS::ShowRoundBanner(const std::string& number)
{
    PlaySoundId(SoundId::RoundNumber);
    if (GVQZAniWnd* back = roundBanner.back) {
        back->Show(true);
        back->Play(1, false);
    }
    if (CVQZATextWnd* glyphs = roundBanner.number) {
        glyphs->SetText(number);
        glyphs->Show(true);
        glyphs->StartRevealEx(false, true, kRevealIntervalMs);
    }
    if (GVQZAniWnd* caption = roundBanner.caption) {
        caption->Show(true);
        caption->Play(1, false);
    }
}
