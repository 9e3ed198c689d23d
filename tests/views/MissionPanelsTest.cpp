#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PanelTestSupport.h"
#include "foundation/core/Clock.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVSlideWnd.h"
#include "toolkit/GVTextWnd.h"
#include "views/CVCMissionWnd.h"
#include "views/CVDMissionWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVKJMissionWnd.h"
#include "views/CVSMissionWnd.h"
#include "views/RegistryKey.h"

#include <shlwapi.h>

namespace fs = std::filesystem;

namespace {

// A room for the mission panels: the sounds they play, the seats' screen slots and the music.
class FakeMissionOwner : public FakeOwnerOf<MissionOwner> {
public:
    using FakeOwnerOf<MissionOwner>::FakeOwnerOf;
    void PlayMissionSound(MissionSound id) override { sounds.push_back(static_cast<int>(id)); }
    void PlayMissionSoundAtVolume(MissionSound id, int volume) override
    {
        sounds.push_back(static_cast<int>(id));
        soundVolume = volume;
    }
    int ScreenSlotOfSeat(int seat) const override { return seat == 0 || seat == 1 ? slots[size_t(seat)] : -1; }
    bool OpenMusic(const std::string& name) override
    {
        music = name;
        return true;
    }
    void PlayMusic(bool, int volume) override { musicVolume = volume; }
    void SetMusicVolume(int volume) override { musicVolume = volume; }
    void SetLoopMusicVolume(int volume) override { loopVolume = volume; }

    std::array<int, 2> slots{0, 1};
    std::vector<int> sounds;
    std::string music;
    int musicVolume = 1, loopVolume = 1, soundVolume = 1;
};

const RegistryKey kOptions{"MirelleMissionsTest\\Domain"};
constexpr const char* kSubkey = "24";

// The five panels, each made on the room's pictures with the skin 1; null when making failed.
struct Made {
    std::unique_ptr<CVSMissionWnd> single{new CVSMissionWnd};
    std::unique_ptr<CVDMissionWnd> twoCard{new CVDMissionWnd};
    std::unique_ptr<CVCMissionWnd> cardC{new CVCMissionWnd};
    std::unique_ptr<CVC2MissionWnd> cardC2{new CVC2MissionWnd};
    std::unique_ptr<CVKJMissionWnd> kungjjak{new CVKJMissionWnd};
};

// Every widget the panel keeps a pointer to, as the panel's getters give them.
std::vector<const GVWnd*> Members(const CVSMissionWnd& p)
{
    std::vector<const GVWnd*> v = {p.GetBack(), p.GetSpecialIcon(), p.GetMultiplier(), p.GetCaption(), p.GetStatusAnimation(),
                                   p.GetEffect()};
    for (int i = 0; i < CVSMissionWnd::kCards; ++i)
        v.insert(v.end(), {p.GetCard(i), p.GetCapturedOverlay(i), p.GetMark(i, 0), p.GetMark(i, 1)});
    return v;
}
std::vector<const GVWnd*> Members(const CVDMissionWnd& p)
{
    std::vector<const GVWnd*> v = {p.GetBack(), p.GetDealing(), p.GetSampleCard()};
    for (int side = 0; side < CVDMissionWnd::kSides; ++side) {
        const CVDMissionWnd::Side& s = p.GetSide(side);
        v.insert(v.end(), {s.multiplier, s.hand, s.status});
        for (size_t i = 0; i < CVDMissionWnd::kCardsPerSide; ++i)
            v.insert(v.end(), {s.cards[i], s.captured[i], s.marks[i][0], s.marks[i][1]});
    }
    return v;
}
std::vector<const GVWnd*> Members(const CVCardMissionWnd& p)
{
    std::vector<const GVWnd*> v = {p.GetBack(), p.GetEffect()};
    for (int i = 0; i < p.GetCardCount(); ++i)
        v.insert(v.end(), {p.GetCard(i), p.GetCapturedOverlay(i), p.GetMark(i, 0), p.GetMark(i, 1)});
    return v;
}
std::vector<const GVWnd*> Members(const CVKJMissionWnd& p)
{
    return {p.GetBack(), p.GetStatus(), p.GetMultiplierIcon(0), p.GetMultiplierIcon(1), p.GetSlider()};
}

// Empty when every member is set, is one of the panel's children and the children hold nothing
// else; otherwise what is wrong.
std::string CheckMembers(CVPanel& panel, const std::vector<const GVWnd*>& members)
{
    const auto& children = panel.Children();
    for (size_t i = 0; i < members.size(); ++i) {
        if (!members[i]) return "member " + std::to_string(i) + " not set";
        if (std::count(children.begin(), children.end(), members[i]) != 1)
            return "member " + std::to_string(i) + " not one child";
    }
    if (children.size() != members.size())
        return std::to_string(children.size()) + " children for " + std::to_string(members.size()) + " members";
    return {};
}

}  // namespace

