#include "vipdialog/CHelperView.h"

#include <imm.h>
#include <shellapi.h>

#include <memory>
#include <vector>

#include "foundation/Debug.h"
#include "foundation/core/Text.h"
#include "views/RegistryKey.h"
#include "vipdialog/core/CTPairVector.h"
#include "vipdialog/core/VipDialogRules.h"

using namespace VipDialogRules;

namespace {

enum class ChildKind { Static, Radio, Edit, Picture };

// A bitmap selected into a memory DC of its own; both released together, the DC's first bitmap
// selected back first.
struct Picture {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ oldBitmap = nullptr;
    int32_t width = 0;
    int32_t height = 0;

    bool Load(const std::string& path)
    {
        Release();
        bitmap = static_cast<HBITMAP>(
            LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
        if (!bitmap) return false;
        BITMAP info{};
        GetObjectA(bitmap, sizeof info, &info);
        width = info.bmWidth;
        height = info.bmHeight;
        dc = CreateCompatibleDC(nullptr);
        oldBitmap = dc ? SelectObject(dc, bitmap) : nullptr;
        return dc != nullptr;
    }
    void Release()
    {
        if (dc) {
            if (oldBitmap) SelectObject(dc, oldBitmap);
            DeleteDC(dc);
        }
        if (bitmap) DeleteObject(bitmap);
        *this = Picture{};
    }
};

struct tagChild {
    HWND wnd = nullptr;
    int32_t id = 0;
    int32_t x = 0, y = 0, width = 0, height = 0;
    DWORD style = 0;
    WNDPROC previousProc = nullptr;
    std::string bitmapPath;
    Picture picture;
    HFONT font = nullptr;
    ChildKind kind = ChildKind::Static;
    COLORREF textColor = 0;
    bool initialCheck = false;
    int32_t frames = 0;
    int32_t minValue = 0, maxValue = 0;
    RadioGroup group;
};

struct tagBackImage {
    Picture picture;
    int32_t x = 0, y = 0;
    std::string path;
    bool shown = false;
};

constexpr char kOrgProc[] = "NUMBEREDIT_ORGPROCWND";
constexpr char kMinProp[] = "NUMBEREDIT_LIMITMINNUM";
constexpr char kMaxProp[] = "NUMBEREDIT_LIMITMAXNUM";
constexpr char kFace[] = "돋움";
constexpr int kPictureFrames = 4;
constexpr COLORREF kButtonKey = RGB(255, 0, 255);

void DefaultShopOpener(HWND parent, const char* address)
{
    ShellExecuteA(parent, nullptr, address, nullptr, nullptr, SW_SHOW);
}

// The module's one dialog.
struct DialogState {
    HWND dialog = nullptr;
    HWND parent = nullptr;
    RECT relative{};
    std::string imageRoot;
    std::string registryPath;
    Picture background;
    CTPairVector<int32_t, tagChild> children;
    CTPairVector<int32_t, tagBackImage> images;
    bool shown = false;
    std::array<int32_t, 3> gates{};
    CHelperView::Choice choice;
    int32_t gameNumber = 0;
    VipDialogOwner* owner = nullptr;
    const CHelperView* creator = nullptr;
    CHelperView::ShopOpener opener = DefaultShopOpener;
};
DialogState state;

tagChild* Child(int32_t id)
{
    return state.children.FindRecord(id);
}

HWND ChildWnd(int32_t id)
{
    const tagChild* c = Child(id);
    return c ? c->wnd : nullptr;
}

bool IsChecked(int32_t id)
{
    HWND w = ChildWnd(id);
    return w && SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// Checks `checked` among the radio group of `first` and unchecks the rest.
void CheckRadio(int32_t first, int32_t checked)
{
    const tagChild* c = Child(first);
    if (!state.dialog || !c || !c->wnd) return;
    for (int32_t id : c->group)
        if (HWND w = ChildWnd(id)) SendMessageA(w, BM_SETCHECK, id == checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int32_t CheckedOf(int32_t first)
{
    const tagChild* c = Child(first);
    if (!c) return -1;
    for (int32_t id : c->group)
        if (IsChecked(id)) return id;
    return -1;
}

void EnableChild(int32_t id, bool enable)
{
    if (HWND w = ChildWnd(id)) EnableWindow(w, enable);
}

void ShowChild(int32_t id, bool show)
{
    if (HWND w = ChildWnd(id)) ShowWindow(w, show ? SW_SHOW : SW_HIDE);
}

// The skin under a control is painted again before the control, so a new text never lies over the old.
void RepaintUnder(HWND child)
{
    if (!state.dialog || !child) return;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, state.dialog, reinterpret_cast<POINT*>(&r), 2);
    RedrawWindow(state.dialog, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void SetChildText(int32_t id, const std::string& text)
{
    HWND w = ChildWnd(id);
    if (!w) return;
    SetWindowTextA(w, text.c_str());
    RepaintUnder(w);
}

std::string ChildText(int32_t id)
{
    HWND w = ChildWnd(id);
    if (!w) return {};
    char buffer[256] = {};
    SendMessageA(w, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

HFONT MakeFont(int height, int weight)
{
    return CreateFontA(height, 0, 0, 0, weight, 0, 0, 0, HANGUL_CHARSET, OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS,
                       DRAFT_QUALITY, VARIABLE_PITCH | FF_ROMAN, kFace);
}

HINSTANCE ModuleInstance()
{
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ModuleInstance), &module);
    return module;
}

void AddStatic(int32_t id, int32_t y, int weight, COLORREF color)
{
    auto [index, c] = state.children.Add(id);
    static_cast<void>(index);
    c.id = id;
    c.kind = ChildKind::Static;
    c.x = 85, c.y = y, c.width = 174, c.height = 12;
    c.style = WS_CHILD | WS_VISIBLE;
    c.textColor = color;
    c.font = MakeFont(12, weight);
}

void AddRadio(int32_t id, int32_t x, int32_t y, bool first)
{
    tagChild& c = state.children.Add(id).second;
    c.id = id;
    c.kind = ChildKind::Radio;
    c.x = x, c.y = y, c.width = 20, c.height = 20;
    c.style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (first ? WS_GROUP : 0);
    c.initialCheck = first;
}

void AddEdit(int32_t id, int32_t x, int32_t y, int32_t width)
{
    tagChild& c = state.children.Add(id).second;
    c.id = id;
    c.kind = ChildKind::Edit;
    c.x = x, c.y = y, c.width = width, c.height = 15;
    c.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | ES_AUTOHSCROLL | ES_RIGHT;
    c.minValue = kEditMin;
    c.maxValue = kEditMax;
    c.font = MakeFont(13, 100);
}

// A picture button whose bitmap does not load gets no record and so no window.
void AddPicture(int32_t id, const char* file, int32_t x, int32_t y)
{
    Picture probe;
    const std::string path = state.imageRoot + file;
    if (!probe.Load(path)) {
        DebugLine("vip dialog: no picture %s", path.c_str());
        return;
    }
    tagChild& c = state.children.Add(id).second;
    c.id = id;
    c.kind = ChildKind::Picture;
    c.x = x, c.y = y, c.width = probe.width / kPictureFrames, c.height = probe.height;
    c.style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
    c.bitmapPath = path;
    c.frames = kPictureFrames;
    probe.Release();
}

// An image that does not load stays as a default record under its index.
void AddImage(int32_t index, const char* file, int32_t x, int32_t y, bool shown)
{
    tagBackImage& img = state.images.Add(index).second;
    const std::string path = state.imageRoot + file;
    if (!img.picture.Load(path)) {
        DebugLine("vip dialog: no picture %s", path.c_str());
        return;
    }
    img.x = x, img.y = y;
    img.path = path;
    img.shown = shown;
}

void FillTables()
{
    AddStatic(kStat1, 51, 700, RGB(16, 98, 164));
    AddStatic(kStat2, 66, 100, RGB(94, 94, 94));
    AddStatic(kStat3, 84, 700, RGB(26, 26, 26));
    AddStatic(kStat4, 99, 700, RGB(254, 56, 65));
    AddRadio(kFirstOff, 85, 145, true);
    AddRadio(kFirst30, 132, 145, false);
    AddRadio(kFirst60, 196, 145, false);
    AddRadio(kSecondOff, 85, 167, true);
    AddRadio(kSecond30, 132, 167, false);
    AddRadio(kSecondTyped, 196, 167, false);
    AddRadio(kMoneyOff, 85, 189, true);
    AddRadio(kMoneyOn, 132, 189, false);
    AddEdit(kSecondEdit, 212, 168, 30);
    AddEdit(kMoneyHigh, 147, 190, 28);
    AddEdit(kMoneyLow, 195, 190, 28);
    AddPicture(kExit, "VIP\\btn_exit.bmp", 241, 12);
    AddImage(kGameImage, "VIP\\bg_gamehelp_gostop.bmp", 12, 214, true);
    AddRadio(kAlertOff, 85, 238, true);
    AddRadio(kAlertOn, 132, 238, false);
    AddImage(kOptionImage, "VIP\\img_gostop_option.bmp", 12, 214, false);
    AddImage(kNormalImage, "VIP\\img_gostop_normal.bmp", 10, 42, false);
    AddImage(kMoneyImage, "VIP\\img_money_gostop.bmp", 146, 187, true);
    AddPicture(kShopOption, "VIP\\btn_view_item.bmp", 17, 253);
    AddPicture(kShopNormal, "VIP\\btn_view_item_normal.bmp", 26, 198);
    AddPicture(kApply, "VIP\\btn_conform.bmp", 86, 312);
    AddPicture(kClose, "VIP\\btn_close.bmp", 138, 312);
    JoinRadioGroup(state.children, {kFirstOff, kFirst30, kFirst60, -1});
    JoinRadioGroup(state.children, {kSecondOff, kSecond30, kSecondTyped, -1});
    JoinRadioGroup(state.children, {kMoneyOff, kMoneyOn, -1});
    JoinRadioGroup(state.children, {kAlertOff, kAlertOn, -1});
}

std::string EditTextAfterPaste(HWND edit)
{
    std::string text;
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(edit)) return "\x01";  // nothing acceptable
    if (HANDLE data = GetClipboardData(CF_TEXT))
        if (const char* p = static_cast<const char*>(GlobalLock(data))) {
            text = p;
            GlobalUnlock(data);
        }
    CloseClipboard();
    char current[256] = {};
    GetWindowTextA(edit, current, sizeof current);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::string next = current;
    start = std::min<DWORD>(start, static_cast<DWORD>(next.size()));
    end = std::min<DWORD>(std::max(start, end), static_cast<DWORD>(next.size()));
    next.replace(start, end - start, text);
    return next;
}

LRESULT CALLBACK NumberEditProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    const auto previous = reinterpret_cast<WNDPROC>(GetPropA(wnd, kOrgProc));
    if (!previous) return 0;
    const auto minValue = static_cast<int32_t>(reinterpret_cast<INT_PTR>(GetPropA(wnd, kMinProp)));
    const auto maxValue = static_cast<int32_t>(reinterpret_cast<INT_PTR>(GetPropA(wnd, kMaxProp)));
    // Composed Korean would reach the text past WM_CHAR: the edit inserts WM_IME_CHAR and the
    // composition's result itself.
    if (msg == WM_IME_STARTCOMPOSITION || msg == WM_IME_COMPOSITION || msg == WM_IME_ENDCOMPOSITION) return 0;
    if (msg == WM_IME_CHAR) {
        if (wp > 0xFF) return 0;  // a double-byte character is no digit
        msg = WM_CHAR;
    }
    if (msg == WM_CHAR) {
        char current[256] = {};
        GetWindowTextA(wnd, current, sizeof current);
        DWORD start = 0, end = 0;
        SendMessageA(wnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const EditState edit{current, static_cast<int32_t>(start), static_cast<int32_t>(end)};
        switch (JudgeEditKey(edit, static_cast<char>(wp), minValue, maxValue)) {
        case EditVerdict::RefuseChar: return 0;
        case EditVerdict::RefuseValue: SendMessageA(wnd, EM_SETSEL, 0, -1); return 0;
        case EditVerdict::Accept: break;
        }
    }
    if (msg == WM_PASTE && !IsAcceptableEditText(EditTextAfterPaste(wnd), minValue, maxValue)) return 0;
    return CallWindowProcA(previous, wnd, msg, wp, lp);
}

void BuildRegion(HWND dialog)
{
    const Picture& bg = state.background;
    if (!bg.bitmap || bg.width <= 0 || bg.height <= 0) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = bg.width;
    info.bmiHeader.biHeight = -bg.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels(static_cast<size_t>(bg.width) * static_cast<size_t>(bg.height));
    // GetDIBits takes a bitmap selected into no device context: out of its own for the read.
    if (bg.dc) SelectObject(bg.dc, bg.oldBitmap);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bg.bitmap, 0, static_cast<UINT>(bg.height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (bg.dc) SelectObject(bg.dc, bg.bitmap);
    if (rows != bg.height) return;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (const auto& batch : BatchRuns(OpaqueRuns(pixels.data(), bg.width, bg.height))) {
        std::vector<char> buffer(sizeof(RGNDATAHEADER) + batch.size() * sizeof(RECT));
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        data->rdh.dwSize = sizeof(RGNDATAHEADER);
        data->rdh.iType = RDH_RECTANGLES;
        data->rdh.nCount = static_cast<DWORD>(batch.size());
        data->rdh.rcBound = {0x7FFFFFFF, 0x7FFFFFFF, 0, 0};
        auto* rects = reinterpret_cast<RECT*>(data->Buffer);
        for (size_t i = 0; i < batch.size(); ++i) {
            rects[i] = {batch[i].left, batch[i].y, batch[i].right, batch[i].y + 1};
            RECT& b = data->rdh.rcBound;
            b = {std::min(b.left, rects[i].left), std::min(b.top, rects[i].top), std::max(b.right, rects[i].right),
                 std::max(b.bottom, rects[i].bottom)};
        }
        if (HRGN part = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data)) {
            CombineRgn(region, region, part, RGN_OR);
            DeleteObject(part);
        }
    }
    if (!SetWindowRgn(dialog, region, TRUE)) DeleteObject(region);  // the window owns it on success
}

void CreateChildren(HWND dialog)
{
    const HINSTANCE instance = ModuleInstance();
    for (auto& [id, c] : state.children) {
        const char* cls = c.kind == ChildKind::Static ? "static" : c.kind == ChildKind::Edit ? "edit" : "button";
        c.wnd = CreateWindowExA(0, cls, "", c.style, c.x, c.y, c.width, c.height, dialog,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (!c.wnd) continue;
        if (c.initialCheck) SendMessageA(c.wnd, BM_SETCHECK, BST_CHECKED, 0);
        if (!c.bitmapPath.empty()) c.picture.Load(c.bitmapPath);
        if (c.font) SendMessageA(c.wnd, WM_SETFONT, reinterpret_cast<WPARAM>(c.font), TRUE);
        if (c.kind == ChildKind::Edit) {
            SetPropA(c.wnd, kMinProp, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(c.minValue)));
            SetPropA(c.wnd, kMaxProp, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(c.maxValue)));
            c.previousProc = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrA(c.wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NumberEditProc)));
            SetPropA(c.wnd, kOrgProc, reinterpret_cast<HANDLE>(c.previousProc));
            SendMessageA(c.wnd, EM_LIMITTEXT, kEditMaxChars, 0);
            ImmAssociateContext(c.wnd, nullptr);  // digits only: no composition
        }
    }
    BuildRegion(dialog);
}

void Paint(HWND dialog)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(dialog, &ps);
    const Picture& bg = state.background;
    if (bg.dc) BitBlt(dc, 0, 0, bg.width, bg.height, bg.dc, 0, 0, SRCCOPY);
    for (const auto& [index, img] : state.images)
        if (img.shown && img.picture.dc)
            TransparentBlt(dc, img.x, img.y, img.picture.width, img.picture.height, img.picture.dc, 0, 0,
                           img.picture.width, img.picture.height, kButtonKey);
    EndPaint(dialog, &ps);
}

void DrawPictureButton(const DRAWITEMSTRUCT& item)
{
    const tagChild* c = Child(static_cast<int32_t>(item.CtlID));
    if (!c || !c->picture.dc) return;
    const int n = c->frames;
    const auto draw = [&](int frame) {
        if (frame < 0) frame = 0;
        TransparentBlt(item.hDC, 0, 0, c->width, c->height, c->picture.dc, frame * c->width, 0, c->width, c->height,
                       kButtonKey);
    };
    for (UINT flag : {static_cast<UINT>(ODS_HOTLIGHT), static_cast<UINT>(ODS_DEFAULT), static_cast<UINT>(ODS_FOCUS)})
        if (item.itemState & flag) draw(n - 3);
    if ((item.itemState & ODS_SELECTED) && (item.itemState & ODS_FOCUS))
        draw(n - 2);
    else if (item.itemState & ODS_DISABLED)
        draw(n - 1);
    else if (!(item.itemState & ODS_FOCUS))
        draw(0);
}

void Place()
{
    if (!state.dialog || !state.parent) return;
    RECT parent{}, own{};
    GetWindowRect(state.parent, &parent);
    GetWindowRect(state.dialog, &own);
    const int w = own.right - own.left, h = own.bottom - own.top;
    SetWindowPos(state.dialog, nullptr, parent.right - w, parent.bottom - h, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    state.relative = {parent.right - w - parent.left, parent.bottom - h - parent.top, parent.right - parent.left,
                      parent.bottom - parent.top};
}

// A hidden active dialog would hand the keyboard to the host's frame: it goes back to the game window.
void HideDialog()
{
    state.shown = false;
    if (!state.dialog) return;
    const HWND focus = GetFocus();
    const bool hadFocus = focus && (focus == state.dialog || IsChild(state.dialog, focus));
    ShowWindow(state.dialog, SW_HIDE);
    if (hadFocus && state.parent && IsWindow(state.parent)) SetFocus(state.parent);
}

// Every way of closing hides the dialog and tells the room once.
void HideAndTell()
{
    if (!state.dialog || !IsWindowVisible(state.dialog)) return;
    HideDialog();
    if (state.owner) state.owner->DialogClosed();
}

void SaveHelperAlert()
{
    RegistryKey key(state.registryPath);
    key.WriteDword(std::to_string(state.gameNumber), "Helper_Add_Alert", state.choice.alertOn ? 1u : 0u);
    if (state.owner) state.owner->SetAlert(state.choice.first, state.choice.second, state.choice.amount);
}

void LoadHelperAlert()
{
    uint32_t value = 0;
    const RegistryKey key(state.registryPath);
    if (key.ReadDword(std::to_string(state.gameNumber), "Helper_Add_Alert", value)) state.choice.alertOn = value == 1;
    if (state.owner) state.owner->SetAlert(state.choice.first, state.choice.second, state.choice.amount);
}

void Apply()
{
    CHelperView::Choice& c = state.choice;
    c.first = FirstValueOf(CheckedOf(kFirstOff));
    const int32_t second = CheckedOf(kSecondOff);
    c.second = second == kSecond30 ? 30 : second == kSecondTyped ? ClampEditNumber(ChildText(kSecondEdit)) : 0;
    c.amount = IsChecked(kMoneyOn)
                   ? AlertAmount(ClampEditNumber(ChildText(kMoneyHigh)), ClampEditNumber(ChildText(kMoneyLow)))
                   : 0;
    c.alertOn = IsChecked(kAlertOn);
    HideDialog();
    SaveHelperAlert();
    if (state.owner) {
        state.owner->RefreshAfterApply();
        state.owner->DialogClosed();
    }
}

void OnCommand(int32_t id)
{
    switch (id) {
    case kApply: Apply(); return;
    case kClose:
    case kExit:
    case IDCANCEL: HideAndTell(); return;
    case kShopOption:
    case kShopNormal:
        if (state.opener) state.opener(state.parent, CHelperView::kShopAddress);
        return;
    default: break;
    }
    const tagChild* c = Child(id);
    if (!c || c->kind != ChildKind::Radio || !IsChecked(id)) return;
    const RadioEffect effect = OnRadioChecked(id);
    for (int32_t first : effect.resetGroups) CheckRadio(first, first);
    for (const auto& [edit, enable] : effect.enable) EnableChild(edit, enable);
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp)
{
    return GuardBoundary("vip dialog", INT_PTR{0}, [&]() -> INT_PTR {
        switch (msg) {
        case WM_INITDIALOG:
            state.dialog = dialog;
            CreateChildren(dialog);
            // The dialog is made hidden at each entry: it takes neither the focus nor activation.
            return FALSE;
        case WM_PAINT: Paint(dialog); return TRUE;
        case WM_DRAWITEM: DrawPictureButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp)); return TRUE;
        case WM_COMMAND:
            if (HIWORD(wp) == BN_CLICKED || lp == 0) OnCommand(LOWORD(wp));
            return TRUE;
        case WM_CTLCOLORSTATIC: {
            const tagChild* c = Child(GetDlgCtrlID(reinterpret_cast<HWND>(lp)));
            HDC dc = reinterpret_cast<HDC>(wp);
            SetBkMode(dc, TRANSPARENT);
            if (c && c->kind == ChildKind::Static) SetTextColor(dc, c->textColor);
            return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
        }
        case WM_CTLCOLOREDIT:
            // Digits on solid white: a hollow box would keep the old digits under the new ones.
            SetBkColor(reinterpret_cast<HDC>(wp), RGB(255, 255, 255));
            return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
        case WM_LBUTTONDOWN:
            PostMessageA(dialog, WM_NCLBUTTONDOWN, HTCAPTION, lp);
            return TRUE;
        default: return FALSE;
        }
    });
}

