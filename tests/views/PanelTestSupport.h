#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "toolkit/SpriteTestSupport.h"
#include "views/PanelOwner.h"

// A room stand-in on `Base` (a panel owner): the image folder given, and every load error kept.
template <class Base>
class FakeOwnerOf : public Base, public LoadErrorSink {
public:
    explicit FakeOwnerOf(std::string root) : imageRoot(std::move(root)) {}
    const std::string& GetImageRoot() const override { return imageRoot; }
    LoadErrorSink& GetLoadErrorSink() override { return *this; }
    void AddLoadError(const std::string& name) override { errors.push_back("alloc:" + name); }
    void ReportLoadError(const std::string& name) override { errors.push_back("file:" + name); }

    std::string imageRoot;
    std::vector<std::string> errors;
};
using FakeOwner = FakeOwnerOf<PanelOwner>;

// The generated room's image folder (build/game, two folders above the test program's).
inline std::string GeneratedImageRoot()
{
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return (std::filesystem::path(exe).parent_path().parent_path().parent_path() / "game" / "GameImage").string() +
           "\\";
}

// The sprite fixture's files, and button.psp: two image sets of four 20 x 10 frames (normal, hover,
// down, disabled), frame i of blue (i + 1) * 0x10.
class PanelFixture : public SpriteFixture {
protected:
    void SetUp() override
    {
        SpriteFixture::SetUp();
        if (IsSkipped()) return;
        QZSpriteData button;
        for (uint32_t i = 0; i < 8; ++i) button.frames.push_back(spritetest::SolidFrame(20, 10, 0x10 * (i + 1)));
        folder.Write("button.psp", WriteSpriteFile(button, SpriteFileKind::Pack));
    }

    VirtualClock clock;
    FakeOwner owner{dir};
};

// Mouse input as the scene passes it on, with the button held for Down and Drag; Disable is the
// test's own. Answers what the last handler answered, -1 when none ran.
enum class Act { Down, Drag, Move, Up, Disable };
struct Event { Act act; Point p; };
template <class DisableAt>
int Play(GVWnd& target, const std::vector<Event>& events, DisableAt disable)
{
    int last = -1;
    for (const auto& e : events) {
        if (e.act == Act::Down) last = target.OnLButtonDown(MK_LBUTTON, e.p);
        else if (e.act == Act::Drag) last = target.OnMouseMove(MK_LBUTTON, e.p);
        else if (e.act == Act::Move) last = target.OnMouseMove(0, e.p);
        else if (e.act == Act::Up) last = target.OnLButtonUp(0, e.p);
        else disable(e.p);
    }
    return last;
}
