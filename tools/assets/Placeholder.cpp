#include "Placeholder.h"

#include <algorithm>
#include <array>

#include "FontText.h"
#include "table/core/CardModel.h"
#include "table/core/PileLayout.h"

namespace placeholder {

namespace {

uint32_t Opaque(uint32_t rgb) { return 0xFF000000u | (rgb & 0xFFFFFF); }

uint32_t Darker(uint32_t rgb) { return (rgb >> 1) & 0x7F7F7F; }

bool IsLight(uint32_t rgb)
{
    const uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r * 3 + g * 6 + b > 1280;
}

// The sources' narrow literals are CP949 (-fexec-charset): the font wants UTF-8.
std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

uint32_t InkOn(uint32_t background) { return IsLight(background) ? 0x000000 : 0xFFFFFF; }

// The flower of each month, as players call the months.
constexpr std::array<const char8_t*, 12> kFlowers = {u8"송학", u8"매조", u8"벚꽃", u8"흑싸리", u8"난초", u8"모란",
                                                     u8"홍싸리", u8"공산", u8"국진", u8"단풍", u8"오동", u8"비"};

std::string CategoryName(int id)
{
    const CardInfo card = GetCardInfo(id);
    if (card.month == kBonusMonth) return Utf8(u8"보너스");
    switch (card.category) {
    case CardCategory::Gwang: return Utf8(u8"광");
    case CardCategory::Animal: return Utf8(u8"열");
    case CardCategory::Ribbon: return Utf8(u8"띠");
    default: return Utf8(card.special == CardSpecial::DoublePi ? u8"쌍피" : u8"피");
    }
}

uint32_t CardColor(int id)
{
    const CardInfo card = GetCardInfo(id);
    if (card.month == kBonusMonth) return 0xC0A0E0;
    switch (card.category) {
    case CardCategory::Gwang: return 0xE8C040;
    case CardCategory::Animal: return 0x70B0E8;
    case CardCategory::Ribbon: return 0xE87070;
    default: return card.special == CardSpecial::DoublePi ? 0xC8C8A0 : 0xF0F0E0;
    }
}

}  // namespace

Image Flat(int32_t w, int32_t h, uint32_t rgb, Fill fill)
{
    Image image = *Image::Create(w, h, Opaque(rgb));
    const uint32_t edge = Opaque(Darker(rgb));
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const bool border = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            if (border) image.At(x, y) = edge;
            else if (fill == Fill::Frame || (fill == Fill::Stipple && (x + y) % 2 == 1)) image.At(x, y) = 0;
        }
    return image;
}

void Text(Image& image, int32_t x, int32_t y, const std::string& text, uint32_t background, int pixels)
{
    fonttext::Draw(image, x, y, text, pixels, InkOn(background));
}

namespace {

// Where Labelled puts a label: the text, its size and the box it must fit.
struct LabelPlan {
    std::string text;
    int pixels = 0;
    int32_t w = 0, h = 0;
};

LabelPlan PlanLabel(int32_t w, int32_t h, const std::string& name, int number)
{
    if (h >= 26) return {name, fonttext::Fit(name, 16, w - 4, (h - 6) / 2), w - 4, (h - 6) / 2};
    const std::string line = name + " #" + std::to_string(number);
    return {line, fonttext::Fit(line, std::min(14, h - 3), w - 4, h - 4), w - 4, h - 4};
}

bool Fits(const std::string& text, int pixels, int32_t w, int32_t h)
{
    const fonttext::Extent e = fonttext::Measure(text, pixels);
    return e.width <= w && e.height <= h;
}

}  // namespace

Image Labelled(int32_t w, int32_t h, uint32_t rgb, const std::string& name, int number, Fill fill)
{
    Image image = Flat(w, h, rgb, fill);
    // An empty label leaves the picture plain, for widgets that draw their own text on it; so does
    // a picture too small for any text.
    if (name.empty() || w < kSmallestLabelled || h < kSmallestLabelled) return image;
    const LabelPlan plan = PlanLabel(w, h, name, number);
    Text(image, 2, 2, plan.text, rgb, plan.pixels);
    if (h >= 26)
        Text(image, 2, 4 + fonttext::Measure(name, plan.pixels).height, "#" + std::to_string(number), rgb,
             std::min(plan.pixels, 11));
    return image;
}

