#include <SDL.h>
#include <benchmark/benchmark.h>
#include <pixman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Dib.h"
#include "graphics/sprite/core/LLESprite.h"
#include "graphics/sprite/core/SpriteFormats.h"

// Sprites drawn our way against two other blitters given the same pixels, each on its best path:
// SDL2 (colour keys on its run-length surfaces; alpha through its surface alpha, which it
// special-cases at 128) and pixman (OVER through an a8 mask: the colour key as 0 / 255, or the
// level on the opaque pixels). Two sets: one full-screen sprite, and the room's own card and
// panel sprites from the generated game folder (MIRELLE_GAME_DIR, else build/game). Each pair
// checks the two outputs before timing them side by side (PairedBench.h) and states the check in
// its label. Beside them, limit_us: the same rectangles copied row by row with memcpy.
// The checks:
// - colour keys: byte for byte (32-bit pixels on their colour bytes: pixman sets the unused top
//   byte of x8r8g8b8);
// - SDL alpha: 32-bit byte for byte; 16-bit within one step of each channel, since SDL cuts the
//   alpha of 16-bit pixels to its top five bits while we blend with all eight;
// - pixman alpha: it blends with the same eight bits, so 16-bit pixels within one step; 32-bit
//   ones within two, since it rounds the division by 255 of each term where we shift the sum by 8.

#include "PairedBench.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr int kColorKey = -1;  // the level that stands for a colour-keyed draw

enum class Peer { Sdl, Pixman };

using SdlSurface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;
struct PixmanUnref {
    void operator()(pixman_image_t* image) const { pixman_image_unref(image); }
};
using PixmanImage = std::unique_ptr<pixman_image_t, PixmanUnref>;

Uint32 SdlFormat(PixelMode m)
{
    return m == PixelMode::Rgb32 ? SDL_PIXELFORMAT_XRGB8888 : m == PixelMode::Rgb565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_XRGB1555;
}

pixman_format_code_t PixmanFormat(PixelMode m)
{
    return m == PixelMode::Rgb32 ? PIXMAN_x8r8g8b8 : m == PixelMode::Rgb565 ? PIXMAN_r5g6b5 : PIXMAN_x1r5g5b5;
}

// One sprite where it is drawn, with the same pixels for each peer.
struct Piece {
    KK_LLESprite sprite;
    Point at;                      // top-left corner on the target
    std::vector<uint32_t> pixels;  // rows of the peers' source, 32-bit words (16-bit modes packed two to a word)
    int pitch = 0;
    std::vector<uint8_t> opaque;   // 255 where the sprite has a pixel, 0 at the colour key
    SdlSurface sdl{nullptr, SDL_FreeSurface};
    PixmanImage pixman, keyMask, levelMask;
};

struct Setup {
    PixelMode mode;
    int bpp = BytesPerPixel(mode);  // bytes per pixel
    std::vector<Piece> pieces;
    K_Dib_Draw target;
    SdlSurface sdlTarget{nullptr, SDL_FreeSurface};
    std::vector<uint32_t> peerPixels;
    PixmanImage pixmanTarget;

