#pragma once

#include <string>
#include <vector>

#include "toolkit/SpriteTestSupport.h"
#include "views/PanelOwner.h"

// A room stand-in: the test folder as the image folder, and every load error kept.
class FakeOwner final : public PanelOwner, public LoadErrorSink {
public:
    explicit FakeOwner(std::string root) : imageRoot(std::move(root)) {}
    const std::string& GetImageRoot() const override { return imageRoot; }
    LoadErrorSink& GetLoadErrorSink() override { return *this; }
    void AddLoadError(const std::string& name) override { errors.push_back("alloc:" + name); }
    void ReportLoadError(const std::string& name) override { errors.push_back("file:" + name); }

    std::string imageRoot;
    std::vector<std::string> errors;
};

// The sprite fixture's files, and:
//  button.psp: two image sets of four 20 x 10 frames (normal, hover, down, disabled), frame i of
//  colour i * 0x10 in blue.
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
