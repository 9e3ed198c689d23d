#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <thread>

#include "DisplayFixture.h"
#include "foundation/Debug.h"
#include "graphics/resources/XResEntryMgr.h"
#include "graphics/resources/core/ImageWriters.h"

namespace {

constexpr uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kGrey = 0xFF808080, kBlack = 0xFF000000;
const uint32_t kKeyed = static_cast<uint32_t>(BlitFlag::ColorKey);

// 4 x 3: red, green, blue columns, a white one with a transparent pixel at (3, 0).
Image Picture()
{
    Image image = *Image::Create(4, 3, 0xFFFFFFFF);
    for (int32_t y = 0; y < 3; ++y) image.At(0, y) = kRed, image.At(1, y) = kGreen, image.At(2, y) = kBlue;
    image.At(3, 0) = 0;
    return image;
}

::testing::AssertionResult Near(Rgb got, uint32_t argb)  // 565 keeps 5 or 6 bits of a channel
{
    const int r = uint8_t(argb >> 16), g = uint8_t(argb >> 8), b = uint8_t(argb);
    if (std::abs(got.r - r) <= 8 && std::abs(got.g - g) <= 8 && std::abs(got.b - b) <= 8) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << int{got.r} << "," << int{got.g} << "," << int{got.b} << " want " << r << ","
                                         << g << "," << b;
}

// Wine never loses a surface. This makes one real surface lost: its memory is wiped and Lock
// fails with DDERR_SURFACELOST until Restore. The object gets a copy of its method table in
// which Lock and Restore are ours; the original goes back with this object.
class LosingSurface {
public:
    explicit LosingSurface(ComRef<IDirectDrawSurface4> s) : surface(std::move(s))
    {
        FillSurface(surface.Get(), 0);
        original = TableOf(surface.Get());
        table.assign(original, original + SlotOf(&IDirectDrawSurface4::ChangeUniquenessValue) + 1);
        table[SlotOf(&IDirectDrawSurface4::Lock)] = reinterpret_cast<void*>(&LosingSurface::Lock);
        table[SlotOf(&IDirectDrawSurface4::Restore)] = reinterpret_cast<void*>(&LosingSurface::Restore);
        TableOf(surface.Get()) = table.data();
        lost = true, restores = 0;
    }
    ~LosingSurface() { TableOf(surface.Get()) = original; }
    static inline int restores = 0;

private:
    // The slot of a virtual method: g++ stores one more than its byte offset in the table.
    template <class F>
    static size_t SlotOf(F method)
    {
        ptrdiff_t raw = 0;
        std::memcpy(&raw, &method, sizeof raw);
        return static_cast<size_t>(raw - 1) / sizeof(void*);
    }
    static void* const*& TableOf(IDirectDrawSurface4* s) { return *reinterpret_cast<void* const**>(s); }
    static HRESULT STDMETHODCALLTYPE Lock(IDirectDrawSurface4* self, RECT* r, DDSURFACEDESC2* d, DWORD f, HANDLE e)
    {
        using LockFn = HRESULT(STDMETHODCALLTYPE*)(IDirectDrawSurface4*, RECT*, DDSURFACEDESC2*, DWORD, HANDLE);
        return lost ? DDERR_SURFACELOST : reinterpret_cast<LockFn>(original[SlotOf(&IDirectDrawSurface4::Lock)])(self, r, d, f, e);
    }
    static HRESULT STDMETHODCALLTYPE Restore(IDirectDrawSurface4*) { ++restores, lost = false; return DD_OK; }

    static inline bool lost = false;
    static inline void* const* original = nullptr;
    ComRef<IDirectDrawSurface4> surface;
    std::vector<void*> table;
};

class XResEntryMgrTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (FAILED(display.hr)) GTEST_SKIP() << "no DirectDraw display, hr " << Hex(display.hr);
        if (display.mode == PixelMode::None) GTEST_SKIP() << "display format is neither 16 nor 32 bits";
        ASSERT_EQ(mgr.Bind(display.dd.Get(), display.backBuffer.Get(), display.Key()), DD_OK);
    }
    // Draws `src` of the entry at `at` on a new surface filled with `fill` and answers the surface.
    ComRef<IDirectDrawSurface4> DrawOn(XResHandle h, Size size, uint32_t fill, Point at, Rect src, uint32_t flags = 0,
                                       uint8_t alpha = 255)
    {
        auto target = display.MakeSurface(size.cx, size.cy);
        FillSurface(target.Get(), PackRgb(display.mode, uint8_t(fill >> 16), uint8_t(fill >> 8), uint8_t(fill)));
        EXPECT_EQ(mgr.Draw(h, target.Get(), at, src, {0, 0, 100, 100}, flags, alpha), DD_OK);
        return target;
    }

    TestDisplay display;
    spritetest::TempFolder folder{"gfx" + std::to_string(GetCurrentProcessId())};
    XResEntryMgr mgr;
};

}  // namespace

