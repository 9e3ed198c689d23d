#pragma once

#include <string>
#include <vector>

#include "graphics/resources/core/Blit.h"
#include "graphics/resources/core/Image.h"
#include "toolkit/GVWnd.h"

// A widget with its own picture: a BMP, TGA or PSD image (or one made in memory), drawn with the
// colour key, mirror and alpha. The picture is kept in the format of the surface it is drawn on,
// converted on the first draw into that format. A widget narrower than its source rectangle shows
// the part that fits (cropped, never stretched).
class GVDDSWnd : public GVWnd {
public:
    // hotSpot -1: none; otherwise the image's hot spot is what SetPos places. 0 on failure.
    virtual int LoadImage(const std::string& path, int hotSpot);
    // Takes a picture made in memory; its size becomes the widget's size.
    void SetImage(Image image, bool useHotSpot = false);
    const Image& GetImage() const { return image; }
    bool HasImage() const { return !image.pixels.empty(); }

    // The part of the picture drawn, clamped to the picture.
    void SetSrcRect(const Rect& r);
    Rect GetSrcRect() const { return srcRect; }
    // BlitFlag bits (colour key, mirror).
    void SetDrawMode(uint32_t flags);
    // 255 opaque; clamped to 0..255.
    void SetAlpha(int a);
    int GetAlpha() const { return alpha; }
    // Percent see-through, clamped to 0..100.
    void SetTransparency(int percent);

    void SetPos(Point p) override;
    Point GetPos() const override;
    // Inside the rectangle and on a pixel of the picture that is not transparent.
    bool HitTest(int x, int y, unsigned flags) const override;
    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

protected:
    // Draws the source rectangle with its top-left at `at`.
    int DrawPicture(IDirectDrawSurface4* surface, const Rect& clip, Point at, const Rect& src);
    bool IsOpaqueAt(int x, int y) const;  // picture coordinates

private:
    const PixelView* ViewFor(PixelMode mode);

    Image image;
    bool useHotSpot = false;
    Rect srcRect;
    uint32_t drawFlags = static_cast<uint32_t>(BlitFlag::ColorKey);
    int alpha = 255;
    PixelMode convertedMode = PixelMode::None;
    std::vector<uint32_t> converted;
    PixelView view;
};

// Reads a file whole; false when it cannot.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes);
