#pragma once

#include <cstdint>

struct JackpotRecord;
struct PromotionRecord;
struct RCUser;

// The promotion banners and the bonus-jackpot event as the flows reach them.
class PromotionStage {
public:
    virtual ~PromotionStage() = default;

    // Room entry: the event state from the promotion record; the manager counts as entered.
    virtual void SetEventState(const PromotionRecord& record) = 0;
    // The event lines in the chat, once per entered room, for entry modes 0..2.
    virtual void PrintEventNotices(int32_t entryMode) = 0;
    virtual void ShowEventBanner(bool show) = 0;
    virtual void ShowDefaultBanner(bool show) = 0;
    virtual bool IsDefaultBannerVisible() const = 0;
    // The own user's count and progress from his record; the entry's jackpot value stays.
    virtual void SetJackpotProgress(const RCUser& user) = 0;
    virtual void ShowJackpotGauge(bool show) = 0;
    // The gauge at a deal: `seated` whether the dealt-to user sits.
    virtual void ShowDealGauge(bool seated) = 0;
    // The game end's jackpot record for one seat's user.
    virtual void ShowJackpotResult(const JackpotRecord& record, int32_t userKey, int seat) = 0;
    virtual void HideAll() = 0;
};