TEST_F(XResEntryMgrTest, LoadsEveryFormatAndDrawsItInTheFormatOfTheDepth)
{
    const char* depth = std::getenv("MIRELLE_DEPTH");
    EXPECT_EQ(mgr.GetPixelMode(), depth && std::string(depth) == "16" ? PixelMode::Rgb565 : PixelMode::Rgb32);
    Image withHotSpot = Picture();
    withHotSpot.hotSpot = {2, -1};
    const struct { const char* name; std::vector<uint8_t> bytes; bool keyed; Point hotSpot; } cases[] = {
        {"a.bmp", WriteBmp(Picture(), {BmpPixels::Rgb24, false}), false, {}},
        {"b.tga", WriteTga(withHotSpot, {32, true, false}), true, {2, -1}},
        {"c.psd", WritePsd(Picture(), {true, true}), true, {}},
        {"d.gif", WriteGif(std::vector<Image>{Picture()}), true, {}},
    };
    for (const auto& c : cases) {
        const XResHandle h = mgr.LoadImage(folder.Write(c.name, c.bytes));
        XResInfo info;
        EXPECT_TRUE(mgr.GetInfo(h, info) && info.size == Size(4, 3) && info.frameCount == 1 && info.hasColorKey == c.keyed &&
                    info.hotSpot == c.hotSpot) << c.name;
        const auto target = DrawOn(h, {8, 8}, kGrey, {2, 1}, {0, 0, 4, 3}, kKeyed);
        const struct { int x, y; uint32_t want; } pixels[] = {
            {2, 1, kRed}, {3, 2, kGreen}, {4, 3, kBlue}, {1, 1, kGrey}, {5, 1, c.keyed ? kGrey : kBlack}};  // BMP has no alpha
        for (const auto& p : pixels)
            EXPECT_TRUE(Near(ReadPixel(target.Get(), p.x, p.y), p.want)) << c.name << " at " << p.x << "," << p.y;
        mgr.Release(h);
    }
    EXPECT_EQ(mgr.GetEntryCount(), 0u);
}

TEST_F(XResEntryMgrTest, AnimatedGifFramesLieSideBySideInOneEntryForTwoThreads)
{
    std::vector<Image> frames;
    for (uint32_t i = 0; i < 3; ++i) {
        frames.push_back(*Image::Create(62, 78, i == 0 ? kRed : i == 1 ? kGreen : kBlue));
        frames.back().delay10ms = 5 * (i + 1);
    }
    const std::string path = folder.Write("robot_avatar0.gif", WriteGif(frames));
    XResHandle got[2];
    std::thread loader([&] { got[0] = mgr.LoadImage(path); });
    got[1] = mgr.LoadImage(path);
    loader.join();
    EXPECT_TRUE(!got[0].IsNull() && got[0] == got[1] && mgr.GetRefCount(got[0]) == 2 && mgr.GetEntryCount() == 1u);
    XResInfo info;
    ASSERT_TRUE(mgr.GetInfo(got[0], info));
    EXPECT_TRUE(info.size == Size(186, 78) && info.frameSize == Size(62, 78) && info.delays10ms == (std::vector<uint32_t>{5, 10, 15}));
    EXPECT_EQ(mgr.GetFrameRect(got[0], 2), Rect(124, 0, 186, 78));
    EXPECT_TRUE(mgr.GetFrameRect(got[0], 3).IsEmpty() && mgr.GetFrameRect(got[0], -1).IsEmpty());
    EXPECT_TRUE(Near(ReadPixel(DrawOn(got[0], {62, 78}, 0, {0, 0}, mgr.GetFrameRect(got[0], 1)).Get(), 30, 40), kGreen));
    for (XResHandle h : got) mgr.Release(h);
}

