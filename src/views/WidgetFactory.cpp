#include "views/WidgetFactory.h"

#include <new>

#include "toolkit/GVAnimWnd.h"
#include "toolkit/GVDDSWnd.h"
#include "toolkit/GVQZAniWnd.h"
#include "toolkit/GVQZSWnd.h"

template <class W, class Load>
W* WidgetFactory::Make(const std::string& name, Load load)
{
    W* widget = new (std::nothrow) W();
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
    GVQZAniWnd* w = Make<GVQZAniWnd>(name, [p](GVQZAniWnd& a, const std::string& path) { return a.Load(path, p.x, p.y) != 0; });
    if (!w) return nullptr;
    w->Show(false);
    w->Enable(false);
    return w;
}

GVQZSWnd* WidgetFactory::CreateQZSWnd(const std::string& name, Point p, Visible show)
{
    GVQZSWnd* w = Make<GVQZSWnd>(name, [](GVQZSWnd& s, const std::string& path) { return s.Load(path) != 0; });
    if (!w) return nullptr;
    w->SetPos(p);
    w->Show(show == Visible::Yes);
    w->Enable(false);
    return w;
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
    GVAnimWnd* w = Make<GVAnimWnd>(
        name, [p, frameSize](GVAnimWnd& a, const std::string& path) { return a.LoadImage(path, p, frameSize) != 0; });
    if (!w) return nullptr;
    w->Show(false);
    w->Enable(false);
    return w;
}
