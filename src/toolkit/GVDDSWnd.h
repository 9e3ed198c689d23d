#pragma once

#include <string>
#include <vector>

#include "graphics/resources/XResEntryMgr.h"
#include "graphics/resources/core/Blit.h"
#include "graphics/resources/core/Image.h"
#include "toolkit/GVWnd.h"

// A widget with its own picture: a BMP, TGA, GIF or PSD image (or one made in memory), drawn with
// the colour key, mirror and alpha. The picture is an entry of the process-wide XResEntryMgr,
// shared by file name with every other widget showing that file; the widget holds one reference
// and gives it back when destroyed. A widget narrower than its source rectangle shows the part
// that fits (cropped, never stretched).
class GVDDSWnd : public GVWnd {
public:
    GVDDSWnd() = default;
    ~GVDDSWnd() override;

    // hotSpot -1: none; otherwise the image's hot spot is what SetPos places. 0 on failure, and
    // the picture shown before stays.
    virtual int LoadImage(const std::string& path, int hotSpot);
    // Takes a picture made in memory (a private entry); its size becomes the widget's size.
    void SetImage(const Image& image, bool useHotSpot = false);
    bool HasImage() const { return !entry.IsNull(); }
    // The whole picture (for an animation: all its frames side by side).
    Size GetImageSize() const { return imageSize; }
    XResHandle GetEntry() const { return entry; }
    // Shows `other`'s picture too, taking a reference of its entry; false when it has none.
    bool ShareImage(const GVDDSWnd& other);

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
    // 0 also when the manager is not bound to a display: the picture cannot be drawn yet.
    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;

protected:
    // Shows the entry, adopting the caller's reference; the previous one is released. The source
    // rectangle and the widget's size become the entry's whole surface.
    void AdoptEntry(XResHandle handle, bool useHotSpot);
    void ReleaseEntry();
    // Draws the source rectangle with its top-left at `at`.
    int DrawPicture(IDirectDrawSurface4* surface, const Rect& clip, Point at, const Rect& src);
    bool IsOpaqueAt(int x, int y) const;  // picture coordinates
    // What the manager said of the entry when it was adopted.
    const XResInfo& GetEntryInfo() const { return info; }

private:
    XResHandle entry;  // one reference, released by ReleaseEntry
    XResInfo info;
    Size imageSize;
    bool useHotSpot = false;
    Rect srcRect;
    uint32_t drawFlags = static_cast<uint32_t>(BlitFlag::ColorKey);
    int alpha = 255;
};
