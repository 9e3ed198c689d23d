#include "graphics/resources/XResEntryMgr.h"

#include <algorithm>

#include "foundation/Debug.h"
#include "graphics/resources/SurfaceLock.h"

namespace {

constexpr DWORD kMaxImageFileBytes = 64u << 20;

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<std::vector<uint8_t>> bytes;
    const DWORD size = GetFileSize(file, nullptr);
    if (size != INVALID_FILE_SIZE && size <= kMaxImageFileBytes) {
        std::vector<uint8_t> data(size);
        DWORD read = 0;
        if (size == 0 || (ReadFile(file, data.data(), size, &read, nullptr) && read == size)) bytes = std::move(data);
    }
    CloseHandle(file);
    return bytes;
}

// The frames of an animation side by side in one picture, so one surface holds them all.
std::optional<Image> JoinFrames(const std::vector<Image>& frames)
{
    const Image& first = frames.front();
    auto strip = Image::Create(first.width * static_cast<int32_t>(frames.size()), first.height);
    if (!strip) return std::nullopt;
    for (size_t i = 0; i < frames.size(); ++i)
        for (int32_t y = 0; y < first.height; ++y)
            std::copy_n(&frames[i].pixels[static_cast<size_t>(y) * first.width], first.width,
                        &strip->At(static_cast<int32_t>(i) * first.width, y));
    strip->hotSpot = first.hotSpot;
    return strip;
}

std::unique_ptr<XResEntry> MakeImageEntry(const std::string& path, const std::vector<Image>& frames)
{
    auto strip = frames.size() == 1 ? std::optional<Image>(frames.front()) : JoinFrames(frames);
    if (!strip) return nullptr;
    auto e = std::make_unique<XResEntry>(XResKind::Image, path);
    e->size = {strip->width, strip->height};
    e->frameSize = {frames.front().width, frames.front().height};
    e->frameCount = static_cast<int>(frames.size());
    for (const Image& f : frames) e->delays10ms.push_back(f.delay10ms);
    e->hotSpot = strip->hotSpot;
    e->picture = std::move(strip);
    return e;
}

// Until a surface format is known, pure magenta stands for the key every format has.
bool IsTransparent(uint32_t argb, PixelMode mode, uint32_t key)
{
    if (AlphaOf(argb) < 128) return true;
    if (mode == PixelMode::None) return (argb & 0xFFFFFF) == 0xFF00FF;
    return PackRgb(mode, static_cast<uint8_t>(argb >> 16), static_cast<uint8_t>(argb >> 8), static_cast<uint8_t>(argb)) == key;
}

bool HasTransparentPixel(const Image& picture, PixelMode mode, uint32_t key)
{
    return std::any_of(picture.pixels.begin(), picture.pixels.end(),
                       [&](uint32_t p) { return IsTransparent(p, mode, key); });
}

bool AreFramesAlike(const std::vector<Image>& frames)
{
    if (frames.empty()) return false;
    const Image& first = frames.front();
    if (!IsImageSizeAllowed(first.width, first.height)) return false;
    return std::all_of(frames.begin(), frames.end(), [&](const Image& f) {
        return f.width == first.width && f.height == first.height &&
               f.pixels.size() == static_cast<size_t>(first.width) * static_cast<size_t>(first.height);
    });
}

void FillView(const PixelView& v, uint32_t value)
{
    for (int32_t y = 0; y < v.height; ++y)
        for (int32_t x = 0; x < v.width; ++x) v.SetPixel(x, y, value);
}

}  // namespace

XResEntryMgr& XResEntryMgr::Instance()
{
    // Never destroyed: at process exit DirectDraw may be gone before our static destructors run,
    // and releasing a surface then would crash. The main window unbinds it before the display goes.
    static XResEntryMgr* const manager = new XResEntryMgr;
    return *manager;
}

XResEntryMgr::~XResEntryMgr()
{
    for (Font& f : fonts) DeleteObject(f.font);
}

HRESULT XResEntryMgr::Bind(IDirectDraw4* newDd, IDirectDrawSurface4* newBackBuffer, uint32_t key)
{
    if (!newDd || !newBackBuffer) return DDERR_INVALIDPARAMS;
    DDPIXELFORMAT format{};
    format.dwSize = sizeof format;
    const HRESULT hr = newBackBuffer->GetPixelFormat(&format);
    if (FAILED(hr)) return Fail("XResEntryMgr::Bind GetPixelFormat", hr);
    const PixelMode newMode = PixelModeOf(format);
    if (newMode == PixelMode::None) return Fail("XResEntryMgr::Bind pixel format", DDERR_INVALIDPIXELFORMAT);

    CsLock hold(lock);
    if (dd.Get() == newDd && backBuffer.Get() == newBackBuffer && mode == newMode && colorKey == key) return DD_OK;
    // Holding the old display until here keeps its address from being reused by the new one.
    newDd->AddRef();
    newBackBuffer->AddRef();
    dd = ComRef<IDirectDraw4>(newDd);
    backBuffer = ComRef<IDirectDrawSurface4>(newBackBuffer);
    mode = newMode;
    colorKey = key;
    ++bindSerial;
    HRESULT result = DD_OK;
    entries.ForEach([&](XResEntry& e) {
        const HRESULT made = EnsureSurface(e);
        if (FAILED(made)) result = made;
    });
    return result;
}

