#pragma once

#include <string>

#include "toolkit/GVQZSWnd.h"

// A frame of a ".psp" sprite pack.
class GVPSPWnd : public GVQZSWnd {
public:
    // Frame 0 at (0, 0); 1, or 0 on failure.
    int Load(const std::string& path) override;
    // Frame n; an index outside the frames (negative included) selects frame 0.
    void SetFrame(int n);
};
