#include "views/CCheckNotice.h"

#include <memory>
#include <new>

#include "foundation/core/Clock.h"
#include "graphics/sprite/K_DDRender_Obj.h"
#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/QZSprite_RSCManager.h"

namespace {

constexpr Point kCaptionOffset{0, 0};
constexpr Point kFirstDigitOffset{-7, 0};
constexpr Point kSecondDigitOffset{0, 0};

}  // namespace

int CCheckNotice::Create()
{
    SetRect(kStrip);
    Show(true);
    Enable(false);
    return 1;
}

bool CCheckNotice::CreateChildren(PanelOwner& owner)
{
    const std::string& root = owner.GetImageRoot();
    if (!animationSet.LoadAnimationFile(root + kAnimationFile)) {
        owner.GetLoadErrorSink().ReportLoadError(kAnimationFile);
        return false;
    }
    scroller.textRect = kTextRect;
    scroller.scrollTime = kScrollTimeMs;
    scroller.canvas = kTextCanvas;
    if (!QueueScrollPicture(root + kScrollFile, 0)) {
        owner.GetLoadErrorSink().ReportLoadError(kScrollFile);
        return false;
    }
    return true;
}

// Every picture moves at the strip's width per scroll time: it enters at the strip's right edge and
// travels its own width and the strip's.
bool CCheckNotice::QueueScrollPicture(const std::string& packPath, int frame)
{
    QZSprite_RSCManager& manager = QZSprite_RSCManager::Instance();
    QZSHandle pack = manager.Load(packPath, QZSFileType::Pack);
    const QZSpriteFile* file = manager.GetSpriteFile(pack);
    auto sprite = std::unique_ptr<KK_LLESprite_Scroll>(new (std::nothrow) KK_LLESprite_Scroll());
    const bool loaded = file && sprite && sprite->LoadSprite(*file, frame);
    manager.Release(pack);  // the sprite keeps a copy of its lines
    if (!loaded) return false;
    const int32_t stripWidth = scroller.textRect.Width();
    sprite->SetScroll(sprite->GetWidth() + stripWidth, stripWidth, scroller.scrollTime, sprite->GetWidth());
    sprite->id = scroller.nextId++;
    scroller.sprites.push_back(std::move(sprite));
    return true;
}

void CCheckNotice::Reset()
{
    active = false;
    for (K_Animation& player : players) player.Stop();
    scroller.Rewind();
    phase = CheckNoticeRules::kIdle;
    Invalidate();
}

void CCheckNotice::Bind(Player p, int index)
{
    At(p).SetAnimation(index == CheckNoticeRules::kNone ? nullptr : animationSet.GetChild(index));
}

bool CCheckNotice::Stopped(Player p) const
{
    const K_Animation& player = GetPlayer(p);
    return !player.IsBound() || !player.IsPlaying();
}

CheckNoticeRules::NoticePlan CCheckNotice::ParseNoticeText(const std::string& text)
{
    CheckNoticeRules::NoticePlan plan = CheckNoticeRules::ParseNoticeText(text);
    if (!plan.active) return plan;
    Bind(Player::Caption, plan.caption);
    Bind(Player::FirstDigit, plan.firstDigit);
    Bind(Player::SecondDigit, plan.secondDigit);
    // A long notice has no effect: its players are unbound rather than left with an old notice's.
    Bind(Player::Effect, plan.effects ? CheckNoticeRules::kEffect : CheckNoticeRules::kNone);
    Bind(Player::Ending, plan.effects ? CheckNoticeRules::kEnding : CheckNoticeRules::kNone);
    Bind(Player::ScrollBack, plan.effects ? CheckNoticeRules::kScrollBack : CheckNoticeRules::kNone);
    Bind(Player::ScrollOverlay, plan.effects ? CheckNoticeRules::kScrollOverlay : CheckNoticeRules::kNone);
    for (Player p : {Player::Caption, Player::FirstDigit, Player::SecondDigit}) At(p).Play(1);
    scroller.Rewind();
    phase = plan.phase;
    active = true;
    Invalidate();
    return plan;
}

