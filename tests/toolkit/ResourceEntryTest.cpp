#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "SpriteTestSupport.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVLightTextWnd.h"
#include "toolkit/GVPushBtn.h"
#include "toolkit/GVTextWnd.h"

namespace {

class ResourceEntries : public SpriteFixture {
protected:
    static XResEntryMgr& Mgr() { return XResEntryMgr::Instance(); }
    // The display re-created, as the main window does after losing it, and the manager re-bound.
    void RecreateDisplay()
    {
        XResEntryMgr::Instance().Unbind();
        screen.Release();
        ASSERT_EQ(screen.Create(window.GetHwnd(), {800, 600}, ScreenMode::Windowed), DD_OK);
        ASSERT_EQ(Mgr().Bind(screen.GetDirectDraw(), Back(), screen.GetColorKey()), DD_OK);
    }
};

}  // namespace

TEST_F(ResourceEntries, WidgetsShowingOneFileShareOneEntryUntilTheLastGoes)
{
    const size_t before = Mgr().GetEntryCount();
    auto a = std::make_unique<GVDDSWnd>();
    auto b = std::make_unique<GVPushBtn>();
    ASSERT_EQ(a->LoadImage(dir + "button.bmp", -1), 1);
    ASSERT_EQ(b->LoadImage(dir + "BUTTON.BMP", -1, 2, 2), 1) << "file names compare without case";
    EXPECT_EQ(a->GetEntry(), b->GetEntry());
    EXPECT_EQ(Mgr().GetEntryCount(), before + 1);
    EXPECT_EQ(Mgr().GetRefCount(a->GetEntry()), 2);

    const XResHandle shared = a->GetEntry();
    EXPECT_EQ(a->LoadImage(dir + "missing.bmp", -1), 0);
    EXPECT_EQ(a->GetEntry(), shared) << "a failed load keeps the picture";
    EXPECT_EQ(Mgr().GetRefCount(shared), 2) << "and takes no reference";

    a.reset();
    EXPECT_EQ(Mgr().GetRefCount(shared), 1);
    EXPECT_EQ(Mgr().GetEntryCount(), before + 1);
    b->SetGrid(*Image::Create(8, 8, 0xFFFFFFFF), 1, 1);
    EXPECT_EQ(Mgr().GetRefCount(shared), 0) << "taking another picture gave the file back";
    EXPECT_EQ(Mgr().GetEntryCount(), before + 1) << "the button's own picture";
    b.reset();
    EXPECT_EQ(Mgr().GetEntryCount(), before);
}

TEST_F(ResourceEntries, PicturesMadeInMemoryArePrivateEntries)
{
    const size_t before = Mgr().GetEntryCount();
    const Image red = *Image::Create(10, 6, 0xFFFF0000);
    {
        GVDDSWnd a, b;
        a.SetImage(red);
        b.SetImage(red);
        EXPECT_NE(a.GetEntry(), b.GetEntry());
        EXPECT_EQ(Mgr().GetEntryCount(), before + 2);
        a.SetImage(*Image::Create(3, 3, 0xFF00FF00));
        EXPECT_EQ(Mgr().GetEntryCount(), before + 2) << "the replaced picture was released";
        EXPECT_EQ(a.GetRect().GetSize(), Size(3, 3));
        a.SetImage(Image{});
        EXPECT_EQ(a.GetRect().GetSize(), Size(3, 3)) << "an empty picture is refused and changes nothing";
    }
    EXPECT_EQ(Mgr().GetEntryCount(), before);
}