TEST_F(XResEntryMgrTest, EntriesAreSharedByNameAndCounted)
{
    const std::string path = folder.Write("Shared.bmp", WriteBmp(Picture()));
    std::string other = path;
    for (char& ch : other) ch = ch == '\\' ? '/' : static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    const XResHandle a = mgr.LoadImage(path);
    EXPECT_TRUE(!a.IsNull() && mgr.LoadImage(other) == a) << "the same file under another spelling is the same entry";
    EXPECT_EQ(mgr.AddRef(a), 3);
    const XResHandle named = mgr.CreateFromImage("card strip", Picture()), surface = mgr.CreateSurface("text:title", {100, 14});
    EXPECT_EQ(mgr.CreateFromImage("Card Strip", *Image::Create(9, 9, kRed)), named) << "the first picture stays";
    EXPECT_EQ(mgr.CreateSurface("text:title", {100, 14}), surface);
    const XResHandle own[] = {mgr.CreateSurface("", {10, 10}), mgr.CreateSurface("", {10, 10}),
                              mgr.CreateFromImage("", Picture()), mgr.CreateFromImage("", Picture())};
    EXPECT_TRUE(own[0] != own[1] && own[2] != own[3]) << "without a description an entry is private";
    XResInfo info;
    EXPECT_TRUE(mgr.GetEntryCount() == 7u && mgr.GetInfo(named, info) && info.size == Size(4, 3) && info.hasColorKey);
    mgr.Release(a);
    mgr.Release(a);
    EXPECT_EQ(mgr.IsOpaqueAt(a, 0, 0, 0), 1) << "still loaded while one holder is left";
    mgr.Release(a);
    const XResHandle reused = mgr.CreateFromImage("", Picture());  // may take the freed slot
    EXPECT_TRUE(mgr.GetRefCount(a) == 0 && mgr.IsOpaqueAt(a, 0, 0, 0) == 0) << "a released handle reaches nothing";
    EXPECT_NE(mgr.Draw(a, display.MakeSurface(4, 4).Get(), {0, 0}, {0, 0, 4, 3}, {0, 0, 4, 4}), DD_OK);
    for (XResHandle h : {named, named, surface, surface, own[0], own[1], own[2], own[3], reused}) mgr.Release(h);
    EXPECT_EQ(mgr.GetEntryCount(), 0u);
}

TEST_F(XResEntryMgrTest, RefusesWhatItCannotHold)
{
    std::vector<uint8_t> cut = WriteBmp(Picture());
    cut.pop_back();
    const struct { const char* name; std::string path; } files[] = {
        {"missing", folder.Base() + "nothing.bmp"},
        {"cut short", folder.Write("cut.bmp", cut)},
        {"not a picture", folder.Write("text.tga", {'h', 'e', 'l', 'l', 'o'})},
        {"a folder", folder.Base()},
    };
    for (const auto& c : files) EXPECT_TRUE(mgr.LoadImage(c.path).IsNull()) << c.name;
    EXPECT_TRUE(mgr.CreateFromFrames("", {}).IsNull() && mgr.CreateFromFrames("", {Image{}}).IsNull()) << "no frames, an empty one";
    EXPECT_TRUE(mgr.CreateSurface("huge", {100000, 10}).IsNull() && mgr.CreateSurface("empty", {0, 10}).IsNull());
    EXPECT_EQ(mgr.GetEntryCount(), 0u);
}

