#include <gtest/gtest.h>

#include "graphics/resources/DibSection.h"
#include "graphics/resources/XResEntryMgr.h"

TEST(XResFonts, SharedByDescriptionAndReleasedByCount)
{
    XResEntryMgr mgr;
    const HFONT a = mgr.GetFont(12, 400), bold = mgr.GetFont(12, 700);
    const HFONT sharp = mgr.GetFont(12, 400, nullptr, NONANTIALIASED_QUALITY);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(mgr.GetFont(12, 400, ""), a);
    EXPECT_TRUE(a != bold && a != sharp) << "weight and quality are part of the description";
    LOGFONTA lf{};
    ASSERT_EQ(GetObjectA(sharp, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfQuality, NONANTIALIASED_QUALITY);
    EXPECT_EQ(mgr.GetFontCount(), 3u);
    mgr.ReleaseFont(a);
    EXPECT_EQ(mgr.GetFontCount(), 3u) << "one holder is left";
    mgr.ReleaseFont(a);
    EXPECT_EQ(mgr.GetFontCount(), 2u);
    EXPECT_EQ(GetObjectType(a), 0u) << "the last release deletes the font";
    for (HFONT f : {a, bold, sharp}) mgr.ReleaseFont(f);  // one too many for the first: ignored
    EXPECT_EQ(mgr.GetFontCount(), 0u);
    EXPECT_EQ(mgr.GetFont(12, 400, "a face name far too long for a LOGFONT's thirty-two bytes"), nullptr);
}

TEST(XResFonts, DefaultFaceHasKoreanGlyphs)
{
    XResEntryMgr mgr;
    const std::string face = mgr.GetDefaultFace();
    ASSERT_FALSE(face.empty()) << "no font with Korean glyphs is installed";
    const HFONT font = mgr.GetFont(12, 700);
    DibSection dib;
    ASSERT_TRUE(font && dib.Create(64, 16, PixelMode::Rgb565));
    const HGDIOBJ old = SelectObject(dib.Dc(), font);
    char selected[LF_FACESIZE] = {};
    GetTextFaceA(dib.Dc(), LF_FACESIZE, selected);
    EXPECT_EQ(std::string(selected), face);
    TEXTMETRICA tm{};
    GetTextMetricsA(dib.Dc(), &tm);
    EXPECT_EQ(tm.tmCharSet, HANGEUL_CHARSET);
    WORD glyphs[2] = {0xCDCD, 0xCDCD};
    EXPECT_EQ(GetGlyphIndicesW(dib.Dc(), L"\uD55C\uAE00", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 2u);
    EXPECT_TRUE(glyphs[0] != 0xFFFF && glyphs[1] != 0xFFFF) << "a syllable without a glyph";
    SelectObject(dib.Dc(), old);
    mgr.ReleaseFont(font);
}

TEST(DibSection, PixelsAreWhereGdiSeesThem)
{
    for (PixelMode mode : {PixelMode::Rgb555, PixelMode::Rgb565, PixelMode::Rgb32}) {
        Image image = *Image::Create(3, 5, 0xFF000000);
        image.At(2, 4) = 0xFFFF0000;  // bottom-right red: top-down rows
        image.At(0, 0) = 0xFF0000FF;
        DibSection dib;
        ASSERT_TRUE(CreateDibFromImage(dib, image, mode, ColorKeyOf(mode))) << static_cast<int>(mode);
        const COLORREF red = GetPixel(dib.Dc(), 2, 4), blue = GetPixel(dib.Dc(), 0, 0);
        EXPECT_TRUE(GetRValue(red) >= 0xF0 && GetBValue(red) == 0 && GetBValue(blue) >= 0xF0 && GetRValue(blue) == 0)
            << static_cast<int>(mode) << ": red " << std::hex << red << ", blue " << blue;
    }
    DibSection bad;
    EXPECT_FALSE(bad.Create(0, 4, PixelMode::Rgb32));
    EXPECT_FALSE(bad.Create(4, 4, PixelMode::None));
}
