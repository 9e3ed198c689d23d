#include "Replay.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

#include "DialogSteps.h"
#include "Png.h"
#include "ScreenCompare.h"
#include "protocol_json/ProtocolJson.h"

namespace {

std::string Describe(const Json& v)
{
    return DumpJson(v);
}

int64_t IntOf(const Json* v, int64_t fallback = 0)
{
    const std::optional<int64_t> i = v ? IntegerOf(*v) : std::nullopt;
    return i.value_or(fallback);
}

std::string TextOf(const Json* v)
{
    return v && v->is_string() ? v->get<std::string>() : std::string();
}

// Virtual-key code of a key name: "F1".."F12", "Space", "Enter", "Escape", a letter or a digit.
UINT KeyCode(const std::string& name)
{
    if (name.size() >= 2 && name[0] == 'F' && name.size() <= 3) {
        const int n = std::atoi(name.c_str() + 1);
        if (n >= 1 && n <= 12) return static_cast<UINT>(VK_F1 + n - 1);
    }
    if (name == "Space") return VK_SPACE;
    if (name == "Enter") return VK_RETURN;
    if (name == "Escape") return VK_ESCAPE;
    if (name.size() == 1) {
        const char c = name[0];
        if (c >= 'a' && c <= 'z') return static_cast<UINT>(c - 'a' + 'A');
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<UINT>(c);
    }
    return 0;
}

BOOL CALLBACK FindBox(HWND hwnd, LPARAM out)
{
    char cls[16] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") == 0 && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(out) = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The real time a step may take by its own account: its advance or its wait's time-out.
unsigned AllowanceMs(const Json& step)
{
    if (const Json* a = FindMember(step, "advance")) return static_cast<unsigned>(std::max<int64_t>(IntOf(a), 0));
    if (FindMember(step, "wait")) return static_cast<unsigned>(std::max<int64_t>(IntOf(FindMember(step, "timeout_ms"), 10000), 0));
    return 0;
}

std::vector<uint8_t> FromHex(const std::string& hex)
{
    std::vector<uint8_t> out;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) out.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

}  // namespace

bool JsonContains(const Json& have, const Json& want)
{
    if (want.is_object()) {
        if (!have.is_object()) return false;
        for (auto it = want.begin(); it != want.end(); ++it) {
            const Json* h = FindMember(have, it.key().c_str());
            if (!h || !JsonContains(*h, *it)) return false;
        }
        return true;
    }
    if (want.is_array()) {
        if (!have.is_array() || have.size() != want.size()) return false;
        for (size_t i = 0; i < want.size(); ++i)
            if (!JsonContains(have[i], want[i])) return false;
        return true;
    }
    return have == want;
}

HWND FindModalBox(DWORD threadId)
{
    HWND box = nullptr;
    EnumThreadWindows(threadId ? threadId : GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    return box;
}

std::string BoxText(HWND box)
{
    wchar_t text[1024] = {};
    const int n = InternalGetWindowText(box, text, static_cast<int>(std::size(text)));
    const int len = WideCharToMultiByte(CP_UTF8, 0, text, n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(len > 0 ? len : 0), '\0');
    if (len > 0) WideCharToMultiByte(CP_UTF8, 0, text, n, out.data(), len, nullptr, nullptr);
    return out;
}

void Replay::FailWithOpenBox(HWND box)
{
    if (!error.empty()) return;
    const std::string at = next > 0 && next <= steps.size() ? steps[next - 1].where + ": " : std::string();
    error = at + "the script ended with the module's message box open: \"" + BoxText(box) +
            "\" (answer it with {\"answer_box\": 1})";
}

bool Replay::Load(const std::string& path)
{
    scriptPath = path;
    return LoadReplayScript(path, steps, error);
}

bool Replay::Fail(const ScriptStep& step, const std::string& what)
{
    if (error.empty()) error = step.where + ": " + what;
    return false;
}

void Replay::Pump()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool Replay::RunPending()
{
    if (soak) return SoakInBox();
    while (error.empty() && next < steps.size()) {
        const ScriptStep& step = steps[next++];
        currentLine = step.scriptLine;
        host.traceLine = step.scriptLine;
        host.traceStepFile = step.file;
        host.traceFileLine = step.fileLine;
        NoteStepBegins(AllowanceMs(step.json));
        ++depth;
        bool ok = false;
        try {
            ok = RunStep(step);
        } catch (const std::exception& e) {
            ok = Fail(step, std::string("cannot run the step: ") + e.what());
        }
        --depth;
        if (!ok) return false;
        // An answered box closes once its loop runs again: the steps after it wait for the handler.
        if (boxAnswered && depth > 0) {
            boxAnswered = false;
            return true;
        }
        boxAnswered = false;
        if (depth == 0) Pump();
    }
    return error.empty();
}

bool Replay::RunStep(const ScriptStep& step)
{
    const Json& j = step.json;
    const auto has = [&j](const char* key) { return FindMember(j, key) != nullptr; };
    if (has("comment")) return true;
    if (has("deliver") || has("deliver_hex")) return Deliver(step);
    if (const Json* e = FindMember(j, "expect")) {
        if (*e == "request" || *e == "no_request") return ExpectRequest(step);
        return ExpectEvent(step);
    }
    if (has("expect_none")) return ExpectNone(step);
    if (has("client")) return Client(step);
    if (has("arm")) return Arm(step);
    if (has("answer_box") || has("host_result") || has("send_result") || has("avatar_list") || has("fetch_text"))
        return Answer(step);
    if (has("click") || has("key") || has("move") || has("drag")) return Input(step);
    if (has("focused_key")) return FocusedKey(step);
    if (const Json* a = FindMember(j, "advance")) {
        return Advance(step, static_cast<unsigned>(IntOf(a)));
    }
    if (has("screenshot")) return Screenshot(step);
    if (has("registry")) return Registry(step);
    if (has("soak")) return Soak(step);
    if (has("resources")) return Resources(step);
    if (has("processor_time")) return ProcessorTime(step);
    if (IsDialogStep(j)) {
        const std::string failed = RunDialogStep(j, module.gameWnd);
        return failed.empty() || Fail(step, failed);
    }
    if (const Json* w = FindMember(j, "wait")) {
        // Real time: for the loader thread, which the virtual clock does not drive.
        const DWORD until = GetTickCount() + static_cast<DWORD>(IntOf(FindMember(j, "timeout_ms"), 10000));
        if (w->is_string() && w->get<std::string>() == "sounds") return WaitForSounds(step, until);
        for (;;) {
            for (auto it = host.events.begin(); it != host.events.end(); ++it) {
                if (!it->isRequest && JsonContains(it->json, *w)) {
                    host.events.erase(host.events.begin(), it + 1);
                    return true;
                }
            }
            if (static_cast<int>(until - GetTickCount()) <= 0) return Fail(step, "timed out waiting for " + Describe(*w));
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            Pump();
        }
    }
    return Fail(step, "unknown step " + Describe(j));
}

// The sounds load on the loader thread after the widgets: a script that checks sounds waits for them.
bool Replay::WaitForSounds(const ScriptStep& step, DWORD until)
{
    if (!module.soundsLoaded) return Fail(step, "the module cannot tell when its sounds are loaded");
    while (!module.soundsLoaded(module.client)) {
        if (static_cast<int>(until - GetTickCount()) <= 0) return Fail(step, "timed out waiting for the sounds to load");
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        Pump();
    }
    return true;
}

bool Replay::Advance(const ScriptStep& step, unsigned ms)
{
    if (!module.advanceClock) {
        // The real clock: the module's own timers move it on while the host waits.
        const DWORD until = GetTickCount() + ms;
        for (int left = static_cast<int>(ms); left > 0 && error.empty(); left = static_cast<int>(until - GetTickCount())) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
            Pump();
        }
        return error.empty() || Fail(step, error);
    }
    if (!realPace) {
        module.advanceClock(ms);
        return true;
    }
    // A 16 ms frame at a time; the module's paced clock makes each last as long as it says.
    constexpr unsigned kFrame = 16;
    for (unsigned done = 0; done < ms && error.empty();) {
        const unsigned slice = std::min(kFrame, ms - done);
        module.advanceClock(slice);
        done += slice;
        Pump();
    }
    return error.empty() || Fail(step, error);
}

bool Replay::Deliver(const ScriptStep& step)
{
    std::vector<uint8_t> bytes;
    if (const Json* hex = FindMember(step.json, "deliver_hex")) {
        bytes = FromHex(TextOf(hex));
    } else {
        const std::string name = TextOf(FindMember(step.json, "deliver"));
        const Json* fields = FindMember(step.json, "fields");
        std::string why;
        auto encoded = EncodeMessage(name, fields ? JsonUtf8ToAnsi(*fields) : Json::object(), why);
        if (!encoded) return Fail(step, "cannot encode " + name + ": " + why);
        bytes = std::move(*encoded);
    }
    // Traced before it is handed over, so the calls it causes follow it.
    Json traced = Json::object();
    for (const char* member : {"deliver", "deliver_hex", "fields"})
        if (const Json* value = FindMember(step.json, member)) traced[member] = *value;
    host.Trace(traced);
    if (module.destroyed) return Fail(step, "the module was destroyed: nothing is delivered");
    const int result = module.client->ReceiveGameMessage(bytes.data(), static_cast<int>(bytes.size()));
    if (result != 0) return Fail(step, "ReceiveGameMessage answered " + std::to_string(result));
    return error.empty();
}

bool Replay::ExpectRequest(const ScriptStep& step)
{
    auto it = host.events.begin();
    while (it != host.events.end() && !it->isRequest) ++it;
    const bool none = *FindMember(step.json, "expect") == "no_request";
    if (none) {
        if (it == host.events.end()) return true;
        return Fail(step, "expected no request, came " + Describe(it->json));
    }
    if (it == host.events.end()) return Fail(step, "expected a request " + Describe(step.json) + ", none came");
    Json want = Json::object();
    if (const Json* n = FindMember(step.json, "name")) want["name"] = *n;
    if (const Json* f = FindMember(step.json, "fields")) want["fields"] = *f;
    const Json* got = FindMember(it->json, "request");
    if (!got || !JsonContains(*got, want))
        return Fail(step, "expected request " + Describe(want) + ", came " + Describe(it->json));
    host.events.erase(it);
    return true;
}

bool Replay::ExpectEvent(const ScriptStep& step)
{
    const Json& want = *FindMember(step.json, "expect");
    for (auto it = host.events.begin(); it != host.events.end(); ++it) {
        if (it->isRequest || !JsonContains(it->json, want)) continue;
        // Host calls before the match are passed over; requests stay for their own expectations.
        std::deque<HostEvent> kept;
        for (auto k = host.events.begin(); k != it; ++k)
            if (k->isRequest) kept.push_back(*k);
        kept.insert(kept.end(), it + 1, host.events.end());
        host.events = std::move(kept);
        return true;
    }
    std::string came;
    for (const auto& e : host.events)
        if (!e.isRequest) came += "\n    " + Describe(e.json);
    return Fail(step, "expected " + Describe(want) + ", came:" + (came.empty() ? " nothing" : came));
}

// No host call with these members is waiting: none came since the expectations that passed it over.
bool Replay::ExpectNone(const ScriptStep& step)
{
    const Json& unwanted = *FindMember(step.json, "expect_none");
    for (const auto& e : host.events)
        if (!e.isRequest && JsonContains(e.json, unwanted)) return Fail(step, "unexpected " + Describe(e.json));
    return true;
}

bool Replay::CallClient(const std::string& call, const Json* args, int& result, std::string& why)
{
    auto arg = [&](size_t i) { return args && args->is_array() && i < args->size() ? &(*args)[i] : nullptr; };
    auto bstr = [&](size_t i) {
        const std::string ansi = Utf8ToAnsi(TextOf(arg(i)));
        const std::wstring w = [&] {
            const int n = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
            std::wstring s(static_cast<size_t>(n > 0 ? n - 1 : 0), L'\0');
            if (n > 1) MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, s.data(), n);
            return s;
        }();
        return SysAllocString(w.c_str());
    };
    auto num = [&](size_t i) { return static_cast<int>(IntOf(arg(i))); };
    if (module.destroyed) {
        why = "the module was destroyed: no " + call;
        return false;
    }
    IClientInterface* c = module.client;
    Json traced = {{"client", call}};
    if (args) traced["args"] = *args;
    host.Trace(traced);
    result = 0;
    if (call == "ResetRoomView") result = c->ResetRoomView();
    else if (call == "ResetRoom") result = c->ResetRoom();
    else if (call == "ReinitScreen") result = c->ReinitScreen();
    else if (call == "RequestForcedExit") result = c->RequestForcedExit(num(0));
    else if (call == "GetUserSeat") result = c->GetUserSeat(num(0));
    else if (call == "IsOwnUser") result = c->IsOwnUser(num(0));
    else if (call == "SetScreenMode") result = c->SetScreenMode(num(0), num(1), num(2));
    else if (call == "DestroyGameWnd" && module.destroy) {
        result = module.destroy(c);
        module.destroyed = true;
    } else if (call == "SetTitleBarText" || call == "SetUserAvatar" || call == "SetUserTitle" || call == "HostCommand") {
        BSTR text = bstr(call == "SetTitleBarText" ? 0 : call == "HostCommand" ? 2 : 1);
        if (call == "SetTitleBarText") result = c->SetTitleBarText(text);
        else if (call == "SetUserAvatar") result = c->SetUserAvatar(num(0), text);
        else if (call == "SetUserTitle") result = c->SetUserTitle(num(0), text);
        else {
            const int32_t command[4] = {num(1), 0, 0, 0};
            int32_t value = num(3);
            result = c->HostCommand(num(0), command, text, &value);
        }
        SysFreeString(text);
    } else {
        why = "unknown client call " + call;
        return false;
    }
    host.Trace({{"client", call}, {"answer", result}});
    return true;
}

