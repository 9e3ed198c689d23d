#include "graphics/sprite/core/K_Animation.h"

#include "foundation/core/Clock.h"
#include "graphics/sprite/core/FXMan.h"
#include "graphics/sprite/core/K_Dib.h"

namespace {

constexpr uint32_t kTimeUnitMs = 10;
// Bounds the work of one update after a long pause; the rest of the time is dropped.
constexpr int kMaxStepsPerUpdate = 1 << 16;

std::string FolderOf(const std::string& path)
{
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

bool PartsFitPack(const QZAnimationFile& file, const QZSpriteFile& pack)
{
    for (const QZAnimation& a : file.animations)
        for (const QZAFrame& f : a.frames)
            for (const QZAPart& p : f.parts)
                if (p.sprite >= pack.GetFrameCount()) return false;
    return true;
}

}  // namespace

K_Animation_RSC::~K_Animation_RSC() { Free(); }

void K_Animation_RSC::Free()
{
    children.clear();
    header = nullptr;
    pack = nullptr;
    auto& manager = QZSprite_RSCManager::Instance();
    manager.Release(packHandle);
    manager.Release(fileHandle);
}

int K_Animation_RSC::LoadAnimationFile(const std::string& path)
{
    Free();
    auto& manager = QZSprite_RSCManager::Instance();
    fileHandle = manager.Load(path, QZSFileType::Animation);
    const QZAnimationFile* file = manager.GetAnimationFile(fileHandle);
    if (!file) {
        Free();
        return 0;
    }
    packHandle = manager.Load(FolderOf(path) + file->packPath, QZSFileType::Pack);
    pack = manager.GetSpriteFile(packHandle);
    if (!pack || !PartsFitPack(*file, *pack)) {
        Free();
        return 0;
    }
    if (!file->isSet) {
        header = &file->animations.front();
        return 1;
    }
    children.reserve(file->animations.size());
    for (const QZAnimation& a : file->animations) {
        auto child = std::make_unique<K_Animation_RSC>();
        child->header = &a;
        child->pack = pack;
        children.push_back(std::move(child));
    }
    return 1;
}

K_Animation_RSC* K_Animation_RSC::GetChild(int i)
{
    if (i == 0) return this;
    if (i < 0 || i > GetChildCount()) return nullptr;
    return children[static_cast<size_t>(i) - 1].get();
}

int K_Animation_RSC::FindChild(const std::string& name) const
{
    for (size_t i = 0; i < children.size(); ++i)
        if (children[i]->header->name == name) return static_cast<int>(i) + 1;
    return -1;
}

void K_Animation::SetAnimation(const K_Animation_RSC* a)
{
    animation = a && a->GetHeader() && a->GetSprite() ? a : nullptr;
    startTime = 0;
    frame = -1;
    playsLeft = 0;
    timeInFrame = 0;
    jumpsTaken.assign(animation ? animation->GetHeader()->frames.size() : 0, 0);
}

int K_Animation::GetFrameCount() const
{
    return animation ? static_cast<int>(animation->GetHeader()->frames.size()) : 0;
}

void K_Animation::Play(int count)
{
    if (!animation) return;
    startTime = lastTime = Clock::NowMs();
    frame = 0;
    playsLeft = count < 0 ? -1 : count == 0 ? 1 : count;
    timeInFrame = 0;
    stopFrame = -1;
    jumpsTaken.assign(jumpsTaken.size(), 0);
}

void K_Animation::Stop()
{
    startTime = 0;
    frame = -1;
    playsLeft = 0;
    timeInFrame = 0;
    stopFrame = -1;
}

void K_Animation::SetFrame(int n)
{
    if (n < 0 || n >= GetFrameCount()) return;
    frame = n;
    timeInFrame = 0;
}

uint32_t K_Animation::FrameTime(int n) const
{
    const uint16_t delay = animation->GetHeader()->frames[static_cast<size_t>(n)].delay;
    return (delay == 0 ? 1u : delay) * kTimeUnitMs;
}

void K_Animation::Finish()
{
    playsLeft = 0;
    const int rest = animation->GetHeader()->stopFrame;
    if (rest >= 0 && rest < GetFrameCount()) frame = rest;
}

// Leaves the current frame: its loop jump first, then the next frame, then the next play.
bool K_Animation::Advance()
{
    const QZAFrame& f = animation->GetHeader()->frames[static_cast<size_t>(frame)];
    uint16_t& taken = jumpsTaken[static_cast<size_t>(frame)];
    if (f.jumpTo >= 0 && (f.jumpCount == 0 || taken < f.jumpCount)) {
        if (f.jumpCount != 0) ++taken;
        frame = f.jumpTo;
        return true;
    }
    taken = 0;
    if (frame + 1 < GetFrameCount()) {
        ++frame;
        return true;
    }
    if (playsLeft > 0 && --playsLeft == 0) {
        Finish();
        return false;
    }
    frame = 0;
    return true;
}

int K_Animation::UpdateAnimation(uint32_t now)
{
    if (!animation || playsLeft == 0 || frame < 0) return 0;
    const int before = frame;
    timeInFrame += now - lastTime;
    lastTime = now;
    for (int steps = 0; timeInFrame >= FrameTime(frame); ++steps) {
        if (frame == stopFrame) {
            playsLeft = 0;
            break;
        }
        if (steps == kMaxStepsPerUpdate) {
            timeInFrame = 0;
            break;
        }
        timeInFrame -= FrameTime(frame);
        if (!Advance()) break;
    }
    if (frame == stopFrame) playsLeft = 0;
    return frame != before ? 1 : 0;
}

int K_Animation::Draw(K_Dib_Draw& image, int32_t x, int32_t y, uint32_t mirror) const
{
    if (!animation || frame < 0 || frame >= GetFrameCount()) return 0;
    const QZSpriteFile* pack = animation->GetSprite();
    const auto mode = static_cast<PixelMode>(GetFXPixelMode());
    mirror &= kFxMirrorX | kFxMirrorY;
    for (const QZAPart& part : animation->GetHeader()->frames[static_cast<size_t>(frame)].parts) {
        const KK_LLESprite* sprite = pack->GetSprite(part.sprite, mode);
        if (!sprite) return 0;
        const int32_t px = (mirror & kFxMirrorX) ? x - part.x : x + part.x;
        const int32_t py = (mirror & kFxMirrorY) ? y - part.y : y + part.y;
        uint32_t flip = mirror;
        if (part.flags & kPartMirrorX) flip ^= kFxMirrorX;
        if (part.flags & kPartMirrorY) flip ^= kFxMirrorY;
        if (!image.DrawSprite(*sprite, px, py, flip)) return 0;
    }
    return 1;
}