class MissionPanels : public PanelFixture {
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        if (IsSkipped()) return;
        ASSERT_TRUE(fs::exists(room.imageRoot + "Mission\\back.qza"))
            << "build the game_tree target first: " << room.imageRoot;
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\MirelleMissionsTest");
    }
    void TearDown() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\MirelleMissionsTest");
        PanelFixture::TearDown();
    }

    // Makes every panel; the failures leave their panels null.
    Made MakeAll()
    {
        Made m;
        if (!m.single->CreateChildren(room, 1)) m.single.reset();
        if (!m.twoCard->CreateChildren(room, 1)) m.twoCard.reset();
        if (!m.cardC->CreateChildren(room, 1)) m.cardC.reset();
        if (!m.cardC2->CreateChildren(room, 1)) m.cardC2.reset();
        if (!m.kungjjak->CreateChildren(room, 1, kOptions, kSubkey)) m.kungjjak.reset();
        return m;
    }

    FakeMissionOwner room{GeneratedImageRoot()};
};

// Each panel keeps a pointer to every child it made and nothing else; all start hidden with the
// kungjjak panel alone taking input.
TEST_F(MissionPanels, MadeHiddenWithEveryChildKept)
{
    Made m = MakeAll();
    ASSERT_TRUE(room.errors.empty()) << room.errors.front();
    ASSERT_TRUE(m.single && m.twoCard && m.cardC && m.cardC2 && m.kungjjak);
    const struct { const char* name; CVPanel* panel; std::vector<const GVWnd*> members; bool enabled; } cases[] = {
        {"single", m.single.get(), Members(*m.single), false},
        {"two-card hand", m.twoCard.get(), Members(*m.twoCard), false},
        {"card mission C", m.cardC.get(), Members(*m.cardC), false},
        {"card mission C2", m.cardC2.get(), Members(*m.cardC2), false},
        {"kungjjak", m.kungjjak.get(), Members(*m.kungjjak), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CheckMembers(*c.panel, c.members), "");
        EXPECT_FALSE(c.panel->IsVisible());
        EXPECT_EQ(c.panel->IsEnabled(), c.enabled);
        for (const GVWnd* child : c.panel->Children()) EXPECT_FALSE(child->IsVisible());
    }
    EXPECT_EQ(m.cardC->GetCardCount(), 4);
    EXPECT_EQ(m.cardC2->GetCardCount(), 3);
}

// Children stand on their panel's place: the single mission's cards 36 apart until a mission spaces
// them, each with its two marks; the kungjjak panel stands apart from the four at the side.
TEST_F(MissionPanels, ChildrenStandOnTheirPanelsPlace)
{
    Made m = MakeAll();
    ASSERT_TRUE(m.single && m.twoCard && m.cardC && m.cardC2 && m.kungjjak);
    const Point side{585, 117};
    for (const GVWnd* back : {m.single->GetBack(), m.twoCard->GetBack(), m.cardC->GetBack(), m.cardC2->GetBack()})
        EXPECT_EQ(back->GetPos(), side);
    EXPECT_EQ(m.cardC->GetEffect()->GetPos(), side + Point(1, 45));
    for (int i = 0; i < CVSMissionWnd::kCards; ++i) {
        const Point card = side + Point{45 + 36 * i, 132};
        EXPECT_EQ(m.single->GetCard(i)->GetPos(), card) << i;
        EXPECT_EQ(m.single->GetMark(i, 0)->GetPos(), card + Point(-2, 26)) << i;
        EXPECT_EQ(m.single->GetMark(i, 1)->GetPos(), card + Point(-2, 0)) << i;
    }
    const Point kj{435, 44};
    EXPECT_EQ(m.kungjjak->GetRect(), Rect(kj, Size(373, 311)));
    EXPECT_EQ(m.kungjjak->GetSlider()->GetRect(), Rect(kj + Point(215, 273), Size(100, 24)));
    EXPECT_EQ(m.kungjjak->GetMultiplierIcon(0)->GetPos(), kj + Point(0, 189));
    EXPECT_EQ(m.kungjjak->GetMultiplierIcon(1)->GetPos(), kj + Point(0, 88));
}

