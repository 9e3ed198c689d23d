#pragma once

#include <string>
#include <utility>

#include "table/RoomRecords.h"
#include "views/LoadErrorSink.h"
#include "views/MissionOwner.h"

// The mission panels' room: the records' screen slots, sounds and music dropped.
class SlotMissionRoom final : public MissionOwner, public LoadErrorSink {
public:
    SlotMissionRoom(const RoomRecords& roomRecords, std::string root) : records(roomRecords), imageRoot(std::move(root)) {}
    const std::string& GetImageRoot() const override { return imageRoot; }
    LoadErrorSink& GetLoadErrorSink() override { return *this; }
    void AddLoadError(const std::string&) override {}
    void ReportLoadError(const std::string&) override {}
    void PlayMissionSound(MissionSound) override {}
    void PlayMissionSoundAtVolume(MissionSound, int) override {}
    int ScreenSlotOfSeat(int seat) const override
    {
        return RoomRecords::IsSeat(seat) ? const_cast<RoomRecords&>(records).GetPlayer(seat).screenSlot : -1;
    }
    bool OpenMusic(const std::string&) override { return true; }
    void PlayMusic(bool, int) override {}
    void SetMusicVolume(int) override {}
    void SetLoopMusicVolume(int) override {}

private:
    const RoomRecords& records;
    std::string imageRoot;
};
