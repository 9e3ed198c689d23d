#pragma once

#include <string>

#include "foundation/core/Geometry.h"
#include "views/LoadErrorSink.h"

class GVAnimWnd;
class GVDDSWnd;
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

    const std::string& GetImageRoot() const { return imageRoot; }

private:
    // Allocates W and loads it with `load(widget, full path)`; the common failure rule.
    template <class W, class Load>
    W* Make(const std::string& name, Load load);

    std::string imageRoot;
    LoadErrorSink& errors;
};
