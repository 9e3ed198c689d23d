#include "toolkit/GVAvatarWnd.h"

int GVAvatarWnd::LoadOne(const std::string& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadFileBytes(path, bytes)) return 0;
    auto frames = DecodeImageFrames(bytes);
    if (!frames || frames->empty()) return 0;
    const Size size{frames->front().width, frames->front().height};
    if (!SetFrames(std::move(*frames), size)) return 0;
    Play(true);
    return 1;
}

int GVAvatarWnd::Load(const std::string& path, const std::string& fallbackPath)
{
    fallback = false;
    if (LoadOne(path)) return 1;
    fallback = true;
    return LoadOne(fallbackPath);
}

int GVAvatarWnd::Update()
{
    if (!IsVisible() || GetFrameCount() < 2) return 0;
    return Step();
}
