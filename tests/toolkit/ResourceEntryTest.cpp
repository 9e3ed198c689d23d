#include <memory>
#include <string>

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
    const size_t entriesBefore = Mgr().GetEntryCount();
    const size_t fontsBefore = Mgr().GetFontCount();
};

}  // namespace

TEST_F(ResourceEntries, WidgetsHoldOneReferenceToWhatTheyShow)
{
    auto a = std::make_unique<GVDDSWnd>();
    auto b = std::make_unique<GVPushBtn>();
    ASSERT_EQ(a->LoadImage(dir + "button.bmp", -1), 1);
    ASSERT_EQ(b->LoadImage(dir + "BUTTON.BMP", -1, 2, 2), 1);
    const XResHandle shared = a->GetEntry();
    EXPECT_TRUE(b->GetEntry() == shared && Mgr().GetRefCount(shared) == 2) << "one file, one entry";
    EXPECT_EQ(a->LoadImage(dir + "missing.bmp", -1), 0);
    EXPECT_TRUE(a->GetEntry() == shared && Mgr().GetRefCount(shared) == 2) << "a failed load keeps the picture";
    a.reset();
    EXPECT_EQ(Mgr().GetRefCount(shared), 1);
    b->SetGrid(*Image::Create(8, 8, 0xFFFFFFFF), 1, 1);
    EXPECT_EQ(Mgr().GetRefCount(shared), 0) << "taking another picture gave the file back";
    b.reset();

    {
        GVDDSWnd c, d;  // pictures made in memory are private
        for (GVDDSWnd* w : {&c, &d}) w->SetImage(*Image::Create(10, 6, 0xFFFF0000));
        EXPECT_NE(c.GetEntry(), d.GetEntry());
        c.SetImage(*Image::Create(3, 3, 0xFF00FF00));
        EXPECT_EQ(Mgr().GetEntryCount(), entriesBefore + 2) << "the replaced picture was released";
        c.SetImage(Image{});
        EXPECT_EQ(c.GetRect().GetSize(), Size(3, 3)) << "an empty picture is refused and changes nothing";
    }
    EXPECT_EQ(Mgr().GetEntryCount(), entriesBefore) << "every entry given back";
}

TEST_F(ResourceEntries, TextIsDrawnOnceThereIsADisplayAndAgainAfterItIsRecreated)
{
    Mgr().Unbind();
    GVTextWnd text;
    ASSERT_EQ(text.Create({120, 20}, 16, 700), 1);
    text.SetTextColor(0xFFFFFF);
    text.SetText("한글 텍스트");
    text.SetPos({500, 100});
    EXPECT_TRUE(text.Draw(Back(), kAll) == 0 && text.IsDirty()) << "no display yet: the text waits to be drawn";
    for (const char* when : {"first display", "re-created display"}) {
        if (std::string(when) != "first display") {
            Mgr().Unbind();
            screen.Release();
            ASSERT_EQ(screen.Create(window.GetHwnd(), {800, 600}, ScreenMode::Windowed), DD_OK);
        }
        ASSERT_EQ(Mgr().Bind(screen.GetDirectDraw(), Back(), screen.GetColorKey()), DD_OK);
        Clear();
        EXPECT_EQ(text.Draw(Back(), kAll), 1) << when;
        EXPECT_GT(CountNear({500, 100, 620, 120}, {255, 255, 255}), 20) << when << ": the text's ink";
        EXPECT_EQ(CountNear({500, 100, 620, 120}, {255, 0, 255}), 0) << when << ": no key pixel copied";
    }
}

TEST_F(ResourceEntries, TextWidgetsShareFontsByDescriptionAndGiveThemBack)
{
    {
        GVTextWnd a, b;
        ASSERT_EQ(a.Create({60, 16}, 12, 400), 1);
        ASSERT_EQ(b.Create({80, 16}, 12, 400), 1);
        GVLightTextWnd c;
        ASSERT_EQ(c.Init({60, 16}, -1, 12, 400), 1);
        EXPECT_EQ(Mgr().GetFontCount(), fontsBefore + 2) << "smoothed for the back buffer, sharp for keyed surfaces";
        ASSERT_EQ(b.SetFont(14, 700), 1);
        EXPECT_EQ(Mgr().GetFontCount(), fontsBefore + 3) << "a holds the old font still";
        ASSERT_EQ(a.SetFont(14, 700), 1);
        EXPECT_EQ(Mgr().GetFontCount(), fontsBefore + 2) << "the last holder let go of 12/400";
    }
    EXPECT_EQ(Mgr().GetFontCount(), fontsBefore) << "destroyed widgets gave their fonts back";
}
