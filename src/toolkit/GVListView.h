#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/GVWnd.h"
#include "toolkit/GdiText.h"

// A list of rows of text cells in fixed-width columns. A click selects a row, a double click or
// Enter activates it, the arrow keys move the selection; the rows scroll to keep it in view.
class GVListView : public GVWnd {
public:
    int Create(const Rect& r, int fontHeight, int fontWeight, int rowHeight);
    // Column widths in pixels; a row's cells beyond the columns are not shown.
    void SetColumns(std::vector<int> widths);
    // Appends a row; answers its index.
    int AddItem(std::vector<std::string> cells);
    // False for an index outside the rows.
    bool RemoveItem(int index);
    void Clear();
    int GetCount() const { return static_cast<int>(rows.size()); }
    // The cell, empty outside the rows or cells.
    std::string GetItemText(int index, int column) const;
    // -1 clears the selection; other indexes outside the rows are ignored.
    void SetSelected(int index);
    int GetSelected() const { return selected; }
    int GetFirstVisible() const { return first; }
    void SetFirstVisible(int index);
    int GetVisibleRowCount() const;
    // The row at a point, -1 for none.
    int RowFromPoint(Point p) const;
    void SetColors(uint32_t textColorRef, uint32_t selectionColorRef);
    uint32_t GetTextColor() const { return textColor; }
    void SetActivateHandler(std::function<void(int)> handler) { onActivate = std::move(handler); }

    int Draw(IDirectDrawSurface4* surface, const Rect& clip) override;
    int OnLButtonDown(UINT flags, Point p) override;
    int OnLButtonDblClk(UINT flags, Point p) override;
    int OnKeyDown(UINT vk, UINT repeat, UINT flags) override;

private:
    void KeepSelectionInView();

    std::vector<std::vector<std::string>> rows;
    std::vector<int> columns;
    int rowHeight = 16;
    int selected = -1;
    int first = 0;
    uint32_t textColor = 0;
    uint32_t selectionColor = 0xC08040;
    GdiFont font;
    std::function<void(int)> onActivate;
};