TEST_F(XResEntryMgrTest, IsOpaqueAtAnswersTransparentOutsideTheImage)
{
    const XResHandle keyed = mgr.LoadImage(folder.Write("k.tga", WriteTga(Picture()))),
                     plain = mgr.LoadImage(folder.Write("p.bmp", WriteBmp(Picture()))), blank = mgr.CreateSurface("", {5, 5});
    const struct { const char* name; XResHandle h; int x, y, frame, want; } cases[] = {
        {"key pixel", keyed, 3, 0, 0, 0}, {"last pixel", keyed, 3, 2, 0, 1}, {"left of it", keyed, -1, 0, 0, 0},
        {"right of it", keyed, 4, 0, 0, 0}, {"below it", keyed, 0, 3, 0, 0}, {"frame beyond the frames", keyed, 0, 0, 1, 0},
        {"negative frame", keyed, 0, 0, -1, 0},
        {"no colour key: black is opaque", plain, 3, 0, 0, 1}, {"no colour key, outside", plain, 9, 9, 0, 0},
        {"blank surface is all key", blank, 2, 2, 0, 0}, {"null handle", XResHandle{}, 0, 0, 0, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(mgr.IsOpaqueAt(c.h, c.x, c.y, c.frame), c.want) << c.name;
    for (XResHandle h : {keyed, plain, blank}) mgr.Release(h);
}

TEST_F(XResEntryMgrTest, RebindingToANewDisplayRemakesTheSurfaces)
{
    const XResHandle image = mgr.LoadImage(folder.Write("r.psd", WritePsd(Picture()))), blank = mgr.CreateSurface("scratch", {8, 8});
    ComRef<IDirectDrawSurface4> before = mgr.GetSurface(image);
    const uint32_t serialBefore = mgr.GetContentSerial(blank);
    ASSERT_TRUE(before);
    EXPECT_EQ(mgr.Bind(display.dd.Get(), display.backBuffer.Get(), display.Key()), DD_OK);
    EXPECT_EQ(mgr.GetSurface(image).Get(), before.Get()) << "binding the same display again keeps the surfaces";

    TestDisplay next;  // the display re-created
    ASSERT_EQ(mgr.Bind(next.dd.Get(), next.backBuffer.Get(), next.Key()), DD_OK);
    ComRef<IDirectDrawSurface4> after = mgr.GetSurface(image);
    ASSERT_TRUE(after && after.Get() != before.Get());
    EXPECT_TRUE(Near(ReadPixel(after.Get(), 1, 1), kGreen)) << "the new surface holds the picture";
    EXPECT_GT(mgr.GetContentSerial(blank), serialBefore) << "the owner of a blank surface learns to redraw";

    // The old display is let go once nothing of it is held.
    before.Reset();
    for (XResHandle h : {image, blank}) mgr.Release(h);
    mgr.Unbind();
    display.backBuffer.Reset();
    EXPECT_EQ(display.dd.Reset(), 0u) << "the old DirectDraw object leaked";
}

TEST_F(XResEntryMgrTest, ALostSurfaceIsRestoredRefilledAndDrawnMirroredAtAnAlphaLevel)
{
    const XResHandle h = mgr.LoadImage(folder.Write("m.tga", WriteTga(Picture())));
    ComRef<IDirectDrawSurface4> target;
    {
        const LosingSurface lost(mgr.GetSurface(h));
        // Mirrored: (transparent,) blue, green, red from the left, hanging one column past the left edge.
        target = DrawOn(h, {3, 3}, 0, {-1, 0}, {0, 0, 4, 3}, BlitFlag::MirrorX | BlitFlag::ColorKey, 128);
        EXPECT_EQ(LosingSurface::restores, 1);
    }
    for (int x = 0; x < 3; ++x)
        EXPECT_TRUE(Near(ReadPixel(target.Get(), x, 1), (0x80u << (8 * x)) | kBlack)) << "half of the colour over black at " << x;
    mgr.Release(h);
}

TEST(XResEntryMgrUnbound, HitTestsBeforeAnyDisplayAndGetsSurfacesAtBind)
{
    XResEntryMgr mgr;
    Image picture = Picture();
    picture.At(0, 2) = 0xFFFF00FF;
    picture.At(1, 2) = 0xFFFE00FF;  // near magenta is a colour until a format rounds it
    const XResHandle h = mgr.CreateFromImage("", picture);
    const struct { const char* name; int x, y, want; } cases[] = {
        {"alpha 0", 3, 0, 0}, {"magenta", 0, 2, 0}, {"near magenta", 1, 2, 1}, {"red", 0, 0, 1}};
    for (const auto& c : cases) EXPECT_EQ(mgr.IsOpaqueAt(h, c.x, c.y, 0), c.want) << c.name;
    EXPECT_FALSE(mgr.GetSurface(h)) << "nothing to draw with before a display";
    TestDisplay display;
    if (FAILED(display.hr)) GTEST_SKIP() << "no DirectDraw display, hr " << Hex(display.hr);
    ASSERT_EQ(mgr.Bind(display.dd.Get(), display.backBuffer.Get(), display.Key()), DD_OK);
    EXPECT_TRUE(mgr.GetSurface(h)) << "entries made before binding get their surface at bind";
    mgr.Release(h);
}