bool LabelFits(int32_t w, int32_t h, const std::string& name, int lastNumber)
{
    if (name.empty() || w < kSmallestLabelled || h < kSmallestLabelled) return true;
    const LabelPlan plan = PlanLabel(w, h, name, lastNumber);
    return Fits(plan.text, plan.pixels, plan.w, plan.h);
}

Image Outline(int32_t w, int32_t h, uint32_t rgb)
{
    Image image = *Image::Create(w, h, 0);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            if (std::min(x, w - 1 - x) < 2 || std::min(y, h - 1 - y) < 2) image.At(x, y) = Opaque(rgb);
    return image;
}

bool GlyphFits(int32_t advance, int32_t h, const std::string& text)
{
    const int32_t width = std::max(advance - 2, 1);
    return Fits(text, fonttext::Fit(text, h, width, h - 4), width, h - 4);
}

Image Glyph(int32_t w, int32_t h, uint32_t rgb, const std::string& c, int32_t advance)
{
    advance = std::clamp(advance, 1, w);
    Image image = Flat(w, h, rgb);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = advance; x < w; ++x) image.At(x, y) = 0;
    fonttext::DrawCentred(image, 0, 0, advance, h, c, fonttext::Fit(c, h, std::max(advance - 2, 1), h - 4), InkOn(rgb));
    return image;
}

uint32_t Shade(uint32_t rgb, int n)
{
    const uint32_t step = static_cast<uint32_t>(n * 23);
    const uint32_t r = (((rgb >> 16) & 0xFF) + step) & 0xFF;
    const uint32_t g = (((rgb >> 8) & 0xFF) + step * 3) & 0xFF;
    return (r << 16) | (g << 8) | (rgb & 0xFF);
}

std::string CardFlowerLine(int id)
{
    const CardInfo info = GetCardInfo(id);
    if (info.month != kBonusMonth) return Utf8(kFlowers[static_cast<size_t>(info.month)]);
    return Utf8(PiValue(id) == 3 ? u8"쓰리피" : u8"쌍피");
}

Image Card(int32_t w, int32_t h, int id)
{
    if (id >= kCardCount) {
        Image back = Flat(w, h, 0xA02020);
        const std::string name = Utf8(u8"화투");
        fonttext::DrawCentred(back, 0, 0, w, h, name, fonttext::Fit(name, 14, w - 4, h - 4), 0xFFFFFF);
        return back;
    }
    const uint32_t rgb = CardColor(id);
    Image card = Flat(w, h, rgb);
    const CardInfo info = GetCardInfo(id);
    // The top rows hold the id only: the hint icons and markers cover them.
    const int32_t top = std::min(kCardMarkerRows, h / 3);
    const std::string idText = "#" + std::to_string(id);
    Text(card, 2, 2, idText, rgb, fonttext::Fit(idText, 10, w - 4, top - 4));
    const std::string month = info.month == kBonusMonth ? "B" : std::to_string(info.month + 1);
    const std::string category = CategoryName(id);
    const int32_t rest = h - top;
    // Month digits take about half of what is left, the category and the flower share the rest.
    const int32_t monthRows = rest / 2, categoryRows = (rest - monthRows) / (h >= 50 ? 2 : 1);
    fonttext::DrawCentred(card, 0, top, w, monthRows, month, fonttext::Fit(month, monthRows, w - 4, monthRows), InkOn(rgb));
    fonttext::DrawCentred(card, 0, top + monthRows, w, categoryRows, category,
                          fonttext::Fit(category, categoryRows, w - 4, categoryRows - 1), InkOn(rgb));
    if (h >= 50) {
        const std::string flower = CardFlowerLine(id);
        const int32_t y = top + monthRows + categoryRows;
        fonttext::DrawCentred(card, 0, y, w, h - y - 1, flower, fonttext::Fit(flower, 11, w - 4, h - y - 2), InkOn(rgb));
    }
    return card;
}

}  // namespace placeholder
