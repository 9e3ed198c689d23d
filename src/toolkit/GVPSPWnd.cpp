#include "toolkit/GVPSPWnd.h"

int GVPSPWnd::Load(const std::string& path)
{
    anchor = {};
    frame = 0;
    return LoadAs(path, QZSFileType::Pack);
}

void GVPSPWnd::SetFrame(int n)
{
    if (n < 0 || n >= GetFrameCount()) n = 0;
    if (n == frame) return;
    ShowFrame(n);
}
