#include "views/CVRoomInfoWnd.h"

#include "toolkit/GVLightTextWnd.h"
#include "toolkit/GVQZAniWnd.h"

namespace {

constexpr uint32_t kRowColor = 0x0C98BE;
constexpr int kRowStep = 18;
constexpr Point kFirstRow{5, 5};
constexpr Size kRowSize{130, 14};

}  // namespace

void CVRoomInfoWnd::Clear()
{
    CVPanel::Clear();
    back = nullptr;
    rows.fill(nullptr);
}

bool CVRoomInfoWnd::CreateChildren(PanelOwner& room)
{
    WidgetFactory f = BeginChildren(room);
    if (!Adopt(back = f.CreateQZAniWnd("Option\\gameroomoption.qza", {0, 0}))) return false;
    back->Show(false);
    for (size_t i = 0; i < rows.size(); ++i) {
        const Point at = kFirstRow + Point{0, static_cast<int>(i) * kRowStep};
        if (!Adopt(rows[i] = f.CreateLightTextWnd("", at, kRowSize, 12, 400, kRowColor))) return false;
        rows[i]->Show(false);
    }
    SetPos(kPlace);
    Show(false);
    return true;
}

void CVRoomInfoWnd::Open(const std::array<std::string, kRows>& texts, bool withBack)
{
    back->Show(withBack);
    if (withBack) back->Play(1, true);
    for (size_t i = 0; i < rows.size(); ++i) {
        rows[i]->SetText(texts[i]);
        rows[i]->Show(!texts[i].empty());
    }
    Show(true);
    Invalidate();
}

int CVRoomInfoWnd::Close()
{
    if (!IsVisible()) return 0;
    Show(false);
    Invalidate();
    return 1;
}

std::string CVRoomInfoWnd::GetRow(int i) const
{
    if (i < 0 || i >= kRows || !rows[static_cast<size_t>(i)] || !IsVisible()) return {};
    const GVLightTextWnd* row = rows[static_cast<size_t>(i)];
    return row->IsVisible() ? row->GetText() : std::string();
}