bool Replay::Client(const ScriptStep& step)
{
    const std::string call = TextOf(FindMember(step.json, "client"));
    if (call == "DestroyGameWnd") return Fail(step, "DestroyGameWnd ends the replay's module: arm it inside a handler");
    int result = 0;
    std::string why;
    if (!CallClient(call, FindMember(step.json, "args"), result, why)) return Fail(step, why);
    if (const Json* want = FindMember(step.json, "result"); want && IntOf(want) != result)
        return Fail(step, call + " answered " + std::to_string(result) + ", expected " + std::to_string(IntOf(want)));
    return true;
}

// {"arm": CALL, "on": {HOST CALL}, "args": [...]}: the module's next host call with these members
// makes the host call CALL of the client interface before it answers, as a host does from inside a
// handler; the call and its answer come as the host event {"armed": CALL, "answer": R}.
bool Replay::Arm(const ScriptStep& step)
{
    const Json* on = FindMember(step.json, "on");
    if (!on || !on->is_object()) return Fail(step, "arm takes \"on\": the members of the host call to wait for");
    if (armed) return Fail(step, "a call is armed already, from " + armed->where);
    const Json* args = FindMember(step.json, "args");
    armed = Armed{*on, TextOf(FindMember(step.json, "arm")), args ? *args : Json::array(), step.where};
    host.afterCall = [this](const Json& hostCall) { RunArmed(hostCall); };
    return true;
}