void XResEntryMgr::Unbind()
{
    CsLock hold(lock);
    entries.ForEach([](XResEntry& e) { e.surface.Reset(); });
    backBuffer.Reset();
    dd.Reset();
    mode = PixelMode::None;
    ++bindSerial;
}

PixelMode XResEntryMgr::GetPixelMode() const
{
    CsLock hold(lock);
    return mode;
}

uint32_t XResEntryMgr::GetColorKey() const
{
    CsLock hold(lock);
    return colorKey;
}

HRESULT XResEntryMgr::MakeSurface(XResEntry& e)
{
    e.surface.Reset();
    DDSURFACEDESC2 desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT;
    desc.dwWidth = static_cast<DWORD>(e.size.cx);
    desc.dwHeight = static_cast<DWORD>(e.size.cy);
    // System memory: the blitters draw with the processor.
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_SYSTEMMEMORY;
    desc.ddpfPixelFormat = PixelFormatOf(mode);
    HRESULT hr = dd->CreateSurface(&desc, e.surface.Put(), nullptr);
    if (FAILED(hr)) return Fail("XResEntryMgr CreateSurface", hr);
    DDCOLORKEY ck{colorKey, colorKey};
    hr = e.surface->SetColorKey(DDCKEY_SRCBLT, &ck);
    if (FAILED(hr)) Fail("XResEntryMgr SetColorKey", hr);  // our own blitters do not need it
    e.bindSerial = bindSerial;
    return FillSurface(e);
}

HRESULT XResEntryMgr::FillSurface(XResEntry& e)
{
    SurfaceLock locked(e.surface.Get());
    if (!locked.IsLocked()) return locked.Result();
    if (!locked.View().IsValid()) return DDERR_INVALIDPIXELFORMAT;
    if (e.picture) {
        StoreImage(*e.picture, locked.View(), colorKey);
        e.hasColorKey = HasTransparentPixel(*e.picture, mode, colorKey);
    } else {
        FillView(locked.View(), colorKey);
        e.hasColorKey = true;
        ++e.contentSerial;
    }
    return DD_OK;
}

HRESULT XResEntryMgr::EnsureSurface(XResEntry& e)
{
    if (!dd) return DDERR_NOTINITIALIZED;
    if (e.surface && e.bindSerial == bindSerial) return DD_OK;
    return MakeSurface(e);
}

HRESULT XResEntryMgr::RestoreSurface(XResEntry& e)
{
    const HRESULT hr = e.surface->Restore();
    if (FAILED(hr)) return MakeSurface(e);
    return FillSurface(e);
}

XResHandle XResEntryMgr::AddEntry(std::unique_ptr<XResEntry> entry)
{
    // Another thread may have made the same entry meanwhile: share that one.
    const std::string key = EntryKeyOf(entry->name);
    if (const XResHandle found = entries.Acquire(key); !found.IsNull()) return found;
    XResEntry& e = *entry;
    const XResHandle h = entries.Add(key, std::move(entry));
    if (dd && FAILED(EnsureSurface(e))) {
        entries.Release(h);
        return {};
    }
    return h;
}

XResHandle XResEntryMgr::LoadImage(const std::string& path)
{
    {
        CsLock hold(lock);
        if (const XResHandle found = entries.Acquire(EntryKeyOf(path)); !found.IsNull()) return found;
    }
    // Reading and decoding run outside the lock, so drawing goes on while the loader loads.
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        DebugLine("XResEntryMgr: cannot read %s", path.c_str());
        return {};
    }
    const auto frames = DecodeImageFrames(*bytes);
    if (!frames) {
        DebugLine("XResEntryMgr: not a picture we read: %s", path.c_str());
        return {};
    }
    return AddPicture(path, *frames);
}

XResHandle XResEntryMgr::AddPicture(const std::string& name, const std::vector<Image>& frames)
{
    if (!AreFramesAlike(frames)) return {};
    auto entry = MakeImageEntry(name, frames);
    if (!entry) return {};
    CsLock hold(lock);
    entry->hasColorKey = HasTransparentPixel(*entry->picture, mode, colorKey);
    return AddEntry(std::move(entry));
}

XResHandle XResEntryMgr::CreateFromImage(const std::string& description, const Image& image)
{
    return CreateFromFrames(description, std::vector<Image>{image});
}