    explicit Setup(PixelMode m) : mode(m)
    {
        CreateFXMan(m);
        target.Create(kWidth, kHeight, bpp * 8);
        sdlTarget.reset(SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, bpp * 8, SdlFormat(m)));
        peerPixels.resize(size_t(target.GetPitch() / 4) * kHeight);
        pixmanTarget.reset(pixman_image_create_bits(PixmanFormat(m), kWidth, kHeight, peerPixels.data(), target.GetPitch()));
    }
    ~Setup() { CreateFXMan(PixelMode::None); }

    // The sprite's decoded pixels become each peer's source.
    void Add(KK_LLESprite sprite, Point at)
    {
        Piece& p = pieces.emplace_back();
        const int w = sprite.GetWidth(), h = sprite.GetHeight();
        p.pitch = (w * bpp + 3) & ~3;
        p.pixels.assign(size_t(p.pitch / 4) * size_t(h), 0);
        p.opaque.assign(size_t(w) * size_t(h), 0);
        const std::vector<uint32_t> decoded = sprite.Decode();
        auto* bytes = reinterpret_cast<uint8_t*>(p.pixels.data());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const uint32_t v = decoded[size_t(y) * size_t(w) + size_t(x)];
                std::memcpy(bytes + size_t(y) * size_t(p.pitch) + size_t(x * bpp), &v, size_t(bpp));  // little-endian
                p.opaque[size_t(y) * size_t(w) + size_t(x)] = v == ColorKeyOf(mode) ? 0 : 255;
            }
        p.sdl.reset(SDL_CreateRGBSurfaceWithFormatFrom(p.pixels.data(), w, h, bpp * 8, p.pitch, SdlFormat(mode)));
        p.pixman.reset(pixman_image_create_bits(PixmanFormat(mode), w, h, p.pixels.data(), p.pitch));
        p.keyMask.reset(MaskOf(p, w, h, 255));
        p.sprite = std::move(sprite);
        p.at = at;
    }
    static pixman_image_t* MaskOf(const Piece& p, int w, int h, int level)
    {
        pixman_image_t* mask = pixman_image_create_bits(PIXMAN_a8, w, h, nullptr, 0);
        auto* bits = reinterpret_cast<uint8_t*>(pixman_image_get_data(mask));
        const int stride = pixman_image_get_stride(mask);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) bits[y * stride + x] = p.opaque[size_t(y) * size_t(w) + size_t(x)] ? uint8_t(level) : 0;
        return mask;
    }

    // Every target starts as the same background; the peers' own settings for the level.
    void Prepare(int level)
    {
        target.SetClipRect(target.GetBounds());
        target.Fill(0x00336699);
        for (int y = 0; y < kHeight; ++y) {
            std::memcpy(SdlPixel(0, y), target.Row<uint8_t>(y), size_t(kWidth * bpp));
            std::memcpy(PeerRow(y), target.Row<uint8_t>(y), size_t(kWidth * bpp));
        }
        for (Piece& p : pieces) {
            if (level == kColorKey) {
                SDL_SetColorKey(p.sdl.get(), SDL_TRUE, ColorKeyOf(mode));
                SDL_SetSurfaceRLE(p.sdl.get(), 1);
            } else {
                SDL_SetSurfaceBlendMode(p.sdl.get(), SDL_BLENDMODE_BLEND);
                SDL_SetSurfaceAlphaMod(p.sdl.get(), Uint8(level));
                p.levelMask.reset(MaskOf(p, p.sprite.GetWidth(), p.sprite.GetHeight(), level));
            }
        }
    }
    uint8_t* SdlPixel(int x, int y) const { return static_cast<uint8_t*>(sdlTarget->pixels) + ptrdiff_t(y) * sdlTarget->pitch + x * bpp; }
    uint8_t* PeerRow(int y) { return reinterpret_cast<uint8_t*>(peerPixels.data()) + ptrdiff_t(y) * target.GetPitch(); }

    void DrawOurs(int level)
    {
        const uint32_t fx = level == kColorKey ? 0u : uint32_t(kFxAlpha);
        for (const Piece& p : pieces)
            target.DrawSprite(p.sprite, p.at.x + p.sprite.GetHotSpot().x, p.at.y + p.sprite.GetHotSpot().y, fx,
                              level == kColorKey ? 255 : level);
    }
    bool DrawSdl()
    {
        for (const Piece& p : pieces) {
            SDL_Rect to{p.at.x, p.at.y, 0, 0};
            if (SDL_BlitSurface(p.sdl.get(), nullptr, sdlTarget.get(), &to) != 0) return false;
        }
        return true;
    }
    void DrawPixman(int level)
    {
        for (const Piece& p : pieces)
            pixman_image_composite32(PIXMAN_OP_OVER, p.pixman.get(), level == kColorKey ? p.keyMask.get() : p.levelMask.get(),
                                     pixmanTarget.get(), 0, 0, 0, 0, p.at.x, p.at.y, p.sprite.GetWidth(), p.sprite.GetHeight());
    }

    void CopyRows()
    {
        for (const Piece& p : pieces) {
            const auto* from = reinterpret_cast<const uint8_t*>(p.pixels.data());
            for (int y = 0; y < p.sprite.GetHeight(); ++y)
                std::memcpy(target.Row<uint8_t>(p.at.y + y) + p.at.x * bpp, from + ptrdiff_t(y) * p.pitch,
                            size_t(p.sprite.GetWidth() * bpp));
        }
    }

    // A pixel's channels in its own steps: 5 or 6 bits in 16-bit modes, 8 in 32-bit.
    struct Steps { int r, g, b; };
    Steps Channels(uint32_t p) const
    {
        if (mode == PixelMode::Rgb565) return {int((p >> 11) & 31), int((p >> 5) & 63), int(p & 31)};
        if (mode == PixelMode::Rgb555) return {int((p >> 10) & 31), int((p >> 5) & 31), int(p & 31)};
        return {int((p >> 16) & 255), int((p >> 8) & 255), int(p & 255)};
    }
    // The largest difference of any channel between our target and the peer's in the pixels' own
    // steps; -1 when every pixel is the same (32-bit ones on their colour bytes).
    int Difference(Peer peer)
    {
        int most = -1;
        const uint32_t used = mode == PixelMode::Rgb32 ? 0xFFFFFF : 0xFFFF;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                uint32_t ours = 0, theirs = 0;
                std::memcpy(&ours, target.Row<uint8_t>(y) + x * bpp, size_t(bpp));
                std::memcpy(&theirs, peer == Peer::Sdl ? SdlPixel(x, y) : PeerRow(y) + x * bpp, size_t(bpp));
                if (peer == Peer::Sdl ? ours == theirs : (ours & used) == (theirs & used)) continue;
                const Steps a = Channels(ours), b = Channels(theirs);
                most = std::max({most, std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
            }
        return most;
    }
    size_t Bytes() const
    {
        size_t n = 0;
        for (const Piece& p : pieces) n += size_t(p.sprite.GetWidth()) * size_t(p.sprite.GetHeight()) * size_t(bpp);
        return n;
    }
};

