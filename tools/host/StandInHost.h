#pragma once

#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <string>

#include "protocol/HostInterfaces.h"
#include "protocol_json/JsonFields.h"

// One thing the module did towards the host: a call of IHostInterface or a message posted to
// the host's window, as JSON ({"call": "...", ...} or {"posted": n, ...}).
struct HostEvent {
    Json json;
    bool isRequest = false;  // IHostInterface::Send
};

// The host's interface object: records every call, answers as the replay told it to, and
// writes each call as one JSON line to the trace.
class StandInHost final : public IHostInterface {
public:
    explicit StandInHost(FILE* traceFile) : trace(traceFile) {}

    int __stdcall Send(int channel, int kind, const uint8_t* data, int size) override;
    int __stdcall GetUserAvatar(BSTR userId, BSTR avatar, BSTR* itemList) override;
    int __stdcall HostMessage(BSTR text1, int kind, BSTR text2) override;
    int __stdcall LeaveNotice(int code) override;
    int __stdcall Reserved4() override { return 0; }
    int __stdcall AddChatText(BSTR text, int weight, int color, int zero, BSTR link, int bold) override;
    int __stdcall RequestScreenMode(int fullScreen, int width, int height, int zero) override;
    int __stdcall HostRequest(int userKey, const HostRequestRecord* request, char* text, int32_t* inOut) override;

    // A message the module posted to the host's window.
    void NotePosted(UINT msg, WPARAM wParam, LPARAM lParam);
    // An effect sound (kind 0, by id) or a voice (kind 1, by cue, with its seat) the module started.
    void NoteStarted(int kind, int id, int seat);
    // A message box of the module as it opens (read from its window); other dialogs are passed over.
    void NoteBox(HWND box);

    // Answers the replay set: HostRequest's result by code, Send's result, the avatar list.
    std::map<int, int> hostRequestResults;
    int sendResult = 0;
    std::string avatarList;
    std::string fetchText;  // the text code 62 fills in

    std::deque<HostEvent> events;  // not yet matched by an expectation

    // Decodes a request's bytes to JSON; set by the replay (it knows the protocol).
    std::function<Json(const uint8_t*, int)> describeRequest;
    // Runs after each call is recorded, still inside the module's call: the replay's armed call.
    std::function<void(const Json&)> afterCall;

    // A line of the trace that no expectation waits for.
    void Trace(const Json& json);

    // Where the replay is, written into every trace line as "line" (the script's), with "file"
    // and "fileLine" for a step of an included script, and "ms": the clock's milliseconds when
    // the line is written, read from `clockMs`.
    int traceLine = 0;
    std::string traceStepFile;
    int traceFileLine = 0;
    std::function<int64_t()> clockMs;
    // Whether the module reported a file it could not load since this was last asked: code 36
    // then reports that, not an out-of-date client.
    std::function<bool()> loadFailureSeen;

private:
    void Record(Json json, bool isRequest);
    FILE* trace;
};

// UTF-8 (scripts, traces) and the ANSI code page (the module's texts).
std::string AnsiToUtf8(const std::string& ansi);
std::string Utf8ToAnsi(const std::string& utf8);
std::string BstrToUtf8(BSTR s);
// Every string inside the value converted.
Json JsonAnsiToUtf8(Json v);
Json JsonUtf8ToAnsi(Json v);
