#pragma once

#include <ddraw.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "foundation/ComRef.h"
#include "foundation/CriticalSection.h"
#include "foundation/Win32.h"
#include "graphics/resources/core/Blit.h"
#include "graphics/resources/core/EntryTable.h"

enum class XResKind { Surface, Image };

// One resource of the manager: an off-screen surface of the display's format, blank (a widget
// draws into it) or holding a picture loaded from a file. An animated picture holds its frames
// side by side, each frameSize wide.
class XResEntry {
public:
    XResEntry(XResKind k, std::string n) : kind(k), name(std::move(n)) {}
    virtual ~XResEntry() = default;
    XResEntry(const XResEntry&) = delete;
    XResEntry& operator=(const XResEntry&) = delete;

    const XResKind kind;
    const std::string name;                  // file name or description; empty for a private surface
    Size size;                               // the whole surface
    Size frameSize;
    int frameCount = 1;
    std::vector<uint32_t> delays10ms;        // per frame
    Point hotSpot;
    bool hasColorKey = false;                // some pixel is transparent
    std::optional<Image> picture;            // images: the frames side by side, kept to refill the surface
    ComRef<IDirectDrawSurface4> surface;     // null while the manager is not bound
    uint32_t bindSerial = 0;                 // the binding the surface was made under
    uint32_t contentSerial = 1;              // blank surfaces: bumps when what was drawn is gone
};

// What the widgets need to know of an entry.
struct XResInfo {
    XResKind kind = XResKind::Surface;
    Size size;
    Size frameSize;
    int frameCount = 0;
    std::vector<uint32_t> delays10ms;
    Point hotSpot;
    bool hasColorKey = false;
    uint32_t contentSerial = 0;
};

// The process-wide manager of resource entries: surfaces and pictures shared by name and
// reference-counted, and cached GDI fonts. It is bound to the display's DirectDraw object,
// back buffer and colour key; binding it to a re-created display re-creates every surface on
// the new one. Every method locks: the loader thread loads while the window thread draws.
class XResEntryMgr {
public:
    // The process-wide manager. Separate instances serve the tests.
    static XResEntryMgr& Instance();

    XResEntryMgr() = default;
    ~XResEntryMgr();
    XResEntryMgr(const XResEntryMgr&) = delete;
    XResEntryMgr& operator=(const XResEntryMgr&) = delete;

    // Surfaces get the back buffer's pixel format (555, 565 or 32-bit) and `colorKey` as their
    // source colour key. Binding the same objects again changes nothing.
    HRESULT Bind(IDirectDraw4* dd, IDirectDrawSurface4* backBuffer, uint32_t colorKey);
    // Lets go of every surface and of the display; entries stay and are re-made at the next Bind.
    void Unbind();
    PixelMode GetPixelMode() const;
    uint32_t GetColorKey() const;

    // A BMP, TGA, GIF or PSD file, shared by file name; null handle when it cannot be read.
    XResHandle LoadImage(const std::string& path);
    // A picture made in memory, shared by description like a file (an empty description makes a
    // private one); null handle for an empty or oversized picture.
    XResHandle CreateFromImage(const std::string& description, const Image& image);
    // The same for the frames of an animation, laid side by side; every frame must have the
    // first one's size.
    XResHandle CreateFromFrames(const std::string& description, const std::vector<Image>& frames);
    // A blank surface filled with the colour key, shared by description (an empty description
    // makes a private one); null handle for a size out of range.
    XResHandle CreateSurface(const std::string& description, Size size);
    int AddRef(XResHandle h);
    void Release(XResHandle h);
    int GetRefCount(XResHandle h) const;
    size_t GetEntryCount() const;

    [[nodiscard]] bool GetInfo(XResHandle h, XResInfo& info) const;
    // The entry's content serial alone (cheap enough to ask at every draw); 0 for an unknown entry.
    uint32_t GetContentSerial(XResHandle h) const;
    // The entry's surface with a reference of the caller's; null when unbound or unknown.
    ComRef<IDirectDrawSurface4> GetSurface(XResHandle h);
    // Frame `frame` of the strip; empty for a frame out of range.
    Rect GetFrameRect(XResHandle h, int frame) const;

    // 1 when the pixel (x, y) of the frame is not the colour key or the entry has no colour key;
    // 0 when it is the key, lies outside the frame or the entry is unknown.
    int IsOpaqueAt(XResHandle h, int x, int y, int frame);

    // Draws `src` of the entry at `at` on the target, clipped to `clip` and the target (see Blit).
    // The colour key applies only to an entry with one. A lost entry surface is restored and
    // refilled, then the draw retried; a lost target is the caller's to restore.
    HRESULT Draw(XResHandle h, IDirectDrawSurface4* target, Point at, const Rect& src, const Rect& clip,
                 uint32_t flags = 0, uint8_t alpha = 255);

    // A shared GDI font of that height, weight, face (null or empty for the default Korean face)
    // and quality; null on failure. Each GetFont is matched by one ReleaseFont. Text drawn on a
    // surface that is later copied keyed wants NONANTIALIASED_QUALITY: a smoothed edge would mix
    // with the colour key.
    HFONT GetFont(int height, int weight, const char* face = nullptr, BYTE quality = DEFAULT_QUALITY);
    void ReleaseFont(HFONT font);
    size_t GetFontCount() const;
    // The face used when none is asked for.
    std::string GetDefaultFace();

private:
    struct Font {
        int height;
        int weight;
        std::string face;
        BYTE quality;
        HFONT font;
        int refs;
    };

    HRESULT MakeSurface(XResEntry& e);
    HRESULT FillSurface(XResEntry& e);
    HRESULT EnsureSurface(XResEntry& e);
    HRESULT RestoreSurface(XResEntry& e);
    XResHandle AddEntry(std::unique_ptr<XResEntry> entry);
    XResHandle AddPicture(const std::string& name, const std::vector<Image>& frames);

    mutable CriticalSection lock;
    EntryTable<XResEntry> entries;
    ComRef<IDirectDraw4> dd;
    ComRef<IDirectDrawSurface4> backBuffer;
    PixelMode mode = PixelMode::None;
    uint32_t colorKey = 0;
    uint32_t bindSerial = 0;
    std::vector<Font> fonts;
    std::optional<std::string> defaultFace;
};