void ApplyGatePlan()
{
    const GatePlan plan = PlanForGates(state.gates, IsChecked(kSecondTyped), IsChecked(kMoneyOn));
    for (auto& [index, img] : state.images)
        if (index >= 0 && static_cast<size_t>(index) < plan.imageShown.size() && img.picture.dc)
            img.shown = plan.imageShown[static_cast<size_t>(index)];
    for (const ControlState& c : plan.controls) {
        ShowChild(c.id, c.shown);
        EnableChild(c.id, c.enabled);
    }
    InvalidateRect(state.dialog, nullptr, TRUE);
}

}  // namespace

CHelperView::~CHelperView()
{
    // The dialog made through this view goes with it: its owner is going too.
    if (state.creator == this) {
        DestroyVIPDialog();
        state.owner = nullptr;
        state.creator = nullptr;
    }
}

bool CHelperView::CreateVIPDialog(int32_t gameNumber, int resourceId, HWND parent, const std::string& imageRoot,
                                  const std::string& registryPath, VipDialogOwner* owner)
{
    // An open dialog goes without its close: the room would keep "vip" disabled.
    if (state.shown && state.owner) state.owner->DialogClosed();
    DestroyVIPDialog();
    state.owner = owner;
    state.creator = this;
    state.choice = Choice{};
    if (owner) owner->SetAlert(0, 0, 0);
    state.parent = parent;
    state.imageRoot = imageRoot;
    state.registryPath = registryPath;
    state.gameNumber = gameNumber;
    FillTables();
    if (state.background.Load(imageRoot + "VIP\\bg_gamehelp.bmp")) {
        RECT p{};
        if (parent) GetWindowRect(parent, &p);
        state.dialog = CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(resourceId), parent, DialogProc, 0);
        if (state.dialog) {
            SetWindowPos(state.dialog, nullptr, p.left + 503, p.top + 232, state.background.width,
                         state.background.height, SWP_NOZORDER | SWP_NOACTIVATE);
            Place();
            for (int32_t id : {kSecondEdit, kMoneyHigh, kMoneyLow}) EnableChild(id, false);
            for (int32_t id : {kShopOption, kShopNormal}) {
                ShowChild(id, false);
                EnableChild(id, false);
            }
        } else {
            DebugLine("vip dialog: CreateDialogParam failed, error %lu", GetLastError());
        }
    } else {
        DebugLine("vip dialog: no background %sVIP\\bg_gamehelp.bmp", imageRoot.c_str());
    }
    state.shown = false;
    LoadHelperAlert();
    return state.dialog != nullptr;
}

