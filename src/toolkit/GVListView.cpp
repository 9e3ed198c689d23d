#include "toolkit/GVListView.h"

#include <algorithm>

#include "toolkit/DDSurface.h"

int GVListView::Create(const Rect& r, int fontHeight, int fontWeight, int height)
{
    SetRect(r);
    rowHeight = std::max(1, height);
    if (columns.empty()) columns = {r.Width()};
    return font.Create(fontHeight, fontWeight) ? 1 : 0;
}

void GVListView::SetColumns(std::vector<int> widths)
{
    columns = std::move(widths);
    Invalidate();
}

int GVListView::AddItem(std::vector<std::string> cells)
{
    rows.push_back(std::move(cells));
    Invalidate();
    return GetCount() - 1;
}

bool GVListView::RemoveItem(int index)
{
    if (index < 0 || index >= GetCount()) return false;
    rows.erase(rows.begin() + index);
    if (selected == index) selected = -1;
    else if (selected > index) --selected;
    SetFirstVisible(first);
    Invalidate();
    return true;
}

void GVListView::Clear()
{
    rows.clear();
    selected = -1;
    first = 0;
    Invalidate();
}

std::string GVListView::GetItemText(int index, int column) const
{
    if (index < 0 || index >= GetCount() || column < 0) return {};
    const auto& row = rows[static_cast<size_t>(index)];
    return static_cast<size_t>(column) < row.size() ? row[static_cast<size_t>(column)] : std::string();
}

int GVListView::GetVisibleRowCount() const
{
    return std::max(1, rect.Height() / rowHeight);
}

void GVListView::SetFirstVisible(int index)
{
    const int last = std::max(0, GetCount() - GetVisibleRowCount());
    const int clamped = std::clamp(index, 0, last);
    if (clamped == first) return;
    first = clamped;
    Invalidate();
}

void GVListView::KeepSelectionInView()
{
    if (selected < 0) return;
    if (selected < first) SetFirstVisible(selected);
    else if (selected >= first + GetVisibleRowCount()) SetFirstVisible(selected - GetVisibleRowCount() + 1);
}

void GVListView::SetSelected(int index)
{
    if (index < -1 || index >= GetCount() || index == selected) return;
    selected = index;
    KeepSelectionInView();
    Invalidate();
}

int GVListView::RowFromPoint(Point p) const
{
    if (!rect.Contains(p)) return -1;
    const int row = first + (p.y - rect.top) / rowHeight;
    return row < GetCount() ? row : -1;
}

void GVListView::SetColors(uint32_t textColorRef, uint32_t selectionColorRef)
{
    textColor = textColorRef;
    selectionColor = selectionColorRef;
    Invalidate();
}

int GVListView::OnLButtonDown(UINT, Point p)
{
    if (!IsVisible() || !IsEnabled() || !rect.Contains(p)) return 0;
    const int row = RowFromPoint(p);
    if (row >= 0) SetSelected(row);
    return 1;
}

int GVListView::OnLButtonDblClk(UINT, Point p)
{
    if (!IsVisible() || !IsEnabled()) return 0;
    const int row = RowFromPoint(p);
    if (row < 0) return 0;
    SetSelected(row);
    if (onActivate) onActivate(row);
    return 1;
}

int GVListView::OnKeyDown(UINT vk, UINT, UINT)
{
    if (!IsEnabled() || rows.empty()) return 0;
    switch (vk) {
    case VK_UP: SetSelected(std::max(0, selected - 1)); return 1;
    case VK_DOWN: SetSelected(std::min(GetCount() - 1, selected + 1)); return 1;
    case VK_PRIOR: SetSelected(std::max(0, selected - GetVisibleRowCount())); return 1;
    case VK_NEXT: SetSelected(std::min(GetCount() - 1, std::max(0, selected) + GetVisibleRowCount())); return 1;
    case VK_RETURN:
        if (selected >= 0 && onActivate) onActivate(selected);
        return 1;
    default: return 0;
    }
}

int GVListView::Draw(IDirectDrawSurface4* surface, const Rect& clip)
{
    if (!GVWnd::Draw(surface, clip)) return 0;
    const Rect area = DrawArea(clip);
    if (area.IsEmpty()) return 1;
    const int shown = std::min(GetVisibleRowCount(), GetCount() - first);
    for (int i = 0; i < shown; ++i) {
        const int index = first + i;
        const Rect line{rect.left, rect.top + i * rowHeight, rect.right, rect.top + (i + 1) * rowHeight};
        if (index == selected && FAILED(FillSurfaceRect(surface, line.Intersected(area), selectionColor))) return 0;
        int x = rect.left;
        const auto& row = rows[static_cast<size_t>(index)];
        for (size_t c = 0; c < columns.size() && c < row.size(); ++c) {
            const Rect cell{x + 2, line.top, std::min(x + columns[c], rect.right), line.bottom};
            if (!DrawTextOnSurface(surface, cell, area, row[c], font.Get(), textColor,
                                   DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS))
                return 0;
            x += columns[c];
        }
    }
    return 1;
}
