#include "graphics/resources/XResEntryMgr.h"

#include <algorithm>

#include "foundation/Debug.h"

namespace {

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM faces)
{
    reinterpret_cast<std::vector<std::string>*>(faces)->push_back(font->lfFaceName);
    return 1;
}

// Korean faces in order of preference: the system's own, then the free faces Wine is given.
std::string FindKoreanFace()
{
    std::vector<std::string> faces;
    const HDC screen = GetDC(nullptr);
    LOGFONTA query{};
    query.lfCharSet = HANGEUL_CHARSET;
    EnumFontFamiliesExA(screen, &query, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, screen);
    for (const char* wanted : {"굴림", "Gulim", "나눔고딕", "NanumGothic", "나눔바른고딕", "NanumBarunGothic"})
        if (std::find(faces.begin(), faces.end(), wanted) != faces.end()) return wanted;
    // Any face with Korean glyphs beats a face without them.
    for (const std::string& f : faces)
        if (!f.empty() && f[0] != '@') return f;
    return {};
}

}  // namespace

std::string XResEntryMgr::GetDefaultFace()
{
    CsLock hold(lock);
    if (!defaultFace) defaultFace = FindKoreanFace();
    return *defaultFace;
}

HFONT XResEntryMgr::GetFont(int height, int weight, const char* face, BYTE quality)
{
    std::string name = face ? face : "";
    if (name.empty()) name = GetDefaultFace();
    if (name.size() >= LF_FACESIZE) return nullptr;
    CsLock hold(lock);
    for (Font& f : fonts) {
        if (f.height == height && f.weight == weight && f.face == name && f.quality == quality) {
            ++f.refs;
            return f.font;
        }
    }
    LOGFONTA lf{};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfCharSet = HANGEUL_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = quality;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    std::copy(name.begin(), name.end(), lf.lfFaceName);
    const HFONT font = CreateFontIndirectA(&lf);
    if (!font) {
        DebugLine("XResEntryMgr: CreateFont %d/%d \"%s\" failed", height, weight, name.c_str());
        return nullptr;
    }
    fonts.push_back({height, weight, name, quality, font, 1});
    return font;
}

void XResEntryMgr::ReleaseFont(HFONT font)
{
    CsLock hold(lock);
    const auto it = std::find_if(fonts.begin(), fonts.end(), [&](const Font& f) { return f.font == font; });
    if (it == fonts.end() || --it->refs > 0) return;
    DeleteObject(it->font);
    fonts.erase(it);
}

size_t XResEntryMgr::GetFontCount() const
{
    CsLock hold(lock);
    return fonts.size();
}
