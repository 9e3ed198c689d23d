#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <new>

#include "graphics/resources/core/Image.h"
#include "graphics/resources/core/ImageWriters.h"
#include "graphics/sprite/core/SpriteFormats.h"
#include "support/RoomTestSupport.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/WidgetFactory.h"

namespace {

// The factories allocate with nothrow new, which nothing else here uses: the last such block and
// whether it was freed tell whether a widget that failed to load was deleted.
void* lastNothrow = nullptr;
bool lastNothrowFreed = false;

}  // namespace

void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    lastNothrow = std::malloc(n ? n : 1);
    lastNothrowFreed = false;
    return lastNothrow;
}
void operator delete(void* p) noexcept
{
    if (p && p == lastNothrow) lastNothrowFreed = true;
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}

namespace {

// A room whose image folder holds a sprite pack and sheet of two 10 x 10 frames, an animation of
// them and a 30 x 10 picture.
class Factory : public RoomFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenRoom());
        const std::string root = Scene().GetImageRoot();
        std::filesystem::create_directories(root);
        QZSpriteData sprites;
        for (uint32_t argb : {0xFFFF0000u, 0xFF00FF00u}) {
            QZFrame f;
            f.width = f.height = 10;
            f.pixels.assign(100, argb);
            sprites.frames.push_back(f);
        }
        WriteBytes(root + "cards.psp", WriteSpriteFile(sprites, SpriteFileKind::Pack));
        WriteBytes(root + "sheet.qzs", WriteSpriteFile(sprites, SpriteFileKind::Sheet));
        QZAnimationFile anim;
        anim.packPath = "cards.psp";
        QZAnimation a;
        for (uint16_t s = 0; s < 2; ++s) a.frames.push_back(QZAFrame{5, -1, 0, {QZAPart{s, 0, 0, 0}}});
        anim.animations = {a};
        WriteBytes(root + "anim.qza", WriteAnimationFile(anim));
        WriteBytes(root + "strip.bmp", WriteBmp(*Image::Create(30, 10, 0xFF0000FF)));
        Scene().loadErrors.clear();
        host.Forget();
    }
};

}  // namespace

TEST_F(Factory, MakesEachKindAsItsHeaderSaysOrReportsTheMissingFile)
{
    using Make = std::function<GVWnd*(WidgetFactory&, const std::string&)>;
    const struct { const char* name; const char* file; Make make; Point pos; bool visible, enabled; } cases[] = {
        {"animation", "anim.qza", [](WidgetFactory& f, const std::string& n) { return f.CreateQZAniWnd(n, {30, 40}); },
         {30, 40}, false, false},
        {"sheet shown", "sheet.qzs",
         [](WidgetFactory& f, const std::string& n) { return f.CreateQZSWnd(n, {5, 6}, Visible::Yes); }, {5, 6}, true, false},
        {"sheet hidden", "sheet.qzs",
         [](WidgetFactory& f, const std::string& n) { return f.CreateQZSWnd(n, {5, 6}, Visible::No); }, {5, 6}, false, false},
        {"image", "strip.bmp",
         [](WidgetFactory& f, const std::string& n) { return f.CreateDDSWnd(n, -1, {7, 8}, {30, 10}); }, {7, 8}, true, true},
        {"strip of frames", "strip.bmp",
         [](WidgetFactory& f, const std::string& n) { return f.CreateAnimWnd(n, {9, 10}, {10, 10}); }, {9, 10}, false, false},
    };
    WidgetFactory factory(Scene().GetImageRoot(), Scene());
    for (const auto& c : cases) {
        std::unique_ptr<GVWnd> w(c.make(factory, c.file));
        ASSERT_NE(w, nullptr) << c.name;
        EXPECT_FALSE(lastNothrowFreed) << c.name;
        EXPECT_EQ(w->GetPos(), c.pos) << c.name;
        EXPECT_EQ(w->IsVisible(), c.visible) << c.name;
        EXPECT_EQ(w->IsEnabled(), c.enabled) << c.name;
        EXPECT_TRUE(Scene().loadErrors.empty()) << c.name;
        EXPECT_TRUE(host.hostRequests.empty()) << c.name;

        // The path is recorded relative to the image folder; the host hears that something is out of date.
        const std::string missing = std::string("Missing\\") + c.file;
        EXPECT_EQ(c.make(factory, missing), nullptr) << c.name;
        EXPECT_TRUE(lastNothrowFreed) << c.name << ": the widget of the missing file was not deleted";
        ASSERT_EQ(Scene().loadErrors.size(), 1u) << c.name;
        EXPECT_EQ(Scene().loadErrors[0].code, 1) << c.name;
        EXPECT_EQ(Scene().loadErrors[0].name, missing) << c.name;
        ASSERT_EQ(host.hostRequests.size(), 1u) << c.name;
        EXPECT_EQ(host.hostRequests[0].code, 36) << c.name;
        Scene().loadErrors.clear();
        host.Forget();
    }
}
