#pragma once

#include <cstdint>
#include <string>

#include "foundation/core/Geometry.h"
#include "views/LoadErrorSink.h"

class CVHTWnd;
class CVPSPPushBtn;
class GVAnimWnd;
class GVBoxWnd;
class GVDDSWnd;
class GVPSPWnd;
class GVQZAniWnd;
class GVQZSWnd;

enum class Visible { No, Yes };

// Makes the room's widgets from files under the image folder. Each factory allocates the widget,
// loads its file and sets it up; on failure it records the error, deletes the widget and answers
// null. It never adds the widget to the scene: the caller does.
class WidgetFactory {
public:
    WidgetFactory(std::string imageFolder, LoadErrorSink& sink) : imageRoot(std::move(imageFolder)), errors(sink) {}

    // A ".qza" animation at `p`; hidden and disabled.
    GVQZAniWnd* CreateQZAniWnd(const std::string& name, Point p);
    // A ".qzs" sheet at `p`; shown as asked, disabled.
    GVQZSWnd* CreateQZSWnd(const std::string& name, Point p, Visible show);
    // An image with its hot spot, in the rectangle of `p` and `size`; shown and enabled.
    GVDDSWnd* CreateDDSWnd(const std::string& name, int hotSpot, Point p, Size size);
    // A strip of frames of `frameSize` at `p`; hidden and disabled.
    GVAnimWnd* CreateAnimWnd(const std::string& name, Point p, Size frameSize);

    // Card window `slot` on a strip of card frames of `cardSize`: at (320, 240), which is also its
    // home, showing the back; shown and enabled.
    CVHTWnd* CreateCardWnd(int slot, const std::string& name, Size cardSize);
    // A ".psp" pack at `p`, frame 0; shown as asked, disabled.
    GVPSPWnd* CreatePSPWnd(const std::string& name, Point p, Visible show);
    // A box filled with `colorRef` at alpha `fillValue`; shown as asked, disabled. It loads no file:
    // a failed creation is recorded as a failed allocation.
    GVBoxWnd* CreateBoxWnd(const Rect& rect, int32_t colorRef, int fillValue, Visible show);

    // A button on a ".psp" pack of `imageSets` sets of 4 frames, at `p`; shown as asked, enabled.
    CVPSPPushBtn* CreatePSPPushBtn(const std::string& name, Point p, Visible show, int imageSets);

    const std::string& GetImageRoot() const { return imageRoot; }

private:
    // Allocates W from `args` and loads it with `load(widget, full path)`; the common failure rule.
    template <class W, class Load, class... Args>
    W* Make(const std::string& name, Load load, Args... args);

    std::string imageRoot;
    LoadErrorSink& errors;
};
