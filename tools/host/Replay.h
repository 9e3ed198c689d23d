#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "Png.h"
#include "ReplayScript.h"
#include "ScreenCompare.h"
#include "StandInHost.h"
#include "protocol_json/JsonFields.h"

// What the replay needs of the running module.
struct ModuleHandle {
    HMODULE dll = nullptr;
    IClientInterface* client = nullptr;
    HWND hostWnd = nullptr;
    HWND gameWnd = nullptr;
    void(__stdcall* advanceClock)(unsigned ms) = nullptr;  // only on the virtual clock
    unsigned(__stdcall* clockMs)() = nullptr;               // the virtual milliseconds so far; only on the virtual clock
    int(__stdcall* destroy)(IClientInterface* client) = nullptr;
    int(__stdcall* soundsLoaded)(IClientInterface* client) = nullptr;
    bool destroyed = false;  // DestroyGameWnd was called by an armed step: no call reaches the module any more
    std::string portalDir;  // ends in a backslash; its ini names the module's registry key
};

// The module's option values under HKEY_CURRENT_USER\Software\<sCompany>\<sDomainName>\24, the two
// names read from the portal's ini as the module reads them: {"key": path, "values": {name: value}},
// strings as text, DWORDs as numbers, a missing value as null (OptionRegistry.cpp).
Json ReadOptionValues(const std::string& portalDir, const Json& names);

// Protocol conversions the replay uses (ProtocolBridge.cpp).
std::optional<std::vector<uint8_t>> EncodeMessage(const std::string& name, const Json& fields, std::string& error);
Json DescribeRequest(const uint8_t* data, int size);

// Plays a replay script: JSON lines, one step each, includes expanded (ReplayScript.h). Steps run
// in order; the first unmet expectation stops the replay with a message that says where
// ("file:line") and what came instead. Each message box the module opens is a host event
// {"call": "MessageBox", "text", "title", "type", "autoCloseMs"} to expect before
// {"answer_box": 1 or 2}; the steps after the answer run once the box has closed.
// {"screenshot": NAME, "same_as": EARLIER} also fails when the pixels differ from an earlier one;
// with "region" [x, y, w, h] and "tolerance" only that region is compared, each channel within the
// tolerance, and "differs_from" fails when the region shows the same (ScreenCompare.h).
// {"screenshot": NAME, "golden": REFERENCE} compares with REFERENCE.png in the golden folder's
// subfolder of the display's colour depth ("16" or "24"), writing NAME.diff.png beside the
// screenshot when they differ; in update mode it writes the reference instead (Replay_Golden.cpp).
// {"registry": {NAME: VALUE, ...}} reads those option values of the module's registry key into the
// trace ({"call": "Registry", ...}) and fails when one differs (a string, a number, or null for missing).
class SoakRun;

class Replay {
public:
    Replay(StandInHost& standIn, ModuleHandle& loaded, std::string screenshots)
        : host(standIn), module(loaded), screenshotDir(std::move(screenshots)) {}

