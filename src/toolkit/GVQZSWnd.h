#pragma once

#include <string>

#include "graphics/sprite/core/QZSprite_RSCManager.h"
#include "toolkit/GVWnd.h"

class K_Dib_Draw;

// Draws a run-length sprite on a surface, its hot spot on `at`, clipped; 0 when the surface cannot
// be locked or no effect manager of the surface's format exists.
int DrawSpriteOnSurface(IDirectDrawSurface4* surface, const Rect& clip, const KK_LLESprite& sprite, Point at,
                        uint32_t fx = 0, int level = 255);

// One frame of a ".qzs" sprite sheet, placed by its anchor: the rectangle is the anchor minus the
// frame's hot spot, with the frame's size.
class GVQZSWnd : public GVWnd {
public:
    GVQZSWnd() = default;
    ~GVQZSWnd() override;

    // 1, or 0 on failure.
    virtual int Load(const std::string& path);
    // The size of frame n; empty for an index outside the frames (negative included).
    Size GetFrameSize(int n) const;
    int GetFrameCount() const;
    int GetFrame() const { return frame; }

    void SetPos(Point anchor) override;
    Point GetPos() const override { return anchor; }
    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

protected:
    int LoadAs(const std::string& path, QZSFileType type);
    const QZSpriteFile* File() const;
    // Shows frame n (callers check the range) and places the rectangle around the anchor.
    void ShowFrame(int n);

    int frame = 0;
    Point anchor;

private:
    QZSHandle handle;
};
