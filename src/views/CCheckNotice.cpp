#include "views/CCheckNotice.h"

#include <memory>
#include <new>

#include "graphics/sprite/core/QZSprite_RSCManager.h"

int CCheckNotice::Create()
{
    SetRect(kStrip);
    Show(true);
    Enable(false);
    return 1;
}

bool CCheckNotice::CreateChildren(PanelOwner& owner)
{
    const std::string& root = owner.GetImageRoot();
    if (!animationSet.LoadAnimationFile(root + kAnimationFile)) {
        owner.GetLoadErrorSink().ReportLoadError(kAnimationFile);
        return false;
    }
    scroller.textRect = kTextRect;
    scroller.scrollTime = kScrollTimeMs;
    scroller.canvas = kTextCanvas;
    if (!QueueScrollPicture(root + kScrollFile, 0)) {
        owner.GetLoadErrorSink().ReportLoadError(kScrollFile);
        return false;
    }
    return true;
}

// Every picture moves at the strip's width per scroll time: it enters at the strip's right edge and
// travels its own width and the strip's.
bool CCheckNotice::QueueScrollPicture(const std::string& packPath, int frame)
{
    QZSprite_RSCManager& manager = QZSprite_RSCManager::Instance();
    QZSHandle pack = manager.Load(packPath, QZSFileType::Pack);
    const QZSpriteFile* file = manager.GetSpriteFile(pack);
    auto sprite = std::unique_ptr<KK_LLESprite_Scroll>(new (std::nothrow) KK_LLESprite_Scroll());
    const bool loaded = file && sprite && sprite->LoadSprite(*file, frame);
    manager.Release(pack);  // the sprite keeps a copy of its lines
    if (!loaded) return false;
    const int32_t stripWidth = scroller.textRect.Width();
    sprite->SetScroll(sprite->GetWidth() + stripWidth, stripWidth, scroller.scrollTime, sprite->GetWidth());
    sprite->id = scroller.nextId++;
    scroller.sprites.push_back(std::move(sprite));
    return true;
}

void CCheckNotice::Reset()
{
    active = false;
    phase = 0;
    scroller.current = 0;
    Invalidate();
}

int CCheckNotice::Draw(IDirectDrawSurface4*, const Rect&)
{
    MarkDrawn();
    return 1;
}
