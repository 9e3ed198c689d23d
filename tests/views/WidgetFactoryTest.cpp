#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "graphics/resources/core/Image.h"
#include "graphics/resources/core/ImageWriters.h"
#include "graphics/sprite/core/SpriteFormats.h"
#include "support/RoomTestSupport.h"
#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "views/WidgetFactory.h"

using Factory = RoomFixture;

// A failed load is one record {1, path relative to the image folder} and one host request 36 (out of
// date).
TEST_F(Factory, MakesEachKindAsItsHeaderSaysOrReportsTheMissingFile)
{
    using F = WidgetFactory&;
    using N = const std::string&;
    const struct { const char* name; const char* file; std::function<GVWnd*(F, N)> make; Point pos; bool visible, enabled; }
        cases[] = {
        {"animation", "anim.qza", [](F f, N n) { return f.CreateQZAniWnd(n, {30, 40}); }, {30, 40}, false, false},
        {"sheet shown", "sheet.qzs", [](F f, N n) { return f.CreateQZSWnd(n, {5, 6}, Visible::Yes); }, {5, 6}, true, false},
        {"sheet hidden", "sheet.qzs", [](F f, N n) { return f.CreateQZSWnd(n, {5, 6}, Visible::No); }, {5, 6}, false, false},
        {"image", "strip.bmp", [](F f, N n) { return f.CreateDDSWnd(n, -1, {7, 8}, {30, 10}); }, {7, 8}, true, true},
        {"strip of frames", "strip.bmp", [](F f, N n) { return f.CreateAnimWnd(n, {9, 10}, {10, 10}); }, {9, 10}, false, false},
    };
    // The image folder holds a sprite pack and sheet of one 10 x 10 frame, an animation of it and a
    // 30 x 10 picture.
    ASSERT_TRUE(OpenRoom());
    // A folder of the test's own: the generated room's image folder is shared by every test.
    const std::string root = dir + "images\\";
    std::filesystem::create_directories(root);
    QZSpriteData sprites;
    sprites.frames.emplace_back().width = 10;
    sprites.frames[0].height = 10;
    sprites.frames[0].pixels.assign(100, 0xFFFF0000u);
    WriteBytes(root + "cards.psp", WriteSpriteFile(sprites, SpriteFileKind::Pack));
    WriteBytes(root + "sheet.qzs", WriteSpriteFile(sprites, SpriteFileKind::Sheet));
    QZAnimationFile anim;
    anim.packPath = "cards.psp";
    anim.animations.emplace_back().frames = {QZAFrame{5, -1, 0, {QZAPart{0, 0, 0, 0}}}};
    WriteBytes(root + "anim.qza", WriteAnimationFile(anim));
    WriteBytes(root + "strip.bmp", WriteBmp(*Image::Create(30, 10, 0xFF0000FF)));
    Scene().loadErrors.clear();
    host.Forget();
    WidgetFactory factory(root, Scene());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<GVWnd> w(c.make(factory, c.file));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->GetPos(), c.pos);
        EXPECT_EQ(std::make_pair(w->IsVisible(), w->IsEnabled()), std::make_pair(c.visible, c.enabled))
            << "visible, enabled";
        EXPECT_TRUE(Scene().loadErrors.empty() && host.hostRequests.empty());

        const std::string missing = std::string("Missing\\") + c.file;
        EXPECT_EQ(c.make(factory, missing), nullptr);
        ASSERT_EQ(Scene().loadErrors.size(), 1u);
        EXPECT_EQ(Scene().loadErrors[0].code, 1);
        EXPECT_EQ(Scene().loadErrors[0].name, missing);
        EXPECT_EQ(host.RequestsWithCode(36).size(), host.hostRequests.size());
        EXPECT_EQ(host.hostRequests.size(), 1u);
        Scene().loadErrors.clear();
        host.Forget();
    }
}