void CHelperView::ShowVIPDialog(bool show, bool enable)
{
    if (!state.dialog) return;
    const Choice& c = state.choice;
    CheckRadio(kFirstOff, RadioOfFirstValue(c.first));
    SetChildText(kSecondEdit, FormatText("%d", c.second));
    CheckRadio(kSecondOff, RadioOfSecondValue(c.second));
    const AmountParts parts = SplitAlertAmount(c.amount);
    SetChildText(kMoneyHigh, FormatText("%I64d", parts.high));
    SetChildText(kMoneyLow, FormatText("%I64d", parts.low));
    CheckRadio(kMoneyOff, c.amount == 0 ? kMoneyOff : kMoneyOn);
    CheckRadio(kAlertOff, c.alertOn ? kAlertOn : kAlertOff);
    ApplyGatePlan();
    if (IsWindowVisible(state.dialog)) {
        state.shown = show;
        return;
    }
    Place();
    ShowWindow(state.dialog, show ? SW_SHOW : SW_HIDE);
    EnableWindow(state.dialog, enable);
    state.shown = show;
}

void CHelperView::RepositionVIPDialog(HWND parent, bool moved)
{
    if (!state.dialog || !moved) return;
    if (parent) state.parent = parent;
    Place();
}

int CHelperView::CloseVIPDialog(int flag)
{
    if (flag == 1)
        DestroyVIPDialog();
    else
        HideDialog();
    return 1;
}