void Replay::RunArmed(const Json& hostCall)
{
    if (!armed || !JsonContains(hostCall, armed->on)) return;
    const Armed a = *armed;
    armed.reset();
    int result = 0;
    std::string why;
    if (!CallClient(a.call, &a.args, result, why)) {
        if (error.empty()) error = a.where + ": " + why;
        return;
    }
    host.events.push_back({Json{{"armed", a.call}, {"answer", result}}, false});
}

bool Replay::FinishScreenshots()
{
    const std::vector<std::string> failed = pngs.Finish();
    if (!failed.empty() && error.empty()) error = "cannot write " + failed.front();
    return failed.empty();
}

bool Replay::CheckArmedCallMade()
{
    if (!armed) return true;
    if (error.empty()) error = armed->where + ": the armed " + armed->call + " never came: no host call " + Describe(armed->on);
    return false;
}

bool Replay::Answer(const ScriptStep& step)
{
    const Json& j = step.json;
    if (const Json* r = FindMember(j, "host_result")) {
        host.hostRequestResults[static_cast<int>(IntOf(FindMember(*r, "code")))] =
            static_cast<int>(IntOf(FindMember(*r, "result")));
    } else if (const Json* s = FindMember(j, "send_result")) {
        host.sendResult = static_cast<int>(IntOf(s));
    } else if (const Json* a = FindMember(j, "avatar_list")) {
        host.avatarList = TextOf(a);
    } else if (const Json* f = FindMember(j, "fetch_text")) {
        host.fetchText = TextOf(f);
    } else if (const Json* b = FindMember(j, "answer_box")) {
        const HWND box = FindModalBox();
        if (!box) return Fail(step, "no message box is open");
        host.Trace({{"input", "answer_box"}, {"button", IntOf(b) == 2 ? "No" : "OK"}, {"text", BoxText(box)}});
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(IntOf(b) == 2 ? IDNO : IDOK, BN_CLICKED), 0);
        boxAnswered = true;
    }
    return true;
}