// The mission's music volume comes from the registry; without a value the default is used and
// written there. The slider stands on it within -5000 .. 0.
TEST_F(MissionPanels, KungjjakVolumeComesFromTheRegistry)
{
    const struct { const char* name; const char* stored; int volume; int slider; } cases[] = {
        {"no value", nullptr, -1250, -1250},
        {"a stored volume", "-3000", -3000, -3000},
        {"silence below the slider", "-10000", -10000, -5000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\MirelleMissionsTest");
        if (c.stored) {
            ASSERT_EQ(kOptions.WriteString(kSubkey, CVKJMissionWnd::kVolumeValue, c.stored), 1);
        }
        CVKJMissionWnd panel;
        ASSERT_TRUE(panel.CreateChildren(room, 0, kOptions, kSubkey));
        EXPECT_EQ(panel.GetMusicVolume(), c.volume);
        EXPECT_EQ(panel.GetSlider()->GetMin(), -5000);
        EXPECT_EQ(panel.GetSlider()->GetMax(), 0);
        EXPECT_EQ(panel.GetSlider()->GetValue(), c.slider);
        std::string written;
        ASSERT_EQ(kOptions.ReadString(kSubkey, CVKJMissionWnd::kVolumeValue, written), 1);
        EXPECT_EQ(written, c.stored ? c.stored : "-1250");
    }
}

// A missing picture fails the panel's making with one report of the file, whichever child needs it.
TEST_F(MissionPanels, MissingPictureFailsThePanelWithOneReport)
{
    const fs::path copy = fs::path(dir) / "room";
    for (const char* sub : {"Mission", "Hwatoo"}) {
        fs::create_directories(copy / sub);
        fs::copy(fs::path(room.imageRoot) / sub, copy / sub, fs::copy_options::recursive);
    }
    FakeMissionOwner copyRoom{copy.string() + "\\"};
    using Make = std::function<bool(FakeMissionOwner&)>;
    const struct { const char* name; const char* file; Make make; } cases[] = {
        {"single's status", "Mission\\status.qza", [](FakeMissionOwner& o) { return CVSMissionWnd().CreateChildren(o, 0); }},
        {"single's cards", "Hwatoo\\normal.bmp", [](FakeMissionOwner& o) { return CVSMissionWnd().CreateChildren(o, 0); }},
        {"two-card hand's names", "Mission\\dexplain.qza",
         [](FakeMissionOwner& o) { return CVDMissionWnd().CreateChildren(o, 0); }},
        {"C's marks", "Mission\\chamgi_status.psp", [](FakeMissionOwner& o) { return CVCMissionWnd().CreateChildren(o, 0); }},
        {"C2's effect", "Mission\\effect.qza", [](FakeMissionOwner& o) { return CVC2MissionWnd().CreateChildren(o, 0); }},
        {"kungjjak's thumb", "Mission\\kungjjak_slide_btn.bmp",
         [](FakeMissionOwner& o) { return CVKJMissionWnd().CreateChildren(o, 0, kOptions, kSubkey); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path file = copy / fs::path(c.file);
        const fs::path kept = copy / "kept";
        fs::rename(file, kept);
        copyRoom.errors.clear();
        EXPECT_FALSE(c.make(copyRoom));
        EXPECT_EQ(copyRoom.errors, std::vector<std::string>{std::string("file:") + c.file});
        fs::rename(kept, file);
    }
}

namespace {

// Ticks the panel on the virtual clock, 10 ms a tick, for `ms`.
void Tick(CVPanel& panel, int ms)
{
    for (int t = 0; t < ms; t += 10) {
        Clock::Sleep(10);
        panel.Step();
    }
}

int Count(const std::vector<int>& sounds, int id)
{
    return static_cast<int>(std::count(sounds.begin(), sounds.end(), id));
}

}  // namespace

// Mission 1 (cards 4, 12, 29): captures made while the panel opens wait for the opening; a seat
// each on a different card breaks it, and the failure the test set goes when the cards come
// together again; a status the server sent stays.
TEST_F(MissionPanels, SingleMissionQueuesCapturesAndBreaks)
{
    CVSMissionWnd panel;
    ASSERT_TRUE(panel.CreateChildren(room, 0));
    panel.Reset();
    panel.SetMission(1, 2, false);
    panel.Show(CVMissionBase::Restore::No);
    EXPECT_EQ(panel.GetCard(2)->GetPos(), Point(585 + 45 + 60, 117 + 132));  // 30 apart
    panel.AddCapturedCard(0, 4, false);
    EXPECT_FALSE(panel.GetCapturedOverlay(0)->IsVisible()) << "shown before the opening ended";
    Tick(panel, 3000);
    ASSERT_EQ(panel.GetLayout(), CVMissionBase::Layout::Open);
    EXPECT_TRUE(panel.GetCapturedOverlay(0)->IsVisible());
    EXPECT_TRUE(panel.GetMark(0, 0)->IsVisible());
    EXPECT_TRUE(panel.IsMissionCard(29));

    panel.AddCapturedCard(1, 12, false);
    EXPECT_TRUE(panel.IsBroken());
    EXPECT_EQ(panel.GetStatus(), 1);
    EXPECT_FALSE(panel.IsMissionCard(29));
    EXPECT_FALSE(panel.GetCaption()->IsVisible());
    panel.AddCapturedCard(0, 12, true);  // a pi transfer: seat 0 holds both
    EXPECT_EQ(panel.GetStatus(), -1);
    EXPECT_TRUE(panel.GetCaption()->IsVisible());
    EXPECT_FALSE(panel.GetMark(1, 1)->IsVisible());

    panel.SetStatus(0);
    panel.AddCapturedCard(1, 29, false);
    EXPECT_EQ(panel.GetStatus(), 0) << "the broken test overwrote the server's success";
    EXPECT_EQ(Count(room.sounds, 28), 1);
    EXPECT_EQ(Count(room.sounds, 85), 1);
    EXPECT_EQ(Count(room.sounds, 56), 4);

    room.sounds.clear();
    for (int seat : {-1, 5}) panel.AddCapturedCard(seat, 4, false);
    EXPECT_TRUE(room.sounds.empty()) << "a seat outside 0..1 took a card";
}

// Mission 0: cards 8 and 28 on the left, 0 and 8 on the right. Splitting 8 and 28 breaks the left
// side only; the side whole again plays its hand again. The reveal sounds once however long the
// back holds its frame; an id outside the table sets no hand.
TEST_F(MissionPanels, TwoCardHandBreaksBySideAndRevealsOnce)
{
    CVDMissionWnd panel;
    ASSERT_TRUE(panel.CreateChildren(room, 0));
    panel.Reset();
    panel.SetMission(0, 0, 3);
    panel.SetMission(1, 0, 12);
    panel.Show(CVMissionBase::Restore::No);
    Tick(panel, 4000);
    ASSERT_EQ(panel.GetLayout(), CVMissionBase::Layout::Open);
    EXPECT_EQ(Count(room.sounds, 85), 1);
    EXPECT_TRUE(panel.GetSide(0).multiplier->IsVisible());
    EXPECT_FALSE(panel.GetSide(1).multiplier->IsVisible()) << "multiplier 12 has no picture";
    EXPECT_TRUE(panel.GetSide(0).hand->IsVisible());

    panel.AddCapturedCard(0, 8, false);
    panel.AddCapturedCard(1, 28, false);
    EXPECT_TRUE(panel.IsSideBroken(0));
    EXPECT_FALSE(panel.IsSideBroken(1));
    EXPECT_EQ(panel.GetStatus(0), 1);
    EXPECT_FALSE(panel.GetSide(0).hand->IsVisible());
    EXPECT_FALSE(panel.IsMissionCard(28));
    EXPECT_TRUE(panel.IsMissionCard(0));

    panel.AddCapturedCard(0, 28, true);
    EXPECT_EQ(panel.GetStatus(0), -1);
    EXPECT_TRUE(panel.GetSide(0).hand->IsVisible()) << "a side whole again shows no hand";

    panel.Reset();
    panel.SetMission(0, 15, 2);
    EXPECT_EQ(panel.PendingCount(), 0u) << "an id outside 0..14 queued something";
}

// The C2 panel takes three cards; an owner outside 0..1 owns nothing; a later owner replaces the
// earlier; a card keeps counting as a mission card once taken.
TEST_F(MissionPanels, CardMissionOwners)
{
    CVC2MissionWnd panel;
    ASSERT_TRUE(panel.CreateChildren(room, 0));
    panel.Reset();
    for (int i = 0; i < 4; ++i) panel.SetCard(i, 10 + i);
    panel.Show(CVMissionBase::Restore::Yes);
    EXPECT_TRUE(panel.IsMissionCard(12));
    EXPECT_FALSE(panel.IsMissionCard(13)) << "a fourth index was taken";

    const struct { const char* name; int seat; int owner; bool mark0, mark1; } steps[] = {
        {"seat 1 takes it", 1, 1, false, true},
        {"then seat 0", 0, 0, true, false},
        {"seat 7 is nobody", 7, -1, false, false},
        {"seat 1 again", 1, 1, false, true},
        {"-1 frees it", -1, -1, false, false},
    };
    for (const auto& s : steps) {
        panel.SetCardOwner(2, s.seat);
        EXPECT_EQ(panel.GetCardOwner(2), s.owner) << s.name;
        EXPECT_EQ(panel.GetMark(2, 0)->IsVisible(), s.mark0) << s.name;
        EXPECT_EQ(panel.GetMark(2, 1)->IsVisible(), s.mark1) << s.name;
    }
    panel.SetCardOwner(0, 0);
    EXPECT_TRUE(panel.IsMissionCard(10));
    room.slots = {1, 0};
    panel.UpdateCardMarks();
    EXPECT_TRUE(panel.GetMark(0, 1)->IsVisible()) << "the mark did not follow the seat's new slot";
}

// The kungjjak panel: a repeated multiplier is silent, 12 is ignored, 1 stops the icon, a seat
// without a slot keeps its value for the refresh; step 0 twice puts the back's look back.
TEST_F(MissionPanels, KungjjakMultipliersAndSteps)
{
    CVKJMissionWnd panel;
    ASSERT_TRUE(panel.CreateChildren(room, 0, kOptions, kSubkey));
    panel.ShowPanel(CVKJMissionWnd::WithSlider::Yes);
    using AtEnd = CVKJMissionWnd::AtEnd;
    panel.SetMultiplier(0, 3, AtEnd::No);
    panel.SetMultiplier(0, 3, AtEnd::No);
    panel.SetMultiplier(0, 12, AtEnd::No);
    EXPECT_EQ(panel.GetMultiplier(0), 3);
    EXPECT_EQ(Count(room.sounds, 51), 1);
    EXPECT_TRUE(panel.GetMultiplierIcon(0)->IsVisible());
    EXPECT_EQ(panel.GetMultiplierIcon(0)->GetSubAnimation(), 1);
    panel.SetMultiplier(0, 1, AtEnd::No);
    EXPECT_FALSE(panel.GetMultiplierIcon(0)->IsVisible());
    EXPECT_EQ(Count(room.sounds, 52), 1);

    room.slots = {0, -1};
    panel.SetMultiplier(1, 4, AtEnd::No);
    EXPECT_EQ(panel.GetMultiplier(1), 4);
    room.slots = {1, 0};
    panel.RefreshMultipliers();
    EXPECT_TRUE(panel.GetMultiplierIcon(0)->IsVisible());
    EXPECT_EQ(panel.GetMultiplierIcon(0)->GetSubAnimation(), 2);

    const int look = panel.GetBack()->GetSubAnimation();
    panel.ShowStep(0);
    EXPECT_NE(panel.GetBack()->GetSubAnimation(), look);
    panel.ShowStep(0);
    EXPECT_EQ(panel.GetBack()->GetSubAnimation(), look);
    panel.Reset();
    EXPECT_EQ(panel.GetMultiplier(1), 1);
}

// A stored volume that is no number is replaced by the default; one outside the volumes is clamped.
// Releasing the slider at its left end is silence, written as such, with the click at that volume.
TEST_F(MissionPanels, KungjjakVolumeIsReadStrictlyAndTheSliderStoresIt)
{
    const struct { const char* stored; int volume; const char* after; } cases[] = {
        {"abc", -1250, "-1250"},
        {"-20000", -10000, "-20000"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(kOptions.WriteString(kSubkey, CVKJMissionWnd::kVolumeValue, c.stored), 1);
        CVKJMissionWnd panel;
        ASSERT_TRUE(panel.CreateChildren(room, 0, kOptions, kSubkey));
        EXPECT_EQ(panel.GetMusicVolume(), c.volume) << c.stored;
        std::string written;
        ASSERT_EQ(kOptions.ReadString(kSubkey, CVKJMissionWnd::kVolumeValue, written), 1);
        EXPECT_EQ(written, c.after) << c.stored;
    }

    CVKJMissionWnd panel;
    ASSERT_TRUE(panel.CreateChildren(room, 0, kOptions, kSubkey));
    panel.ShowPanel(CVKJMissionWnd::WithSlider::Yes);
    const Rect thumb = panel.GetSlider()->GetThumbRect();
    const Point grab{thumb.left + 2, thumb.top + 2};
    const Point leftEnd{panel.GetSlider()->GetRect().left - 40, grab.y};
    EXPECT_EQ(Play(panel, {{Act::Down, grab}, {Act::Drag, leftEnd}, {Act::Up, leftEnd}}, [](Point) {}), 1);
    EXPECT_EQ(panel.GetMusicVolume(), -10000);
    EXPECT_EQ(room.musicVolume, -10000);
    EXPECT_EQ(room.loopVolume, -10000);
    EXPECT_EQ(room.soundVolume, -10000);
    EXPECT_EQ(Count(room.sounds, 20), 1);
    std::string written;
    ASSERT_EQ(kOptions.ReadString(kSubkey, CVKJMissionWnd::kVolumeValue, written), 1);
    EXPECT_EQ(written, "-10000");

    panel.PlayBgm(true);
    EXPECT_TRUE(room.music == "kungjjak_bgm1.ogg" || room.music == "kungjjak_bgm2.ogg") << room.music;
    EXPECT_EQ(room.musicVolume, -10000);
}

// The two marks of a mission card tell the players apart: each shows the frame of its screen slot.
TEST_F(MissionPanels, SeatMarksShowTheirScreenSlot)
{
    Made m = MakeAll();
    ASSERT_TRUE(m.single && m.twoCard && m.cardC && m.cardC2);
    const auto twoCardMark = [&](int card, int slot) {
        return m.twoCard->GetSide(card / 2).marks[size_t(card % 2)][size_t(slot)];
    };
    const struct { const char* name; int cards; std::function<const GVPSPWnd*(int, int)> mark; } cases[] = {
        {"single", CVSMissionWnd::kCards, [&](int card, int slot) { return m.single->GetMark(card, slot); }},
        {"two-card hand", 4, twoCardMark},
        {"card mission C", 4, [&](int card, int slot) { return m.cardC->GetMark(card, slot); }},
        {"card mission C2", 3, [&](int card, int slot) { return m.cardC2->GetMark(card, slot); }},
    };
    for (const auto& c : cases)
        for (int card = 0; card < c.cards; ++card)
            for (int slot = 0; slot < 2; ++slot)
                EXPECT_EQ(c.mark(card, slot)->GetFrame(), slot) << c.name << ", card " << card << ", slot " << slot;
}

// A restored panel shows at once and plays no sound, however long it is ticked afterwards.
TEST_F(MissionPanels, RestoresAreSilent)
{
    Made m = MakeAll();
    ASSERT_TRUE(m.single && m.twoCard && m.cardC && m.cardC2);
    m.single->Reset();
    m.single->SetMission(1, 2, false);
    m.twoCard->Reset();
    m.twoCard->SetMission(0, 0, 3);
    m.twoCard->SetMission(1, 0, 3);
    m.cardC->Reset();
    m.cardC->SetCard(0, 10);
    m.cardC2->Reset();
    m.cardC2->SetCard(0, 10);
    const struct { const char* name; CVMissionBase* panel; const CVHTWnd* card; } cases[] = {
        {"single", m.single.get(), m.single->GetCard(0)},
        {"two-card hand", m.twoCard.get(), m.twoCard->GetSide(0).cards[0]},
        {"card mission C", m.cardC.get(), m.cardC->GetCard(0)},
        {"card mission C2", m.cardC2.get(), m.cardC2->GetCard(0)},
    };
    for (const auto& c : cases) {
        room.sounds.clear();
        c.panel->Show(CVMissionBase::Restore::Yes);
        EXPECT_TRUE(c.card->IsVisible()) << c.name;
        Tick(*c.panel, 3000);
        EXPECT_EQ(room.sounds, std::vector<int>{}) << c.name;
    }
}

// A new skin while a panel opens switches the opening's clip and lets it play on to the end, so
// the panel still opens.
TEST_F(MissionPanels, SkinChangeKeepsTheOpeningPlaying)
{
    Made m = MakeAll();
    ASSERT_TRUE(m.single && m.twoCard && m.cardC && m.cardC2 && m.kungjjak);
    const auto open = [](CVMissionBase& p) { p.Show(CVMissionBase::Restore::No); };
    const auto skin0 = [](auto& p) { return [&p] { p.SetSkin(0); }; };
    const struct { const char* name; CVPanel* panel; std::function<void()> show, newSkin; std::vector<const GVQZAniWnd*> playing;
                   int clip; std::function<bool()> opened; } cases[] = {
        {"single", m.single.get(), [&] { open(*m.single); }, skin0(*m.single), {m.single->GetBack()}, 0,
         [&] { return m.single->GetLayout() == CVMissionBase::Layout::Open; }},
        {"two-card hand", m.twoCard.get(), [&] { open(*m.twoCard); }, skin0(*m.twoCard), {m.twoCard->GetBack(), m.twoCard->GetDealing()}, 0,
         [&] { return m.twoCard->GetLayout() == CVMissionBase::Layout::Open; }},
        {"card mission C", m.cardC.get(), [&] { open(*m.cardC); }, skin0(*m.cardC), {m.cardC->GetBack()}, 4,
         [&] { return m.cardC->GetLayout() == CVMissionBase::Layout::Open; }},
        {"card mission C2", m.cardC2.get(), [&] { open(*m.cardC2); }, skin0(*m.cardC2), {m.cardC2->GetBack()}, 6,
         [&] { return m.cardC2->GetLayout() == CVMissionBase::Layout::Open; }},
        {"kungjjak", m.kungjjak.get(), [&] { m.kungjjak->ShowPanel(CVKJMissionWnd::WithSlider::No); },
         skin0(*m.kungjjak), {m.kungjjak->GetBack()}, 0, [&] { return m.kungjjak->GetSlider()->IsVisible(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.show();
        Tick(*c.panel, 20);
        for (const GVQZAniWnd* a : c.playing) ASSERT_TRUE(a->IsPlaying());
        const int frame = c.playing.front()->GetFrame();
        c.newSkin();
        for (const GVQZAniWnd* a : c.playing) EXPECT_TRUE(a->IsPlaying()) << "the new skin stopped the opening";
        EXPECT_EQ(c.playing.front()->GetSubAnimation(), c.clip);
        EXPECT_EQ(c.playing.front()->GetFrame(), frame);
        Tick(*c.panel, 3000);
        EXPECT_TRUE(c.opened());
    }
}
