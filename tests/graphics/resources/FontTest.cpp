#include <gtest/gtest.h>

#include "graphics/resources/XResEntryMgr.h"

TEST(XResFonts, SharedByDescriptionAndReleasedByCount)
{
    XResEntryMgr mgr;
    const HFONT a = mgr.GetFont(12, 400), bold = mgr.GetFont(12, 700);
    const HFONT sharp = mgr.GetFont(12, 400, nullptr, NONANTIALIASED_QUALITY);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(mgr.GetFont(12, 400, ""), a);
    LOGFONTA lf{};
    EXPECT_TRUE(a != bold && a != sharp && GetObjectA(sharp, sizeof lf, &lf) && lf.lfQuality == NONANTIALIASED_QUALITY)
        << "weight and quality are part of the description";
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
    const HDC dc = CreateCompatibleDC(nullptr);
    ASSERT_TRUE(font && dc);
    const HGDIOBJ old = SelectObject(dc, font);
    char selected[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, selected);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    EXPECT_TRUE(std::string(selected) == face && tm.tmCharSet == HANGEUL_CHARSET) << selected << ", character set " << int{tm.tmCharSet};
    WORD glyphs[2] = {0xCDCD, 0xCDCD};
    EXPECT_EQ(GetGlyphIndicesW(dc, L"\uD55C\uAE00", 2, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 2u);
    EXPECT_TRUE(glyphs[0] != 0xFFFF && glyphs[1] != 0xFFFF) << "a syllable without a glyph";
    SelectObject(dc, old);
    DeleteDC(dc);
    mgr.ReleaseFont(font);
}
