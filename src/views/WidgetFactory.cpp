#include "views/WidgetFactory.h"

#include <new>
#include <type_traits>

#include "views/CVCountWnd.h"
#include "views/CVHTWnd.h"
#include "views/CVNumberWnd.h"
#include "views/CVPSPPushBtn.h"
#include "views/CVQZATextWnd.h"
#include "views/CVTextShadowWnd.h"

#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVAvatarWnd.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVLightTextWnd.h"
#include "toolkit/GVPSPNumberWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"
#include "toolkit/GVSlideWnd.h"
#include "toolkit/GVTextWnd.h"

namespace {

// Shown as asked and disabled, as most factories leave their widget; null stays null.
template <class W>
W* Passive(W* w, bool shown)
{
    if (!w) return nullptr;
    w->Show(shown);
    w->Enable(false);
    return w;
}

template <class W>
W* PassiveAt(W* w, Point p, Visible show)
{
    if (w) w->SetPos(p);
    return Passive(w, show == Visible::Yes);
}

}  // namespace

template <class W, class Load, class... Args>
W* WidgetFactory::Make(const std::string& name, Load load, Args... args)
{
    W* widget = new (std::nothrow) W(args...);
    if (!widget) {
        errors.AddLoadError({});
        return nullptr;
    }
    if (!load(*widget, imageRoot + name)) {
        errors.ReportLoadError(name);
        delete widget;
        return nullptr;
    }
    return widget;
}

template <class W, class Create>
W* WidgetFactory::MakeWithoutFile(Create create)
{
    W* widget = new (std::nothrow) W();
    if (!widget || !create(*widget)) {
        delete widget;
        errors.AddLoadError({});
        return nullptr;
    }
    return widget;
}

template <class W>
W* WidgetFactory::MakeText(const std::string& text, Point p, Size size, int fontHeight, int fontWeight,
                           uint32_t colorRef)
{
    W* w = MakeWithoutFile<W>([&](W& t) {
        if constexpr (std::is_base_of_v<GVTextWnd, W>)
            return t.Create(size, fontHeight, fontWeight) != 0;
        else
            return t.Init(size, kNoColor, fontHeight, fontWeight) != 0;
    });
    if (!w) return nullptr;
    w->SetPos(p);
    w->SetTextColor(colorRef);
    w->SetText(text);
    w->Show(true);
    w->Enable(false);
    return w;
}

GVQZAniWnd* WidgetFactory::CreateQZAniWnd(const std::string& name, Point p)
{
    return Passive(
        Make<GVQZAniWnd>(name, [p](GVQZAniWnd& a, const std::string& path) { return a.Load(path, p.x, p.y) != 0; }), false);
}

GVQZSWnd* WidgetFactory::CreateQZSWnd(const std::string& name, Point p, Visible show)
{
    return PassiveAt(Make<GVQZSWnd>(name, [](GVQZSWnd& s, const std::string& path) { return s.Load(path) != 0; }), p, show);
}

GVDDSWnd* WidgetFactory::CreateDDSWnd(const std::string& name, int hotSpot, Point p, Size size)
{
    GVDDSWnd* w =
        Make<GVDDSWnd>(name, [hotSpot](GVDDSWnd& d, const std::string& path) { return d.LoadImage(path, hotSpot) != 0; });
    if (!w) return nullptr;
    w->SetRect(Rect(p, size));
    w->Invalidate();
    return w;
}

GVAnimWnd* WidgetFactory::CreateAnimWnd(const std::string& name, Point p, Size frameSize)
{
    return Passive(Make<GVAnimWnd>(name, [p, frameSize](GVAnimWnd& a, const std::string& path) {
                       return a.LoadImage(path, p, frameSize) != 0;
                   }),
                   false);
}

CVHTWnd* WidgetFactory::CreateCardWnd(int slot, const std::string& name, Size cardSize)
{
    CVHTWnd* w = Make<CVHTWnd>(
        name, [](CVHTWnd& c, const std::string& path) { return c.LoadImage(path, -1) != 0; }, slot);
    if (!w) return nullptr;
    const Point home{320, 240};
    w->SetRect(Rect(home, cardSize));
    w->SetHome(home);
    w->SetImageFrame(CVHTWnd::kBackFrame);
    w->Show(true);
    w->Enable(true);
    return w;
}

GVPSPWnd* WidgetFactory::CreatePSPWnd(const std::string& name, Point p, Visible show)
{
    return PassiveAt(Make<GVPSPWnd>(name, [](GVPSPWnd& s, const std::string& path) { return s.Load(path) != 0; }), p, show);
}

