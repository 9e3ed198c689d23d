#include "toolkit/GVQZSWnd.h"

#include "graphics/sprite/K_DDRender_Obj.h"
#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Dib.h"
#include "toolkit/DDSurface.h"

int DrawSpriteOnSurface(IDirectDrawSurface4* surface, const Rect& clip, const KK_LLESprite& sprite, Point at,
                        uint32_t fx, int level)
{
    K_DDRender_Obj render(surface);
    K_Dib_Draw* image = render.Lock();
    if (!image) return 0;
    image->SetClipRect(clip);
    return image->DrawSprite(sprite, at.x, at.y, fx, level);
}

GVQZSWnd::~GVQZSWnd()
{
    QZSprite_RSCManager::Instance().Release(handle);
}

int GVQZSWnd::Load(const std::string& path)
{
    return LoadAs(path, QZSFileType::Sheet);
}

int GVQZSWnd::LoadAs(const std::string& path, QZSFileType type)
{
    QZSHandle loaded = QZSprite_RSCManager::Instance().Load(path, type);
    if (!loaded.IsValid()) return 0;
    QZSprite_RSCManager::Instance().Release(handle);
    handle = loaded;
    if (GetFrameCount() == 0) return 0;
    ShowFrame(0);
    return 1;
}

const QZSpriteFile* GVQZSWnd::File() const
{
    return handle.IsValid() ? QZSprite_RSCManager::Instance().GetSpriteFile(handle) : nullptr;
}

int GVQZSWnd::GetFrameCount() const
{
    const QZSpriteFile* file = File();
    return file ? file->GetFrameCount() : 0;
}

Size GVQZSWnd::GetFrameSize(int n) const
{
    const QZSpriteFile* file = File();
    const QZFrameInfo* f = file ? file->GetFrame(n) : nullptr;  // null for a negative index too
    return f ? Size{f->width, f->height} : Size{};
}

void GVQZSWnd::ShowFrame(int n)
{
    frame = n;
    const QZSpriteFile* file = File();
    const QZFrameInfo* f = file ? file->GetFrame(n) : nullptr;
    if (!f) return;
    SetRect(Rect({anchor.x - f->hotX, anchor.y - f->hotY}, {f->width, f->height}));
    Invalidate();
}

void GVQZSWnd::SetPos(Point p)
{
    anchor = p;
    ShowFrame(frame);
}

int GVQZSWnd::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!GVWnd::Draw(surface, clip)) return 0;
    const Rect area = DrawArea(clip);
    if (area.IsEmpty()) return 1;
    const QZSpriteFile* file = File();
    if (!file) return 0;
    const KK_LLESprite* sprite = file->GetSprite(frame, SurfacePixelMode(surface));
    if (!sprite) return 0;
    return DrawSpriteOnSurface(surface, area, *sprite, anchor);
}