bool Replay::Input(const ScriptStep& step)
{
    const Json& j = step.json;
    const HWND w = module.gameWnd;
    // "drag": [[x, y], [x, y]]: pressed at the first point, moved with the button held, released at the second.
    if (const Json* d = FindMember(j, "drag")) {
        if (!d->is_array() || d->size() != 2 || !(*d)[0].is_array() || !(*d)[1].is_array() || (*d)[0].size() != 2 ||
            (*d)[1].size() != 2)
            return Fail(step, "a drag is [[x, y], [x, y]]");
        const auto point = [](const Json& at) {
            return MAKELPARAM(static_cast<int>(IntOf(&at[0])), static_cast<int>(IntOf(&at[1])));
        };
        const LPARAM from = point((*d)[0]), to = point((*d)[1]);
        host.Trace({{"input", "drag"}, {"from", (*d)[0]}, {"to", (*d)[1]}});
        SendMessageA(w, WM_MOUSEMOVE, 0, from);
        SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, from);
        SendMessageA(w, WM_MOUSEMOVE, MK_LBUTTON, to);
        SendMessageA(w, WM_LBUTTONUP, 0, to);
        return true;
    }
    if (const Json* c = FindMember(j, "click"); c || FindMember(j, "move")) {
        const Json& at = c ? *c : *FindMember(j, "move");
        if (!at.is_array() || at.size() != 2) return Fail(step, "a point is [x, y]");
        const LPARAM p = MAKELPARAM(static_cast<int>(IntOf(&at[0])), static_cast<int>(IntOf(&at[1])));
        host.Trace({{"input", c ? "click" : "move"}, {"at", at}});
        SendMessageA(w, WM_MOUSEMOVE, 0, p);
        if (c) {
            SendMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, p);
            SendMessageA(w, WM_LBUTTONUP, 0, p);
        }
        return true;
    }
    const std::string key = TextOf(FindMember(j, "key"));
    const UINT vk = KeyCode(key);
    if (!vk) return Fail(step, "unknown key " + key);
    host.Trace({{"input", "key"}, {"key", key}, {"vk", vk}});
    SendMessageA(w, WM_KEYDOWN, vk, 1);
    SendMessageA(w, WM_KEYUP, vk, 0xC0000001);
    return true;
}