    bool Load(const std::string& path);
    // Advances go a frame at a time, the host's window painted after each (the module's clock
    // paces them), so a person can watch.
    void SetRealPace(bool on) { realPace = on; }
    // Where the golden references lie (holding "16" and "24"), and whether to write them.
    void SetGolden(std::string folder, bool update)
    {
        goldenDir = std::move(folder);
        updateGolden = update;
    }
    // Runs every step not yet run; re-entered from the host's timer while the module shows a
    // modal box, so a box can be answered. Returns false once a step failed.
    bool RunPending();
    bool Finished() const { return next >= steps.size(); }
    // Fails the replay when a call armed by {"arm": ...} never came.
    bool CheckArmedCallMade();
    // Waits until the screenshots are on disk; fails the replay when one could not be written.
    bool FinishScreenshots();
    bool Failed() const { return !error.empty(); }
    const std::string& Error() const { return error; }
    bool InStep() const { return depth > 0; }
    bool Soaking() const { return soak != nullptr; }
    // Fails the replay because its steps ended while the module's message box `box` is open.
    void FailWithOpenBox(HWND box);
    // The script's line of the step running now (0 before the first), for the watchdog; an
    // included step gives the line of its include.
    int CurrentLine() const { return currentLine; }

private:
    bool RunStep(const ScriptStep& step);
    bool Fail(const ScriptStep& step, const std::string& what);
    bool ExpectRequest(const ScriptStep& step);
    bool ExpectEvent(const ScriptStep& step);
    bool ExpectNone(const ScriptStep& step);
    bool Deliver(const ScriptStep& step);
    bool Client(const ScriptStep& step);
    // One call of the module's client interface (or DestroyGameWnd) by name; false with `why` for an unknown name.
    bool CallClient(const std::string& call, const Json* args, int& result, std::string& why);
    bool Arm(const ScriptStep& step);
    void RunArmed(const Json& hostCall);
    bool Answer(const ScriptStep& step);
    bool Input(const ScriptStep& step);
    bool FocusedKey(const ScriptStep& step);
    bool Screenshot(const ScriptStep& step);
    bool Golden(const ScriptStep& step, const GoldenCheck& check, const std::string& name, const ScreenPixels& taken,
                int bitsPerPixel);
    // Where the reference of the display's depth lies; `shown` gets its name for messages.
    std::string GoldenPath(const std::string& reference, int bitsPerPixel, std::string* shown) const;
    // Whether a screenshot passes its region and golden checks, saying nothing.
    bool ScreenChecksPass(const std::optional<RegionCheck>& check, const std::optional<GoldenCheck>& golden,
                          const std::string& name, const ScreenPixels& taken, int bitsPerPixel) const;
    bool Registry(const ScriptStep& step);
    bool Advance(const ScriptStep& step, unsigned ms);
    bool WaitForSounds(const ScriptStep& step, DWORD until);
    void Pump();
    bool Soak(const ScriptStep& step);  // ReplaySoak.cpp
    bool SoakInBox();
    bool Resources(const ScriptStep& step);  // ReplayResources.cpp
    bool ProcessorTime(const ScriptStep& step);
    // Where a file of the run's output folder is written; '/' works on both sides of Wine and reads as a path.
    std::string OutPath(const std::string& name) const
    {
        const bool slash = !screenshotDir.empty() && (screenshotDir.back() == '/' || screenshotDir.back() == '\\');
        return screenshotDir + (slash ? "" : "/") + name;
    }
    friend class SoakRun;

    StandInHost& host;
    ModuleHandle& module;
    std::string screenshotDir;
    std::string goldenDir;
    bool updateGolden = false;
    std::vector<ScriptStep> steps;
    std::string scriptPath;
    size_t next = 0;
    SoakRun* soak = nullptr;  // while it runs, the soak answers the module's boxes itself
    int boxesAnswered = 0;
    int depth = 0;
    bool boxAnswered = false;  // the last step answered a box: leave its loop
    std::map<std::string, ScreenPixels> takenPixels;  // the pixels of each taken, by name
    volatile int currentLine = 0;
    bool realPace = false;
    std::set<std::string> written;  // the screenshots written so far, each told once
    PngWriter pngs;                 // encodes the screenshots beside the replay's steps
    std::string error;
    // {"arm": CALL, "on": {HOST CALL}}: the client call made inside the next matching host call.
    struct Armed {
        Json on;
        std::string call;
        Json args;
        std::string where;
    };
    std::optional<Armed> armed;
};

// How many exceptions the module's boundary guards caught and reported so far, and the last
// report (HostMain.cpp reads the module's debug lines).
int ModuleBoundaryReports(std::string* last);

// True when `have` holds every member of `want` with an equal value (objects compared the same way).
bool JsonContains(const Json& have, const Json& want);
// Finds a top-level window of this thread (or of thread `threadId`) that is a dialog (the module's message box).
HWND FindModalBox(DWORD threadId = 0);
// The text a message box shows, as UTF-8; read without a message to its thread, so a hung thread's box can be named.
std::string BoxText(HWND box);

// A step begins: the watchdog of a paced run allows it `allowanceMs` beyond its limit (HostMain.cpp).
void NoteStepBegins(unsigned allowanceMs);