TEST_F(ResourceEntries, WidgetsKeepDrawingAfterTheDisplayIsRecreated)
{
    GVDDSWnd file;
    ASSERT_EQ(file.LoadImage(dir + "button.bmp", -1), 1);
    file.SetPos({100, 100});
    GVDDSWnd memory;
    memory.SetImage(*Image::Create(20, 20, 0xFF0000FF));
    memory.SetPos({300, 100});
    GVTextWnd text;
    ASSERT_EQ(text.Create({120, 20}, 16, 700), 1);
    text.SetTextColor(0xFFFFFF);
    text.SetText("한글 텍스트");
    text.SetPos({500, 100});
    const uint32_t serialBefore = Mgr().GetContentSerial(text.GetEntry());

    for (const char* when : {"first display", "re-created display"}) {
        if (std::string(when) != "first display") {
            RecreateDisplay();
            EXPECT_NE(Mgr().GetContentSerial(text.GetEntry()), serialBefore) << "the text surface was re-made";
        }
        Clear();
        for (GVWnd* w : std::initializer_list<GVWnd*>{&file, &memory, &text})
            EXPECT_EQ(w->Draw(Back(), kAll), 1) << when;
        EXPECT_TRUE(NearColor(PixelAt(110, 110), {255, 0, 0})) << when << ": " << ToString(PixelAt(110, 110));
        EXPECT_TRUE(NearColor(PixelAt(100, 100), {0, 0, 0})) << when << ": the colour key stays unseen";
        EXPECT_TRUE(NearColor(PixelAt(310, 110), {0, 0, 255})) << when << ": " << ToString(PixelAt(310, 110));
        EXPECT_GT(CountNear({500, 100, 620, 120}, {255, 255, 255}), 20) << when << ": the text's ink";
        EXPECT_EQ(CountNear({500, 100, 620, 120}, {255, 0, 255}), 0) << when << ": no key pixel copied";
    }
}

TEST_F(ResourceEntries, UnboundManagerLoadsAndHitTestsButDoesNotDraw)
{
    Mgr().Unbind();
    GVPushBtn button;
    ASSERT_EQ(button.LoadImage(dir + "button.bmp", -1, 2, 2), 1);
    EXPECT_EQ(button.GetRect(), Rect(0, 0, 40, 20));
    EXPECT_FALSE(button.HitTest(0, 0, kHitVisible)) << "the magenta corner is transparent before any display";
    EXPECT_TRUE(button.HitTest(5, 5, kHitVisible));
    GVTextWnd text;
    ASSERT_EQ(text.Create({60, 16}, 12, 400), 1);
    text.SetText("점수");
    EXPECT_EQ(button.Draw(Back(), kAll), 0) << "nothing to draw with yet";
    EXPECT_EQ(text.Draw(Back(), kAll), 0);
    EXPECT_TRUE(text.IsDirty()) << "the text waits to be drawn";

    ASSERT_EQ(Mgr().Bind(screen.GetDirectDraw(), Back(), screen.GetColorKey()), DD_OK);
    Clear();
    button.SetPos({10, 10});
    EXPECT_EQ(button.Draw(Back(), kAll), 1);
    EXPECT_TRUE(NearColor(PixelAt(20, 20), {255, 0, 0})) << ToString(PixelAt(20, 20));
    EXPECT_EQ(text.Draw(Back(), kAll), 1);
}

TEST_F(ResourceEntries, TextWidgetsShareFontsByDescriptionAndGiveThemBack)
{
    const size_t before = Mgr().GetFontCount();
    {
        GVTextWnd a, b;
        ASSERT_EQ(a.Create({60, 16}, 12, 400), 1);
        ASSERT_EQ(b.Create({80, 16}, 12, 400), 1);
        EXPECT_EQ(a.GetFont(), b.GetFont());
        GVLightTextWnd c, d;
        ASSERT_EQ(c.Init({60, 16}, -1, 12, 400), 1);
        ASSERT_EQ(d.Init({60, 16}, -1, 12, 400), 1);
        EXPECT_EQ(Mgr().GetFontCount(), before + 2) << "smoothed for the back buffer, sharp for keyed surfaces";

        ASSERT_EQ(b.SetFont(14, 700), 1);
        EXPECT_EQ(Mgr().GetFontCount(), before + 3) << "a holds the old font still";
        ASSERT_EQ(a.SetFont(14, 700), 1);
        EXPECT_EQ(a.GetFont(), b.GetFont());
        EXPECT_EQ(Mgr().GetFontCount(), before + 2) << "the last holder let go of 12/400";
    }
    EXPECT_EQ(Mgr().GetFontCount(), before) << "destroyed widgets gave their fonts back";
}