// As the system sends a key: to whichever window of the thread has the keyboard focus.
bool Replay::FocusedKey(const ScriptStep& step)
{
    const std::string key = TextOf(FindMember(step.json, "focused_key"));
    const UINT vk = KeyCode(key);
    if (!vk) return Fail(step, "unknown key " + key);
    const HWND focus = GetFocus();
    if (!focus) return Fail(step, "no window has the keyboard focus");
    if (focus != module.gameWnd) {
        char cls[64] = {};
        GetClassNameA(focus, cls, sizeof cls);
        std::printf("%s: the focus is on a window of class %s, not the game window\n", step.where.c_str(), cls);
    }
    SendMessageA(focus, WM_KEYDOWN, vk, 1);
    SendMessageA(focus, WM_KEYUP, vk, 0xC0000001);
    return true;
}

bool Replay::Registry(const ScriptStep& step)
{
    const Json& want = *FindMember(step.json, "registry");
    if (!want.is_object()) return Fail(step, "registry takes an object of value names");
    Json read = ReadOptionValues(module.portalDir, want);
    read["call"] = "Registry";
    host.Trace(read);
    if (!JsonContains(read["values"], want))
        return Fail(step, "expected registry values " + Describe(want) + ", came " + Describe(read));
    return true;
}

namespace {

// The game window's client area, or the screen over it, as 8-bit RGB.
ScreenPixels CaptureWindow(HWND gameWnd, bool fromScreen, int width, int height)
{
    HDC wndDc = GetDC(gameWnd);
    POINT origin{0, 0};
    if (fromScreen) ClientToScreen(gameWnd, &origin);
    HDC screenDc = fromScreen ? GetDC(nullptr) : nullptr;
    HDC memDc = CreateCompatibleDC(wndDc);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(wndDc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memDc, dib);
    if (fromScreen)
        BitBlt(memDc, 0, 0, width, height, screenDc, origin.x, origin.y, SRCCOPY);
    else
        BitBlt(memDc, 0, 0, width, height, wndDc, 0, 0, SRCCOPY);
    if (screenDc) ReleaseDC(nullptr, screenDc);
    GdiFlush();
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    const auto* px = static_cast<const uint8_t*>(bits);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
        rgb[i * 3] = px[i * 4 + 2];
        rgb[i * 3 + 1] = px[i * 4 + 1];
        rgb[i * 3 + 2] = px[i * 4];
    }
    SelectObject(memDc, old);
    DeleteObject(dib);
    DeleteDC(memDc);
    ReleaseDC(gameWnd, wndDc);
    return {width, height, std::move(rgb)};
}

