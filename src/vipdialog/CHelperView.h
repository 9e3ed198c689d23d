#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// What the VIP dialog tells the room.
class VipDialogOwner {
public:
    // The alert chosen at Apply: minutes, games, money (the first that is set applies).
    virtual void SetAlert(int32_t minutes, int32_t games, int64_t money) = 0;
    virtual void RefreshAfterApply() = 0;
    // Called once for every way the dialog closes.
    virtual void DialogClosed() = 0;

protected:
    ~VipDialogOwner() = default;
};

// The VIP side dialog: a modeless popup drawn from bitmaps, shaped by its background, kept in the
// bottom-right corner of the game window. Its state is the module's: one dialog per process,
// whichever view drives it. Every operation returns at once when there is no dialog window.
class CHelperView {
public:
    CHelperView() = default;
    virtual ~CHelperView();
    CHelperView(const CHelperView&) = delete;
    CHelperView& operator=(const CHelperView&) = delete;

    // Destroys an old dialog (an open one tells its owner it closed) and builds a new one, hidden
    // and without taking the focus, from the dialog resource of this module; the alert set to
    // nothing, then the stored alert flag read from the registry. False when no window was made
    // (no background picture, say).
    bool CreateVIPDialog(int32_t gameNumber, int resourceId, HWND parent, const std::string& imageRoot,
                         const std::string& registryPath, VipDialogOwner* owner);
    // The controls from the gates and the stored choice; placed and shown when not yet visible.
    void ShowVIPDialog(bool show, bool enable);
    // Into the parent's bottom-right corner again; `moved` takes a new parent.
    void RepositionVIPDialog(HWND parent, bool moved);
    // 0 hides the dialog, 1 destroys it; 1.
    int CloseVIPDialog(int flag);
    void DestroyVIPDialog();
    void UpdateVIPDialogControls(int32_t gate1, int32_t gate2, int32_t gate3);
    void SetVIPDialogTexts(uint32_t playSeconds, uint32_t wins, uint32_t losses, int64_t ownMoney, int64_t change);

    bool IsAlertOn() const;
    // The alert's end clears the stored games and money so the next show has them off.
    void ClearStoredSecondAndAmount();
    bool IsVisible() const;
    // Shown by the room and not closed since, also while the system hides it with a minimised host.
    bool IsOpen() const;
    HWND GetWindow() const;
    HWND GetControl(int id) const;

    // The item shop's address and how it is opened; tests replace the opener.
    static constexpr const char* kShopAddress = "http://www.mirelle.co.kr/shop/item.asp";
    using ShopOpener = void (*)(HWND parent, const char* address);
    static void SetShopOpener(ShopOpener opener);

    // The stored choice, for tests: first value, second value, amount.
    struct Choice {
        int32_t first = 0;
        int32_t second = 0;
        int64_t amount = 0;
        bool alertOn = false;
    };
    static Choice GetChoice();
    // Every device context, bitmap and font the dialog holds now.
    static std::vector<HGDIOBJ> GetOwnedGdiObjects();
};
