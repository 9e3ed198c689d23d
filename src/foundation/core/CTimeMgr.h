#pragma once

#include <cstdint>

// A time base on the module clock: the performance counter when there is one, else milliseconds.
class CTimeMgr {
public:
    CTimeMgr() { Init(); }
    virtual ~CTimeMgr() = default;

    void Init();
    void Start();
    uint32_t ElapsedMs() const;

    int32_t hasCounter = 0;
    int64_t frequency = 0;
    uint32_t startTick = 0;
    int64_t startCounter = 0;
};
