#include "views/WidgetFactory.h"

#include <new>

#include "views/CVHTWnd.h"
#include "views/CVPSPPushBtn.h"

#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVBoxWnd.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVPSPWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"

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
