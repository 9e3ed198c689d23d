#pragma once

#include <string>

#include "toolkit/GVAnimWnd.h"

// A user's avatar picture, animated when the file has several frames; a picture that cannot be
// loaded is replaced by the fallback picture.
class GVAvatarWnd : public GVAnimWnd {
public:
    // 1 with the avatar or the fallback, 0 when neither loads.
    int Load(const std::string& path, const std::string& fallbackPath);
    bool IsFallback() const { return fallback; }
    // When visible, advances the frames by their delays; 1 on a change (the widget is then dirty).
    int Update();

private:
    int LoadOne(const std::string& path);
    bool fallback = false;
};