BOOL CALLBACK PaintNow(HWND wnd, LPARAM)
{
    RedrawWindow(wnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return TRUE;
}

}  // namespace

bool Replay::Screenshot(const ScriptStep& step)
{
    const std::string name = TextOf(FindMember(step.json, "screenshot"));
    if (const std::string wrong = ScreenshotNameError(name); !wrong.empty()) return Fail(step, wrong);
    std::optional<RegionCheck> check;
    std::string why;
    if (!ReadRegionCheck(step.json, check, why)) return Fail(step, why);
    std::optional<GoldenCheck> golden;
    if (!ReadGoldenCheck(step.json, golden, why)) return Fail(step, why);
    RECT rc{};
    GetClientRect(module.gameWnd, &rc);
    const int width = rc.right, height = rc.bottom;
    if (width <= 0 || height <= 0) return Fail(step, "the game window has no size");
    HDC wndDc = GetDC(module.gameWnd);
    const int bitsPerPixel = GetDeviceCaps(wndDc, BITSPIXEL);
    ReleaseDC(module.gameWnd, wndDc);
    // "screen": true takes the screen over the game window, with the module's popups on it. A popup
    // (a message box in its own loop, the VIP dialog) may not have painted, or Wine not shown its
    // painting, when the step runs: its windows paint now, and a shot that fails its checks is
    // taken again after a wait, for up to a second, before the failure counts.
    const bool fromScreen = FindMember(step.json, "screen") != nullptr;
    if (fromScreen) EnumThreadWindows(GetCurrentThreadId(), PaintNow, 0);
    ScreenPixels taken = CaptureWindow(module.gameWnd, fromScreen, width, height);
    for (int retry = 0; fromScreen && retry < 20 && !ScreenChecksPass(check, golden, name, taken, bitsPerPixel);
         ++retry) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, 0);
        taken = CaptureWindow(module.gameWnd, fromScreen, width, height);
    }
    const std::string path = OutPath(name);
    pngs.Write(path, width, height, taken.rgb);
    if (written.insert(name).second) std::printf("screenshot %s\n", path.c_str());
    if (check) {
        const auto it = takenPixels.find(check->earlier);
        if (it == takenPixels.end()) return Fail(step, "no screenshot " + check->earlier + " was taken before");
        const std::string failed = RunRegionCheck(*check, name, taken, it->second);
        if (!failed.empty()) return Fail(step, failed);
    }
    if (golden && !Golden(step, *golden, name, taken, bitsPerPixel)) return false;
    takenPixels[name] = std::move(taken);
    return true;
}
