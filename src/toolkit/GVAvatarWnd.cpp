#include "toolkit/GVAvatarWnd.h"

int GVAvatarWnd::LoadOne(const std::string& path)
{
    const XResHandle h = XResEntryMgr::Instance().LoadImage(path);
    XResInfo loaded;
    if (!XResEntryMgr::Instance().GetInfo(h, loaded)) return 0;
    // AdoptFrames takes over the reference, or releases it when it fails.
    if (!AdoptFrames(h, loaded.frameSize)) return 0;
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