void CCheckNotice::Step(uint32_t now)
{
    using namespace CheckNoticeRules;
    if (!active) return;
    switch (phase) {
    case kCaptionWithEffects:
    case kCaption:
        for (Player p : {Player::Caption, Player::FirstDigit, Player::SecondDigit}) At(p).UpdateAnimation(now);
        phase = NextPhase(phase, Stopped(Player::Caption), false);
        if (phase == kEffectPhase) At(Player::Effect).Play(1);
        break;
    case kEffectPhase:
        At(Player::Effect).UpdateAnimation(now);
        phase = NextPhase(phase, Stopped(Player::Effect), false);
        if (phase == kScrolling) {
            At(Player::ScrollBack).Play(-1);
            At(Player::ScrollOverlay).Play(-1);
            scroller.Restart();
        }
        break;
    case kScrolling: {
        At(Player::ScrollBack).UpdateAnimation(now);
        At(Player::ScrollOverlay).UpdateAnimation(now);
        // An empty queue has nothing to scroll: the notice goes on rather than hang here.
        const bool done = scroller.sprites.empty() || scroller.Step(now, false, false) == 2;
        phase = NextPhase(phase, false, done);
        if (phase == kEnd) {
            At(Player::Ending).Play(1);
            At(Player::ScrollBack).Stop();
            At(Player::ScrollOverlay).Stop();
        }
        break;
    }
    case kEnd:
        At(Player::Ending).UpdateAnimation(now);
        phase = NextPhase(phase, Stopped(Player::Ending), false);
        if (phase == kIdle) active = false;
        break;
    default:
        active = false;
        break;
    }
}

void CCheckNotice::DrawPlayer(K_Dib_Draw& image, Player p, Point offset) const
{
    const K_Animation& player = GetPlayer(p);
    if (player.IsBound() && player.GetFrame() >= 0) player.Draw(image, rect.left + offset.x, rect.top + offset.y, 0);
}

void CCheckNotice::DrawScroller(K_Dib_Draw& image, const Rect& clip) const
{
    const Rect strip = scroller.textRect.Offset(rect.TopLeft()).Intersected(clip);
    if (strip.IsEmpty()) return;
    image.SetClipRect(strip);
    for (size_t i = 0; i < scroller.sprites.size(); ++i) {
        const KK_LLESprite_Scroll& sprite = *scroller.sprites[i];
        if (!sprite.move.running && static_cast<int>(i) != scroller.current) continue;
        const Point at = sprite.GetDrawPos(scroller.textRect.Offset(rect.TopLeft()));
        image.DrawSprite(sprite, at.x + sprite.GetHotSpot().x, at.y + sprite.GetHotSpot().y);
    }
    image.SetClipRect(clip);
}

int CCheckNotice::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    using namespace CheckNoticeRules;
    MarkDrawn();
    if (!active) return 1;
    Step(Clock::NowMs());
    Invalidate();  // drawn again next frame while it runs
    const Rect area = rect.Intersected(clip);
    if (!active || area.IsEmpty()) return 1;
    K_DDRender_Obj render(surface);
    K_Dib_Draw* image = render.Lock();
    if (!image) return 1;
    image->SetClipRect(area);
    if (phase == kCaptionWithEffects || phase == kCaption) {
        DrawPlayer(*image, Player::Caption, kCaptionOffset);
        DrawPlayer(*image, Player::FirstDigit, kFirstDigitOffset);
        DrawPlayer(*image, Player::SecondDigit, kSecondDigitOffset);
    }
    if (phase & 4) {
        DrawPlayer(*image, Player::Effect, {});
        DrawPlayer(*image, Player::ScrollBack, {});
    }
    if (phase == kScrolling) DrawScroller(*image, area);
    DrawPlayer(*image, Player::ScrollOverlay, {});
    DrawPlayer(*image, Player::Ending, {});
    return 1;
}
