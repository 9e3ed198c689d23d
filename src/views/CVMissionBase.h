#pragma once

#include <vector>

#include "views/CVPanel.h"
#include "views/MissionOwner.h"
#include "views/MissionParts.h"

class GVQZAniWnd;

// What the side mission panels share: the opening with its layout states, the widgets and
// animations waiting for the opening to end, and the owner they play sounds through.
class CVMissionBase : public CVPanel {
public:
    enum class Layout { Closed = -1, Opening = 0, Open = 1, Restored = 2 };
    enum class Restore { No, Yes };

    using CVPanel::Show;
    // Opening (played, sound) or restored (at once, silent); shows the panel.
    void Show(Restore restore);
    int Step() override;
    void Clear() override;

    Layout GetLayout() const { return layout; }
    int GetSkin() const { return skin; }
    size_t PendingCount() const { return pendingWidgets.size() + pendingAnimations.size(); }

protected:
    CVMissionBase() : CVPanel(MissionParts::kPanelSize, MouseRouting::No) {}

    void BeginMission(MissionOwner& panelOwner, int tableSkin);
    // Back to closed with nothing pending.
    void ResetLayout();
    bool IsShowing() const { return layout == Layout::Open || layout == Layout::Restored; }
    // Shown now when the panel shows, else when the opening ends.
    void ShowOrQueue(GVWnd* w);
    // Played (holding its last frame) now when the panel shows, else when the opening ends.
    void PlayOrQueue(GVQZAniWnd* a);
    void HideAndUnqueue(GVWnd* w);
    void StopAndUnqueue(GVQZAniWnd* a);
    void Unqueue(GVWnd* w);
    void ShowPending();
    // The back at clip `clip`: played and held, or put on its last frame at once.
    void PlayBack(GVQZAniWnd* back, int clip, Restore restore);
    // The layout steps of a panel with a back at clip `backClip` and an opening effect: the back
    // plays with the opening sound, the effect and the reveal sound show the pending widgets, a
    // restore puts the back on its last frame.
    void LayOutBackAndEffect(GVQZAniWnd* back, GVQZAniWnd* effect, int backClip);
    void PlaySound(SoundId id) const
    {
        if (missionOwner) missionOwner->PlayMissionSound(id);
    }
    int SlotOf(int seat) const;

    // The panel's own steps of each layout state.
    virtual void LayOut() = 0;
    virtual GVQZAniWnd* Back() const = 0;

    MissionOwner* missionOwner = nullptr;
    Layout layout = Layout::Closed;
    int skin = 0;

private:
    std::vector<GVWnd*> pendingWidgets;
    std::vector<GVQZAniWnd*> pendingAnimations;
};