XResHandle XResEntryMgr::CreateFromFrames(const std::string& description, const std::vector<Image>& frames)
{
    {
        CsLock hold(lock);
        if (const XResHandle found = entries.Acquire(EntryKeyOf(description)); !found.IsNull()) return found;
    }
    return AddPicture(description, frames);
}

XResHandle XResEntryMgr::CreateSurface(const std::string& description, Size size)
{
    if (!IsImageSizeAllowed(size.cx, size.cy)) return {};
    CsLock hold(lock);
    if (const XResHandle found = entries.Acquire(EntryKeyOf(description)); !found.IsNull()) return found;
    auto e = std::make_unique<XResEntry>(XResKind::Surface, description);
    e->size = size;
    e->frameSize = size;
    e->delays10ms = {0};
    e->hasColorKey = true;
    return AddEntry(std::move(e));
}

int XResEntryMgr::AddRef(XResHandle h)
{
    CsLock hold(lock);
    return entries.AddRef(h);
}

void XResEntryMgr::Release(XResHandle h)
{
    std::unique_ptr<XResEntry> gone;
    CsLock hold(lock);
    gone = entries.Release(h);  // freed after the lock is left: no one else can reach it now
}

int XResEntryMgr::GetRefCount(XResHandle h) const
{
    CsLock hold(lock);
    return entries.RefCount(h);
}

size_t XResEntryMgr::GetEntryCount() const
{
    CsLock hold(lock);
    return entries.Count();
}

bool XResEntryMgr::GetInfo(XResHandle h, XResInfo& info) const
{
    CsLock hold(lock);
    const XResEntry* e = entries.Get(h);
    if (!e) return false;
    info = {e->kind, e->size, e->frameSize, e->frameCount, e->delays10ms, e->hotSpot, e->hasColorKey, e->contentSerial};
    return true;
}

uint32_t XResEntryMgr::GetContentSerial(XResHandle h) const
{
    CsLock hold(lock);
    const XResEntry* e = entries.Get(h);
    return e ? e->contentSerial : 0;
}

ComRef<IDirectDrawSurface4> XResEntryMgr::GetSurface(XResHandle h)
{
    CsLock hold(lock);
    XResEntry* e = entries.Get(h);
    if (!e || FAILED(EnsureSurface(*e))) return {};
    return e->surface;
}

Rect XResEntryMgr::GetFrameRect(XResHandle h, int frame) const
{
    CsLock hold(lock);
    const XResEntry* e = entries.Get(h);
    if (!e || frame < 0 || frame >= e->frameCount) return {};
    return Rect({frame * e->frameSize.cx, 0}, e->frameSize);
}

int XResEntryMgr::IsOpaqueAt(XResHandle h, int x, int y, int frame)
{
    CsLock hold(lock);
    XResEntry* e = entries.Get(h);
    if (!e || frame < 0 || frame >= e->frameCount) return 0;
    if (!Rect({0, 0}, e->frameSize).Contains(x, y)) return 0;
    if (!e->hasColorKey) return 1;
    const int32_t sx = frame * e->frameSize.cx + x;
    if (e->picture) return IsTransparent(e->picture->At(sx, y), mode, colorKey) ? 0 : 1;
    if (FAILED(EnsureSurface(*e))) return 0;
    SurfaceLock locked(e->surface.Get(), DDLOCK_WAIT | DDLOCK_READONLY);
    return locked.IsLocked() && IsOpaquePixel(locked.View(), sx, y, colorKey) ? 1 : 0;
}

HRESULT XResEntryMgr::Draw(XResHandle h, IDirectDrawSurface4* target, Point at, const Rect& src, const Rect& clip,
                           uint32_t flags, uint8_t alpha)
{
    CsLock hold(lock);
    XResEntry* e = entries.Get(h);
    if (!e || !target) return DDERR_INVALIDPARAMS;
    HRESULT hr = EnsureSurface(*e);
    if (FAILED(hr)) return hr;
    if (e->surface.Get() == target) return DDERR_INVALIDPARAMS;
    if (!e->hasColorKey) flags &= ~static_cast<uint32_t>(BlitFlag::ColorKey);
    for (int attempt = 0; attempt < 2; ++attempt) {
        SurfaceLock source(e->surface.Get(), DDLOCK_WAIT | DDLOCK_READONLY);
        if (source.Result() == DDERR_SURFACELOST && attempt == 0) {
            hr = RestoreSurface(*e);
            if (FAILED(hr)) return Fail("XResEntryMgr::Draw restore", hr);
            continue;
        }
        if (!source.IsLocked()) return source.Result();
        SurfaceLock dest(target);
        if (!dest.IsLocked()) return dest.Result();
        if (dest.View().mode != source.View().mode) return DDERR_INVALIDPIXELFORMAT;
        Blit(dest.View(), at, source.View(), src, clip, {flags, alpha, colorKey});
        return DD_OK;
    }
    return DDERR_SURFACELOST;
}