void CHelperView::DestroyVIPDialog()
{
    HideDialog();  // before its children go, one of them perhaps with the focus
    for (auto& [id, c] : state.children) {
        if (c.wnd && c.previousProc) {
            SetWindowLongPtrA(c.wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(c.previousProc));
            RemovePropA(c.wnd, kOrgProc);
            RemovePropA(c.wnd, kMinProp);
            RemovePropA(c.wnd, kMaxProp);
        }
        if (c.font) DeleteObject(c.font);
        c.picture.Release();
        if (c.wnd) DestroyWindow(c.wnd);
    }
    state.children.Clear();
    for (auto& [index, img] : state.images) img.picture.Release();
    state.images.Clear();
    state.background.Release();
    if (state.dialog) DestroyWindow(state.dialog);
    state.dialog = nullptr;
    state.parent = nullptr;
    state.shown = false;
}

void CHelperView::UpdateVIPDialogControls(int32_t gate1, int32_t gate2, int32_t gate3)
{
    state.gates = {gate1, gate2, gate3};
    if (state.dialog) ApplyGatePlan();
}

void CHelperView::SetVIPDialogTexts(uint32_t playSeconds, uint32_t wins, uint32_t losses, int64_t ownMoney,
                                    int64_t change)
{
    if (!state.dialog) return;
    const auto texts = StatisticsTexts(state.gameNumber, {playSeconds, wins, losses, ownMoney, change});
    const int32_t ids[] = {kStat1, kStat2, kStat3, kStat4};
    for (size_t i = 0; i < texts.size(); ++i) SetChildText(ids[i], texts[i]);
}