// The full-screen sprite: with holes, about one pixel in eight is the colour key, in short runs.
void AddScreenSprite(Setup& s, bool holes)
{
    const PixelMode m = s.mode;
    K_Dib source;
    source.Create(kWidth, kHeight, s.bpp * 8);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            uint32_t p = PackRgb(m, uint8_t(x), uint8_t(y), uint8_t(x ^ y));
            p = holes && (x / 5 + y / 3) % 8 == 0 ? ColorKeyOf(m) : p == ColorKeyOf(m) ? p ^ 1 : p;
            std::memcpy(source.Row<uint8_t>(y) + x * s.bpp, &p, size_t(s.bpp));
        }
    KK_LLESprite sprite;
    sprite.EncodeDib(source.GetBitmapInfo(), source.GetBits(), m);
    s.Add(std::move(sprite), {0, 0});
}

std::string GameDir()
{
    const char* dir = std::getenv("MIRELLE_GAME_DIR");
    return dir ? dir : MIRELLE_DEFAULT_GAME_DIR;
}

// The room's card packs and panel backs, every frame laid out over the target row by row, as
// far as they fit. False when the game folder has not been generated.
bool AddRoomSprites(Setup& s)
{
    const std::pair<const char*, SpriteFileKind> files[] = {
        {"Hwatoo/big.psp", SpriteFileKind::Pack},        {"Hwatoo/hand.psp", SpriteFileKind::Pack},
        {"Result/back.psp", SpriteFileKind::Pack},       {"Option/back.qzs", SpriteFileKind::Sheet},
        {"Jumsu/alert_back.qzs", SpriteFileKind::Sheet}, {"Notify/hwatoo_side.qzs", SpriteFileKind::Sheet},
    };
    Point at{0, 0};
    int rowHeight = 0;
    for (const auto& [name, kind] : files) {
        std::ifstream in(GameDir() + "/GameImage/" + name, std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        const auto data = ReadSpriteFile(bytes.data(), bytes.size(), kind);
        if (!data) return false;
        for (const QZFrame& f : data->frames) {
            if (at.x + f.width > kWidth) at = {0, at.y + rowHeight}, rowHeight = 0;
            if (f.width > kWidth || at.y + f.height > kHeight) continue;
            KK_LLESprite sprite;
            if (!sprite.EncodeFrame(f, s.mode)) return false;
            s.Add(std::move(sprite), at);
            at.x += f.width;
            rowHeight = std::max(rowHeight, f.height);
        }
    }
    return !s.pieces.empty();
}

void Draw(benchmark::State& state, const std::string& set, PixelMode mode, int level, Peer peer)
{
    Setup s(mode);
    if (set == "Room") {
        if (!AddRoomSprites(s)) return void(state.SkipWithError(("no generated sprites in " + GameDir()).c_str()));
    } else {
        AddScreenSprite(s, level == kColorKey);
    }
    s.Prepare(level);
    // One draw of each on the same background; SDL's first blit also encodes the runs.
    s.DrawOurs(level);
    if (peer == Peer::Sdl && !s.DrawSdl()) return void(paired::FailCheck(state, "SDL blit failed"));
    if (peer == Peer::Pixman) s.DrawPixman(level);
    for (const Piece& p : s.pieces)
        if (peer == Peer::Sdl && level == kColorKey && !(p.sdl->flags & SDL_RLEACCEL))
            return void(paired::FailCheck(state, "SDL did not run-length encode a source"));
    const int diff = s.Difference(peer);
    const bool exact = level == kColorKey || (peer == Peer::Sdl && mode == PixelMode::Rgb32);
    const int tolerance = exact ? -1 : peer == Peer::Sdl || mode != PixelMode::Rgb32 ? 1 : 2;
    if (diff > tolerance)
        return void(paired::FailCheck(state, "outputs differ by " + std::to_string(diff) + " steps"));
    std::string check = exact ? "checked: byte-identical"
                              : "checked: within " + std::to_string(tolerance) + " step(s), most " + std::to_string(std::max(diff, 0));
    if (level != kColorKey && peer == Peer::Pixman && mode == PixelMode::Rgb32)
        check += "; pixman rounds each term's division by 255, we shift the sum by 8";
    if (level != kColorKey && mode != PixelMode::Rgb32)
        check += peer == Peer::Sdl ? "; SDL blends at 5-bit alpha, ours at 8" : "; both blend at 8-bit alpha";
    state.SetLabel(check);
    state.counters["max_diff_steps"] = std::max(0, diff);
    size_t runs = 0;
    for (const Piece& p : s.pieces)
        for (int32_t y = 0; y < p.sprite.GetHeight(); ++y) runs += size_t(p.sprite.LineEnd(y) - p.sprite.LineBegin(y));
    state.counters["runs"] = double(runs);
    state.counters["pixels"] = double(s.Bytes() / size_t(s.bpp));
    // The limit: every sprite's rectangle copied row by row with memcpy to where it is drawn.
    if (peer == Peer::Sdl)
        paired::Time(state, [&] { s.DrawOurs(level); }, [&] { s.DrawSdl(); }, [&] { s.CopyRows(); });
    else
        paired::Time(state, [&] { s.DrawOurs(level); }, [&] { s.DrawPixman(level); }, [&] { s.CopyRows(); });
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(s.Bytes()));
}

}  // namespace

int main(int argc, char** argv)
{
    const std::pair<const char*, PixelMode> modes[] = {
        {"rgb565", PixelMode::Rgb565}, {"rgb555", PixelMode::Rgb555}, {"rgb32", PixelMode::Rgb32}};
    const std::pair<const char*, Peer> peers[] = {{"Sdl", Peer::Sdl}, {"Pixman", Peer::Pixman}};
    for (const char* set : {"Screen", "Room"})
        for (const auto& [peerName, peer] : peers)
            for (const auto& [modeName, mode] : modes)
                for (int level : {kColorKey, 77, 128, 200}) {
                    const std::string name = std::string("OursVs") + peerName + "/" + set +
                                             (level == kColorKey ? "ColorKey/" : "Alpha/") + modeName +
                                             (level == kColorKey ? "" : "_" + std::to_string(level));
                    benchmark::RegisterBenchmark(name.c_str(), Draw, std::string(set), mode, level, peer);
                }
    return paired::Main(argc, argv);
}
