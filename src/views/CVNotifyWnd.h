#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "foundation/core/Containers.h"
#include "views/CVPanel.h"
#include "views/NotifyOwner.h"
#include "views/core/NotifyTable.h"

class CVHTWnd;
class CVPSPPushBtn;
class GVQZAniWnd;
class GVQZSWnd;
class GVTextWnd;

// The prompt in the middle of the table: every notice and decision of a round. A notice opens
// with the back animation's opening clip, then loops the clip of its kind and shows its texts,
// buttons and cards. Answers (a click, F1 for the first button, F2 for the second) go to the
// owner's senders, which close the prompt.
class CVNotifyWnd : public CVPanel {
public:
    static constexpr Size kSize{240, 240};
    enum class State { Closed = -1, Opening = 0, Open = 1 };

    CVNotifyWnd() : CVPanel(kSize, MouseRouting::Yes) {}
    ~CVNotifyWnd() override = default;

    void Clear() override;
    // Builds the children, each hidden, and places the prompt at its layout; false as soon as one
    // fails (the factory has reported it).
    [[nodiscard]] bool CreateChildren(NotifyOwner& room);

    using CVPanel::Show;
    // Notice kinds 6..28; 0 (and nothing closed) for other kinds, else 1.
    int Show(int kind, const Notify::NoticeArgs& args);
    // Card notices and decisions, kinds 0..5; 0 for other kinds. More than four cards close the
    // prompt and open nothing.
    int ShowChoice(int kind, const std::vector<int32_t>& cards);
    // A hand-mission success: only kind 27 and mission ids 0..14 open.
    int ShowHandMission(int kind, int missionId, int variant, int64_t money);
    // Closes whatever is open; 0 when the prompt was not shown.
    int Close();
    // Layouts 0..2; any other index does nothing.
    void SetLayout(int index);

    int Step() override;
    // F1 and F2 answer as the first and the second button; always 0.
    int OnKeyDown(UINT vk, UINT repeat, UINT flags) override;

    int GetKind() const { return kind; }
    State GetState() const { return state; }
    // The card the first card window holds, the answer of a card choice that timed out.
    int32_t GetDefaultCard() const;

    GVQZAniWnd* GetBack() const { return back; }
    GVQZAniWnd* GetCaption() const { return caption; }
    GVQZAniWnd* GetStopMark() const { return stopMark; }
    CVHTWnd* GetCardWnd(int i) const;
    GVQZSWnd* GetSideMark(int i) const;
    GVQZSWnd* GetSideMoneyMark() const { return sideMoneyMark; }
    CVPSPPushBtn* GetYesButton() const { return yes; }
    CVPSPPushBtn* GetNoButton() const { return no; }
    GVTextWnd* GetLine(Notify::Line line) const;

protected:
    void OnChildClick(GVWnd& child) override;

private:
    NotifyOwner* Owner() const { return notifyOwner; }
    void SetLineText(const Notify::LineText& line);
    void SetButtons(const Notify::Buttons& buttons);
    void PlaceCard(int i, int32_t card, Point p);
    void Open(int noticeKind, bool atOnce);
    void OpenStep();
    // Sends the answer and hides the prompt; false when the answer is none or has no card to send.
    bool Answer(const Notify::Reply& reply);

    NotifyOwner* notifyOwner = nullptr;
    GVQZAniWnd* back = nullptr;
    std::array<GVQZSWnd*, Notify::kCardWindows> sideMarks{};
    std::array<CVHTWnd*, Notify::kCardWindows> cards{};
    GVQZAniWnd* caption = nullptr;
    GVTextWnd* valueLine = nullptr;
    GVTextWnd* secondValueLine = nullptr;
    GVTextWnd* goStopLine = nullptr;
    GVTextWnd* upperLine = nullptr;
    GVTextWnd* lowerLine = nullptr;
    CVPSPPushBtn* yes = nullptr;
    CVPSPPushBtn* no = nullptr;
    GVQZSWnd* sideMoneyMark = nullptr;
    GVTextWnd* betLine = nullptr;
    GVQZAniWnd* stopMark = nullptr;

    int kind = -1;
    int layout = 0;
    State state = State::Closed;
    Notify::Reply yesReply, noReply;
    plist<GVWnd> showList;        // children shown when the notice is open
    plist<GVQZAniWnd> playList;   // animations looped when the notice is open
};