GVBoxWnd* WidgetFactory::CreateBoxWnd(const Rect& rect, int32_t colorRef, int fillValue, Visible show)
{
    GVBoxWnd* w = new (std::nothrow) GVBoxWnd();
    if (!w || !w->Create(rect.TopLeft(), rect.GetSize(), colorRef, fillValue)) {
        delete w;
        errors.AddLoadError({});
        return nullptr;
    }
    return Passive(w, show == Visible::Yes);
}

CVPSPPushBtn* WidgetFactory::CreatePSPPushBtn(const std::string& name, Point p, Visible show, int imageSets)
{
    CVPSPPushBtn* w = Make<CVPSPPushBtn>(
        name, [imageSets](CVPSPPushBtn& b, const std::string& path) { return b.Load(path, imageSets, 4) != 0; });
    if (!w) return nullptr;
    w->SetPos(p);
    w->Show(show == Visible::Yes);
    w->Enable(true);
    return w;
}

GVTextWnd* WidgetFactory::CreateTextWnd(const std::string& text, Point p, Size size, int fontHeight, int fontWeight,
                                        uint32_t colorRef)
{
    return MakeText<GVTextWnd>(text, p, size, fontHeight, fontWeight, colorRef);
}

GVLightTextWnd* WidgetFactory::CreateLightTextWnd(const std::string& text, Point p, Size size, int fontHeight,
                                                  int fontWeight, uint32_t colorRef)
{
    return MakeText<GVLightTextWnd>(text, p, size, fontHeight, fontWeight, colorRef);
}

CVTextShadowWnd* WidgetFactory::CreateTextShadowWnd(const std::string& text, Point p, Size size, int fontHeight,
                                                    int fontWeight, uint32_t colorRef)
{
    return MakeText<CVTextShadowWnd>(text, p, size, fontHeight, fontWeight, colorRef);
}

GVSlideWnd* WidgetFactory::CreateSlideWnd(const std::string& thumbName, const Rect& rect, int trackLength,
                                          int trackHeight)
{
    GVSlideWnd* w = Make<GVSlideWnd>(thumbName, [&rect](GVSlideWnd& s, const std::string& path) {
        return s.Create(rect, {}) != 0 && s.LoadThumbImage(path) != 0;
    });
    if (!w) return nullptr;
    w->SetTrack(trackLength, trackHeight);
    w->Enable(true);
    w->Show(true);
    return w;
}

GVAvatarWnd* WidgetFactory::CreateAvatarWnd(const std::string& avatarPath)
{
    GVAvatarWnd* w = new (std::nothrow) GVAvatarWnd();
    if (!w) {
        errors.AddLoadError({});
        return nullptr;
    }
    if (!w->Load(avatarPath, imageRoot + kDefaultAvatar)) {
        errors.ReportLoadError(kDefaultAvatar);
        delete w;
        return nullptr;
    }
    return w;
}

GVPSPNumberWnd* WidgetFactory::CreatePSPNumberWnd(const std::string& name, Point p, Size size, uint32_t styleFlags,
                                                  int spacing, Visible show)
{
    GVPSPNumberWnd* w = Make<GVPSPNumberWnd>(
        name, [p, size](GVPSPNumberWnd& n, const std::string& path) { return n.Load(path, p, size) != 0; });
    if (w) w->SetStyle(styleFlags, spacing);
    return Passive(w, show == Visible::Yes);
}

CVQZATextWnd* WidgetFactory::CreateQZATextWnd(const std::string& name, Point p, Size size, Size glyphSize)
{
    CVQZATextWnd* w = new (std::nothrow) CVQZATextWnd();
    if (!w) {
        errors.AddLoadError({});
        return nullptr;
    }
    // Each glyph comes from this factory, which reports a glyph's failure itself.
    if (!w->CreateGlyphs(*this, name, p, size, glyphSize.cx, glyphSize.cy, 0, GlyphAlign::Center)) {
        delete w;
        return nullptr;
    }
    return Passive(w, false);
}

CVCountWnd* WidgetFactory::CreateCountWnd()
{
    CVCountWnd* w = Make<CVCountWnd>(
        kCountImage, [](CVCountWnd& c, const std::string& path) { return c.LoadImage(path, -1) != 0; });
    if (!w) return nullptr;
    if (!w->CreateCountText(*this)) {
        delete w;
        return nullptr;
    }
    w->Show(false);
    return w;
}

CVNumberWnd* WidgetFactory::CreateNumberWnd(const std::string& name, const Rect& rect, const Rect& digitStrip,
                                            int spacing, Visible show)
{
    CVNumberWnd* w =
        Make<CVNumberWnd>(name, [](CVNumberWnd& n, const std::string& path) { return n.LoadImage(path, -1) != 0; });
    if (!w) return nullptr;
    w->SetRect(rect);
    w->SetDigitRect(digitStrip);
    w->SetSpacing(spacing);
    return Passive(w, show == Visible::Yes);
}
