#pragma once

#include <cstdint>
#include <string>

#include "foundation/core/Geometry.h"
#include "views/LoadErrorSink.h"

class CVCountWnd;
class CVHTWnd;
class CVNumberWnd;
class CVPSPPushBtn;
class CVQZATextWnd;
class CVTextShadowWnd;
class GVAnimWnd;
class GVAvatarWnd;
class GVBoxWnd;
class GVDDSWnd;
class GVLightTextWnd;
class GVPSPNumberWnd;
class GVPSPWnd;
class GVQZAniWnd;
class GVQZSWnd;
class GVSlideWnd;
class GVTextWnd;

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

    // Texts of `size` at `p` in a font of `fontHeight` and `fontWeight`, in `colorRef`; shown and
    // disabled. They load no file: a font or surface that cannot be made counts as a failed allocation.
    GVTextWnd* CreateTextWnd(const std::string& text, Point p, Size size, int fontHeight, int fontWeight,
                             uint32_t colorRef);
    GVLightTextWnd* CreateLightTextWnd(const std::string& text, Point p, Size size, int fontHeight, int fontWeight,
                                       uint32_t colorRef);
    CVTextShadowWnd* CreateTextShadowWnd(const std::string& text, Point p, Size size, int fontHeight, int fontWeight,
                                         uint32_t colorRef);
    // A slider in `rect` with the thumb picture `thumbName` and a track of `trackLength` x `trackHeight`;
    // shown and enabled.
    GVSlideWnd* CreateSlideWnd(const std::string& thumbName, const Rect& rect, int trackLength, int trackHeight);
    // A user's avatar from `avatarPath` (a path of its own, not under the image folder), or the image
    // folder's default picture; a missing default is the error reported.
    GVAvatarWnd* CreateAvatarWnd(const std::string& avatarPath);
    // A number drawn with the glyphs of a ".psp" pack in the box of `p` and `size`; shown as asked, disabled.
    GVPSPNumberWnd* CreatePSPNumberWnd(const std::string& name, Point p, Size size, uint32_t styleFlags, int spacing,
                                       Visible show);
    // A line of glyphs of the ".qza" set in the box of `p` and `size`, each glyph `glyphSize`, centred;
    // hidden and disabled. A glyph that fails has reported its file.
    CVQZATextWnd* CreateQZATextWnd(const std::string& name, Point p, Size size, Size glyphSize);
    // The pi counter on kCountImage with its number text; hidden.
    CVCountWnd* CreateCountWnd();
    // A number from the digit strip `digitStrip` of the picture, right-aligned in `rect`; shown as asked,
    // disabled.
    CVNumberWnd* CreateNumberWnd(const std::string& name, const Rect& rect, const Rect& digitStrip, int spacing,
                                 Visible show);

    static constexpr const char* kCountImage = "Hwatoo\\pee_count.bmp";
    static constexpr const char* kDefaultAvatar = "Avatar\\default.gif";

    const std::string& GetImageRoot() const { return imageRoot; }

private:
    // Allocates W from `args` and loads it with `load(widget, full path)`; the common failure rule.
    template <class W, class Load, class... Args>
    W* Make(const std::string& name, Load load, Args... args);

    // Allocates W and runs `create` on it, which loads no file: a failure of either is recorded as a
    // failed allocation.
    template <class W, class Create>
    W* MakeWithoutFile(Create create);
    template <class W>
    W* MakeText(const std::string& text, Point p, Size size, int fontHeight, int fontWeight, uint32_t colorRef);

    std::string imageRoot;
    LoadErrorSink& errors;
};
