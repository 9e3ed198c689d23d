#include "AssetBuilder.h"

#include <iconv.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <set>
#include <sstream>
#include <thread>

#include "Cursor.h"
#include "FontText.h"
#include "Placeholder.h"
#include "Sound.h"
#include "graphics/resources/core/ImageWriters.h"
#include "graphics/sprite/core/SpriteFormats.h"

namespace {

bool Fail(const ManifestEntry& e, const std::string& what, std::string& error)
{
    error = "line " + std::to_string(e.line) + " (" + e.path + "): " + what;
    return false;
}

bool ParseInt(const std::string& s, int& v)
{
    if (s.empty()) return false;
    char* end = nullptr;
    const long n = std::strtol(s.c_str(), &end, 10);
    if (*end != '\0' || n < -1000000 || n > 1000000) return false;
    v = static_cast<int>(n);
    return true;
}

// "WxH" or "X,Y".
bool ParsePair(const std::string& s, char sep, int& a, int& b)
{
    const size_t at = s.find(sep);
    return at != std::string::npos && ParseInt(s.substr(0, at), a) && ParseInt(s.substr(at + 1), b);
}

bool ParseColor(const std::string& s, uint32_t& rgb)
{
    if (s.size() != 6) return false;
    char* end = nullptr;
    rgb = static_cast<uint32_t>(std::strtoul(s.c_str(), &end, 16));
    return *end == '\0';
}

std::string Stem(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The manifest is UTF-8; the module's names are CP949.
bool ToCp949(const std::string& utf8, std::string& out)
{
    iconv_t cd = iconv_open("CP949", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string in = utf8;
    out.assign(in.size() * 2 + 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    size_t srcLeft = in.size(), dstLeft = out.size();
    const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    iconv_close(cd);
    if (rc == static_cast<size_t>(-1)) return false;
    out.resize(out.size() - dstLeft);
    return true;
}

std::vector<std::string> SplitList(const std::string& s)
{
    std::vector<std::string> items;
    std::stringstream in(s);
    std::string item;
    while (std::getline(in, item, ',')) items.push_back(item);
    return items;
}

// The size of the texts a picture carries at places (a dialog's captions beside its controls).
constexpr int kNotePixels = 12;

struct Shape {
    int w = 0, h = 0, frames = 1;
    std::vector<Point> hots{{0, 0}};  // frames split evenly between them, in order
    uint32_t rgb = 0x808080;
    placeholder::Fill fill = placeholder::Fill::Solid;
    std::string label;
    std::vector<std::string> labels;  // one per group of frames, split evenly like the hot spots
    std::vector<std::string> glyphs;  // frame f shows glyphs[f % size] instead of the label
    int advance = 0;                  // the columns a glyph takes before the next one starts
    int keyed = 0;                    // each frame's corners cut diagonally this deep, in the colour key magenta
    std::set<int> outlined;           // frames drawn as a bare outline, see-through inside
    bool fixedTint = false;           // every frame in the one colour, for texts drawn over it
    std::vector<std::pair<Point, std::string>> notes;  // small texts at places, in every labelled frame

    const std::string& LabelOf(int f) const
    {
        if (labels.empty()) return label;
        const size_t group = static_cast<size_t>(f) * labels.size() / static_cast<size_t>(frames);
        return labels[std::min(group, labels.size() - 1)];
    }

    Point HotOf(int f) const
    {
        const size_t group = static_cast<size_t>(f) * hots.size() / static_cast<size_t>(frames);
        return hots[std::min(group, hots.size() - 1)];
    }

    Image Frame(int f) const
    {
        const uint32_t shade = placeholder::Shade(rgb, glyphs.empty() && !fixedTint ? f : 0);
        if (outlined.count(f) != 0) return placeholder::Outline(w, h, shade);
        if (!glyphs.empty())
            return placeholder::Glyph(w, h, shade, glyphs[static_cast<size_t>(f) % glyphs.size()], advance);
        Image image = placeholder::Labelled(w, h, shade, LabelOf(f), f, fill);
        for (const auto& [at, text] : notes) placeholder::Text(image, at.x, at.y, text, shade, kNotePixels);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int dx = std::min(x, w - 1 - x), dy = std::min(y, h - 1 - y);
                if (dx + dy < keyed) image.At(x, y) = 0xFFFF00FF;
            }
        return image;
    }
};

// "N" or "A-B" items, comma separated: frame numbers below `frames`.
bool ParseFrameSet(const std::string& s, int frames, std::set<int>& out)
{
    for (const std::string& item : SplitList(s)) {
        int from = 0, to = 0;
        const size_t dash = item.find('-');
        if (dash == std::string::npos) {
            if (!ParseInt(item, from)) return false;
            to = from;
        } else if (!ParseInt(item.substr(0, dash), from) || !ParseInt(item.substr(dash + 1), to)) {
            return false;
        }
        if (from < 0 || to < from || to >= frames) return false;
        for (int f = from; f <= to; ++f) out.insert(f);
    }
    return !out.empty();
}

// "X,Y,TEXT;X,Y,TEXT;...": each text inside the w x h picture.
bool ParseNotes(const std::string& s, int w, int h, std::vector<std::pair<Point, std::string>>& notes)
{
    std::stringstream in(s);
    std::string item;
    while (std::getline(in, item, ';')) {
        const size_t first = item.find(','), second = first == std::string::npos ? first : item.find(',', first + 1);
        Point at;
        if (second == std::string::npos || !ParsePair(item.substr(0, second), ',', at.x, at.y)) return false;
        const std::string text = item.substr(second + 1);
        const fonttext::Extent e = fonttext::Measure(text, kNotePixels);
        if (text.empty() || at.x < 0 || at.y < 0 || at.x + e.width > w || at.y + e.height > h) return false;
        notes.emplace_back(at, text);
    }
    return !notes.empty();
}

// "X,Y" or several "X,Y;X,Y": one hot spot per group of frames.
bool ParseHots(const std::string& s, std::vector<Point>& hots)
{
    hots.clear();
    std::stringstream in(s);
    std::string item;
    while (std::getline(in, item, ';')) {
        Point p;
        if (!ParsePair(item, ',', p.x, p.y)) return false;
        hots.push_back(p);
    }
    return !hots.empty();
}

bool ReadShape(const ManifestEntry& e, Shape& s, std::string& error)
{
    if (std::string font; !fonttext::Ready(font)) return Fail(e, font, error);
    if (!ParsePair(e.Get("size"), 'x', s.w, s.h) || s.w < 1 || s.h < 1 || s.w > 2048 || s.h > 2048)
        return Fail(e, "size=WxH with sides 1..2048 is required", error);
    if (e.Has("frames") && (!ParseInt(e.Get("frames"), s.frames) || s.frames < 1 || s.frames > 4096))
        return Fail(e, "frames must be 1..4096", error);
    if (e.Has("color") && !ParseColor(e.Get("color"), s.rgb)) return Fail(e, "color must be RRGGBB", error);
    if (e.Has("hot") && (!ParseHots(e.Get("hot"), s.hots) || s.hots.size() > static_cast<size_t>(s.frames)))
        return Fail(e, "hot must be X,Y or X,Y;X,Y;... with at most one per frame", error);
    const std::string fill = e.Get("fill", "solid");
    if (fill == "stipple") s.fill = placeholder::Fill::Stipple;
    else if (fill == "frame") s.fill = placeholder::Fill::Frame;
    else if (fill != "solid") return Fail(e, "fill must be solid, stipple or frame", error);
    s.label = e.Get("label", Stem(e.path));
    if (e.Has("labels")) s.labels = SplitList(e.Get("labels"));
    if (s.labels.size() > static_cast<size_t>(s.frames)) return Fail(e, "labels must name at most one text per frame", error);
    s.glyphs = fonttext::Characters(e.Get("glyphs", ""));
    if (e.Has("texts")) s.glyphs = SplitList(e.Get("texts"));
    const std::string tint = e.Get("tint", "steps");
    if (tint != "steps" && tint != "fixed") return Fail(e, "tint must be steps or fixed", error);
    s.fixedTint = tint == "fixed";
    if (e.Has("notes") && !ParseNotes(e.Get("notes"), s.w, s.h, s.notes))
        return Fail(e, "notes must be X,Y,TEXT;... with each text inside the picture", error);
    if (e.Has("outline") && !ParseFrameSet(e.Get("outline"), s.frames, s.outlined))
        return Fail(e, "outline must list frames N or A-B below the frame count", error);
    s.advance = s.w;
    if (e.Has("advance") && (!ParseInt(e.Get("advance"), s.advance) || s.advance < 1 || s.advance > s.w))
        return Fail(e, "advance must be 1..the width", error);
    if (e.Has("keyed") && (!ParseInt(e.Get("keyed"), s.keyed) || s.keyed < 0)) return Fail(e, "keyed must be 0 or more", error);
    // A text that does not fit would be cut at the picture's edge and read as another.
    for (const std::string& text : s.glyphs)
        if (!placeholder::GlyphFits(s.advance, s.h, text)) return Fail(e, "the text \"" + text + "\" does not fit its frame", error);
    if (s.glyphs.empty()) {
        const std::vector<std::string> names = s.labels.empty() ? std::vector<std::string>{s.label} : s.labels;
        for (const std::string& name : names)
            if (!placeholder::LabelFits(s.w, s.h, name, s.frames - 1))
                return Fail(e, "the label \"" + name + "\" does not fit its frame", error);
    }
    return true;
}

// Frames side by side in one picture.
Image Strip(const Shape& s)
{
    Image strip = *Image::Create(s.w * s.frames, s.h);
    for (int f = 0; f < s.frames; ++f) {
        const Image frame = s.Frame(f);
        for (int y = 0; y < s.h; ++y)
            for (int x = 0; x < s.w; ++x) strip.At(f * s.w + x, y) = frame.At(x, y);
    }
    strip.hotSpot = s.HotOf(0);
    return strip;
}

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// A fixed serial number per path keeps the generated files the same from run to run.
int SerialOf(const std::string& path)
{
    uint32_t hash = 2166136261u;
    for (const char c : path) hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
    return static_cast<int>(hash & 0x7FFFFFFF);
}

std::vector<uint8_t> SoundFile(const std::string& path, double hz, int ms)
{
    const std::vector<int16_t> pcm = TonePcm(hz, ms, kToneRate);
    if (EndsWith(FoldPath(path), ".wav")) return WriteWave(pcm, kToneRate);
    return WriteOggVorbis(pcm, kToneRate, SerialOf(path));
}

struct ToneFile {
    std::string path;
    double hz = 0;
};

// The voice folders hold over a thousand files: they are encoded on several threads.
bool RenderTones(const std::vector<ToneFile>& files, int ms, std::vector<AssetBuilder::Output>& out)
{
    out.assign(files.size(), {});
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    const auto work = [&] {
        for (size_t i = next++; i < files.size(); i = next++) {
            out[i].path = files[i].path;
            out[i].bytes = SoundFile(files[i].path, files[i].hz, ms);
            if (out[i].bytes.empty()) failed = true;
        }
    };
    const size_t threads = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 8);
    std::vector<std::thread> pool;
    for (size_t t = 1; t < std::min(threads, files.size()); ++t) pool.emplace_back(work);
    work();
    for (std::thread& t : pool) t.join();
    return !failed;
}

// Tones above this lose their level to the encoder's low-pass at 22050 Hz.
constexpr int kHighestTone = 8000;

}  // namespace

std::string FoldPath(const std::string& path)
{
    std::string key = path;
    for (char& c : key) {
        if (c == '/') c = '\\';
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return key;
}

bool AssetBuilder::Build(const ManifestEntry& e, std::vector<Output>& out, std::string& error)
{
    out.clear();
    if (e.kind == "effects" || e.kind == "voices") return BuildSoundTable(e, out, error);
    out.emplace_back();
    if (BuildOne(e, out.back(), error)) return true;
    out.clear();
    return false;
}

bool AssetBuilder::BuildOne(const ManifestEntry& e, Output& out, std::string& error)
{
    out.path = e.path;
    out.bytes.clear();
    if (e.kind == "sheet" || e.kind == "pack") return BuildSprites(e, out, error);
    if (e.kind == "anim") return BuildAnimation(e, out, error);
    if (e.kind == "bmp" || e.kind == "tga" || e.kind == "psd" || e.kind == "gif") return BuildImage(e, out, error);
    if (e.kind == "cards") return BuildCards(e, out, error);
    if (e.kind == "cursor") return BuildCursor(e, out, error);
    if (e.kind == "tone") return BuildTone(e, out, error);
    if (e.kind == "ini") return BuildIni(e, out, error);
    return Fail(e, "unknown kind \"" + e.kind + "\"", error);
}

bool AssetBuilder::BuildSprites(const ManifestEntry& e, Output& out, std::string& error)
{
    Shape s;
    if (!ReadShape(e, s, error)) return false;
    QZSpriteData data;
    for (int f = 0; f < s.frames; ++f) {
        const Image image = s.Frame(f);
        const Point hot = s.HotOf(f);
        data.frames.push_back({s.w, s.h, hot.x, hot.y, image.pixels});
    }
    const bool pack = e.kind == "pack";
    out.bytes = WriteSpriteFile(data, pack ? SpriteFileKind::Pack : SpriteFileKind::Sheet);
    if (out.bytes.empty()) return Fail(e, "the frames break a limit of the sprite format", error);
    if (pack) packFrames[FoldPath(e.path)] = s.frames;
    return true;
}

bool AssetBuilder::BuildAnimation(const ManifestEntry& e, Output& out, std::string& error)
{
    QZAnimationFile file;
    file.packPath = e.Get("pack");
    const auto pack = packFrames.find(FoldPath(FolderOf(e.path) + file.packPath));
    if (pack == packFrames.end()) return Fail(e, "pack= must name a pack listed earlier, beside or below the animation", error);
    int frames = 1, delay = 10, stop = -1, count = 1;
    if (e.Has("frames") && (!ParseInt(e.Get("frames"), frames) || frames < 1)) return Fail(e, "frames must be positive", error);
    if (e.Has("delay") && (!ParseInt(e.Get("delay"), delay) || delay < 0 || delay > 65535)) return Fail(e, "delay must be 0..65535", error);
    if (e.Has("stop") && (!ParseInt(e.Get("stop"), stop) || stop < -1 || stop >= frames)) return Fail(e, "stop must be a frame", error);
    std::vector<std::string> names;
    if (e.Has("names")) names = SplitList(e.Get("names"));
    if (e.Has("count") && (!ParseInt(e.Get("count"), count) || count < 1)) return Fail(e, "count must be positive", error);
    file.isSet = !names.empty() || e.Has("count");
    if (!names.empty()) count = static_cast<int>(names.size());
    if (int64_t{count} * frames > pack->second) return Fail(e, "the pack has too few frames", error);
    for (int a = 0; a < count; ++a) {
        QZAnimation anim;
        if (a < static_cast<int>(names.size()) && !ToCp949(names[static_cast<size_t>(a)], anim.name))
            return Fail(e, "a name is not CP949 text", error);
        anim.stopFrame = stop;
        for (int f = 0; f < frames; ++f) {
            QZAFrame frame;
            frame.delay = static_cast<uint16_t>(delay);
            frame.parts.push_back({static_cast<uint16_t>(a * frames + f), 0, 0, 0});
            anim.frames.push_back(frame);
        }
        file.animations.push_back(std::move(anim));
    }
    out.bytes = WriteAnimationFile(file);
    if (out.bytes.empty()) return Fail(e, "the animation breaks a limit of the format", error);
    return true;
}

bool AssetBuilder::BuildImage(const ManifestEntry& e, Output& out, std::string& error)
{
    Shape s;
    if (!ReadShape(e, s, error)) return false;
    if (e.kind == "gif") {
        std::vector<Image> frames;
        int delay = 10;
        if (e.Has("delay") && (!ParseInt(e.Get("delay"), delay) || delay < 0)) return Fail(e, "delay must be positive", error);
        for (int f = 0; f < s.frames; ++f) {
            frames.push_back(s.Frame(f));
            // A GIF holds 256 colours: the font's smooth edges are cut to a few steps.
            for (uint32_t& px : frames.back().pixels) px = (px & 0xFFE0E0E0u) | 0x00101010u;
            frames.back().delay10ms = static_cast<uint32_t>(delay);
        }
        out.bytes = WriteGif(frames);
    } else if (e.kind == "bmp") {
        out.bytes = WriteBmp(Strip(s));
    } else if (e.kind == "tga") {
        out.bytes = WriteTga(Strip(s));
    } else {
        out.bytes = WritePsd(Strip(s));
    }
    if (out.bytes.empty()) return Fail(e, "the image writer refused the picture", error);
    return true;
}

bool AssetBuilder::BuildCards(const ManifestEntry& e, Output& out, std::string& error)
{
    int w = 0, h = 0;
    if (!ParsePair(e.Get("size"), 'x', w, h) || w < 8 || h < 14 || w > 200 || h > 300)
        return Fail(e, "size=WxH of a card is required", error);
    if (std::string font; !fonttext::Ready(font)) return Fail(e, font, error);
    // One card under the other, as the card window cuts its frames; the back (frame 50) last.
    Image strip = *Image::Create(w, h * 51);
    for (int id = 0; id <= 50; ++id) {
        const Image card = placeholder::Card(w, h, id);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) strip.At(x, id * h + y) = card.At(x, y);
    }
    out.bytes = WriteBmp(strip);
    if (out.bytes.empty()) return Fail(e, "the BMP writer refused the cards", error);
    return true;
}

bool AssetBuilder::BuildCursor(const ManifestEntry& e, Output& out, std::string& error)
{
    int side = 32, frames = 1, jiffies = 10;
    uint32_t rgb = 0xFFFFFF;
    if (e.Has("side") && (!ParseInt(e.Get("side"), side) || side < 8 || side > 256)) return Fail(e, "side must be 8..256", error);
    if (e.Has("frames") && (!ParseInt(e.Get("frames"), frames) || frames < 1 || frames > 64)) return Fail(e, "frames must be 1..64", error);
    if (e.Has("delay") && (!ParseInt(e.Get("delay"), jiffies) || jiffies < 1)) return Fail(e, "delay must be positive", error);
    if (e.Has("color") && !ParseColor(e.Get("color"), rgb)) return Fail(e, "color must be RRGGBB", error);
    std::vector<Image> images;
    for (int f = 0; f < frames; ++f) images.push_back(ArrowCursor(side, placeholder::Shade(rgb, f)));
    out.bytes = WriteAni(images, static_cast<uint32_t>(jiffies));
    if (out.bytes.empty()) return Fail(e, "the cursor writer refused the frames", error);
    return true;
}

bool AssetBuilder::BuildSoundTable(const ManifestEntry& e, std::vector<Output>& out, std::string& error)
{
    int ms = 200, from = 220, step = 20;
    if (e.Has("length") && (!ParseInt(e.Get("length"), ms) || ms < 50 || ms > 1000)) return Fail(e, "length must be 50..1000 ms", error);
    if (e.Has("from") && (!ParseInt(e.Get("from"), from) || from < 20)) return Fail(e, "from must be 20 Hz or more", error);
    if (e.Has("step") && (!ParseInt(e.Get("step"), step) || step < 1)) return Fail(e, "step must be 1 Hz or more", error);
    const std::vector<std::string> names = e.kind == "effects" ? EffectFiles() : VoiceFiles();
    if (from + int64_t{step} * static_cast<int64_t>(names.size() - 1) > kHighestTone)
        return Fail(e, "the highest tone lies above " + std::to_string(kHighestTone) + " Hz", error);
    std::string folder = e.path;
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
    // Tone i belongs to row i of the table, so a file's pitch tells its id; a name listed twice
    // is written once.
    std::vector<ToneFile> files;
    std::set<std::string> seen;
    for (size_t i = 0; i < names.size(); ++i)
        if (seen.insert(FoldPath(names[i])).second) files.push_back({folder + names[i], from + double(step) * double(i)});
    if (!RenderTones(files, ms, out)) {
        out.clear();
        return Fail(e, "the Vorbis encoder refused the tones", error);
    }
    return true;
}

bool AssetBuilder::BuildTone(const ManifestEntry& e, Output& out, std::string& error)
{
    int hz = 440, ms = 200;
    if (e.Has("hz") && (!ParseInt(e.Get("hz"), hz) || hz < 20 || hz > kHighestTone)) return Fail(e, "hz must be 20..8000", error);
    if (e.Has("length") && (!ParseInt(e.Get("length"), ms) || ms < 1 || ms > 600000)) return Fail(e, "length must be 1..600000 ms", error);
    out.bytes = SoundFile(e.path, hz, ms);
    if (out.bytes.empty()) return Fail(e, "the Vorbis encoder refused the tone", error);
    return true;
}

// The portal's ini file: one section, the other settings as its keys, CRLF lines in CP949.
bool AssetBuilder::BuildIni(const ManifestEntry& e, Output& out, std::string& error)
{
    if (e.Get("section").empty()) return Fail(e, "section=NAME is required", error);
    std::string text = "[" + e.Get("section") + "]\r\n";
    for (const auto& [key, value] : e.settings)
        if (key != "section") text += key + "=" + value + "\r\n";
    std::string bytes;
    if (!ToCp949(text, bytes)) return Fail(e, "the text is not CP949", error);
    out.bytes.assign(bytes.begin(), bytes.end());
    return true;
}