bool CHelperView::IsAlertOn() const
{
    return state.choice.alertOn;
}

void CHelperView::ClearStoredSecondAndAmount()
{
    state.choice.second = 0;
    state.choice.amount = 0;
}

bool CHelperView::IsVisible() const
{
    return state.dialog && IsWindowVisible(state.dialog);
}

bool CHelperView::IsOpen() const
{
    return state.dialog && state.shown;
}

HWND CHelperView::GetWindow() const
{
    return state.dialog;
}

HWND CHelperView::GetControl(int id) const
{
    return ChildWnd(id);
}

void CHelperView::SetShopOpener(ShopOpener opener)
{
    state.opener = opener ? opener : DefaultShopOpener;
}

CHelperView::Choice CHelperView::GetChoice()
{
    return state.choice;
}

std::vector<HGDIOBJ> CHelperView::GetOwnedGdiObjects()
{
    std::vector<HGDIOBJ> objects;
    const auto add = [&](const Picture& p) {
        if (p.dc) objects.push_back(p.dc);
        if (p.bitmap) objects.push_back(p.bitmap);
    };
    add(state.background);
    for (const auto& [id, c] : state.children) {
        add(c.picture);
        if (c.font) objects.push_back(c.font);
    }
    for (const auto& [index, img] : state.images) add(img.picture);
    return objects;
}
