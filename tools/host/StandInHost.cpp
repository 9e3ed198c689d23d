#include "StandInHost.h"

#include "host/MessageBox.h"

#include <algorithm>
#include <cstring>

#include "TraceNames.h"
#include "protocol_json/ProtocolJson.h"

namespace {

std::string Convert(const std::string& s, UINT from, UINT to)
{
    if (s.empty()) return s;
    const int wn = MultiByteToWideChar(from, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(wn), L'\0');
    MultiByteToWideChar(from, 0, s.data(), static_cast<int>(s.size()), w.data(), wn);
    const int n = WideCharToMultiByte(to, 0, w.data(), wn, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(to, 0, w.data(), wn, out.data(), n, nullptr, nullptr);
    return out;
}

Json MapStrings(Json v, UINT from, UINT to)
{
    if (v.is_string()) return Convert(v.get_ref<const std::string&>(), from, to);
    if (v.is_structured())
        for (auto& item : v) item = MapStrings(std::move(item), from, to);
    return v;
}

}  // namespace

std::string AnsiToUtf8(const std::string& ansi)
{
    return Convert(ansi, CP_ACP, CP_UTF8);
}

std::string Utf8ToAnsi(const std::string& utf8)
{
    return Convert(utf8, CP_UTF8, CP_ACP);
}

std::string BstrToUtf8(BSTR s)
{
    if (!s) return {};
    const UINT n = SysStringLen(s);
    const int len = WideCharToMultiByte(CP_UTF8, 0, s, static_cast<int>(n), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(len), '\0');
    WideCharToMultiByte(CP_UTF8, 0, s, static_cast<int>(n), out.data(), len, nullptr, nullptr);
    return out;
}

Json JsonAnsiToUtf8(Json v)
{
    return MapStrings(std::move(v), CP_ACP, CP_UTF8);
}

Json JsonUtf8ToAnsi(Json v)
{
    return MapStrings(std::move(v), CP_UTF8, CP_ACP);
}

void StandInHost::Trace(const Json& json)
{
    if (!trace) return;
    Json line = json;
    line["line"] = traceLine;
    if (!traceStepFile.empty()) {
        line["file"] = traceStepFile;
        line["fileLine"] = traceFileLine;
    }
    line["ms"] = clockMs ? clockMs() : 0;
    std::fprintf(trace, "%s\n", DumpJson(line).c_str());
    std::fflush(trace);
}

void StandInHost::Record(Json json, bool isRequest)
{
    Trace(json);
    events.push_back({json, isRequest});
    if (afterCall) afterCall(json);
}

namespace {

// Adds "<member>Name" beside a number the trace can name.
void Name(Json& j, const char* member, const char* name)
{
    if (*name) j[std::string(member) + "Name"] = name;
}

}  // namespace

int StandInHost::Send(int channel, int kind, const uint8_t* data, int size)
{
    Json j = Json::object();
    j["call"] = "Send";
    j["channel"] = channel;
    j["kind"] = kind;
    if (describeRequest && data && size > 0) j["request"] = JsonAnsiToUtf8(describeRequest(data, size));
    j["answer"] = sendResult;
    Record(std::move(j), true);
    return sendResult;
}

int StandInHost::GetUserAvatar(BSTR userId, BSTR avatar, BSTR* itemList)
{
    Json j = Json::object();
    j["call"] = "GetUserAvatar";
    j["userId"] = BstrToUtf8(userId);
    j["avatar"] = BstrToUtf8(avatar);
    j["answer"] = itemList && !avatarList.empty() ? 1 : 0;
    Record(std::move(j), false);
    if (!itemList || avatarList.empty()) return 0;
    const std::wstring w(avatarList.begin(), avatarList.end());
    *itemList = SysAllocString(w.c_str());
    return 1;
}

int StandInHost::HostMessage(BSTR text1, int kind, BSTR text2)
{
    Json j = Json::object();
    j["call"] = "HostMessage";
    j["text1"] = BstrToUtf8(text1);
    j["kind"] = kind;
    j["text2"] = BstrToUtf8(text2);
    j["answer"] = 0;
    Record(std::move(j), false);
    return 0;
}

int StandInHost::LeaveNotice(int code)
{
    Json j = Json::object();
    j["call"] = "LeaveNotice";
    j["code"] = code;
    Name(j, "code", LeaveNoticeName(code));
    j["answer"] = 0;
    Record(std::move(j), false);
    return 0;
}

int StandInHost::AddChatText(BSTR text, int weight, int color, int zero, BSTR link, int bold)
{
    Json j = Json::object();
    j["call"] = "AddChatText";
    j["text"] = BstrToUtf8(text);
    j["weight"] = weight;
    j["color"] = color;
    j["zero"] = zero;
    j["link"] = BstrToUtf8(link);
    j["bold"] = bold;
    j["answer"] = 0;
    Record(std::move(j), false);
    return 0;
}

int StandInHost::RequestScreenMode(int fullScreen, int width, int height, int zero)
{
    Json j = Json::object();
    j["call"] = "RequestScreenMode";
    j["fullScreen"] = fullScreen;
    j["width"] = width;
    j["height"] = height;
    j["zero"] = zero;
    j["answer"] = 0;
    Record(std::move(j), false);
    return 0;
}

int StandInHost::HostRequest(int userKey, const HostRequestRecord* request, char* text, int32_t* inOut)
{
    const int code = request ? request->code : -1;
    Json j = Json::object();
    j["call"] = "HostRequest";
    j["userKey"] = userKey;
    j["code"] = code;
    const bool loadFailed = code == static_cast<int>(HostRequestCode::OutOfDate) && loadFailureSeen && loadFailureSeen();
    Name(j, "code", loadFailed ? "LoadFailed" : HostRequestName(code));
    j["value"] = request ? request->value : 0;
    if (code == static_cast<int>(HostRequestCode::SetNamedControl) && request)
        Name(j, "value", ControlStateName(request->value));
    if (code == 22 && request) j["amount"] = request->amount;
    if (inOut) j["inOut"] = *inOut;
    if (code == 62 && text && inOut && *inOut > 0) {
        // Fill the module's buffer as the host would, leaving its terminator to the module.
        const std::string ansi = Utf8ToAnsi(fetchText);
        const size_t n = std::min(ansi.size(), static_cast<size_t>(*inOut));
        std::memcpy(text, ansi.data(), n);
    } else if (text && code != 22) {
        j["text"] = AnsiToUtf8(text);
    }
    const auto it = hostRequestResults.find(code);
    const int answer = it == hostRequestResults.end() ? 0 : it->second;
    j["answer"] = answer;
    Record(std::move(j), false);
    return answer;
}

void StandInHost::NotePosted(UINT msg, WPARAM wParam, LPARAM lParam)
{
    Json j = Json::object();
    j["posted"] = static_cast<int64_t>(msg) - WM_USER;
    Name(j, "posted", PostedName(msg));
    j["wParam"] = static_cast<int64_t>(wParam);
    j["lParam"] = static_cast<int64_t>(lParam);
    Record(std::move(j), false);
}

void StandInHost::NoteStarted(int kind, int id, int seat)
{
    Json j = Json::object();
    j["started"] = kind == 1 ? "voice" : "sound";
    j["id"] = id;
    if (kind == 1) j["seat"] = seat;
    Record(std::move(j), false);
}

void StandInHost::NoteBox(HWND box)
{
    const auto type = reinterpret_cast<uintptr_t>(GetPropA(box, kBoxTypeProp));
    if (type == 0) return;
    const auto autoClose = reinterpret_cast<uintptr_t>(GetPropA(box, kBoxAutoCloseProp));
    std::string text(static_cast<size_t>(GetWindowTextLengthA(box)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(box, text.data(), static_cast<int>(text.size()))));
    char title[256] = {};
    if (const auto atom = reinterpret_cast<uintptr_t>(GetPropA(box, kBoxTitleProp)))
        GlobalGetAtomNameA(static_cast<ATOM>(atom), title, sizeof title);
    Json j = Json::object();
    j["call"] = "MessageBox";
    j["text"] = AnsiToUtf8(text);
    j["title"] = AnsiToUtf8(title);
    j["type"] = static_cast<int>(type - 1);
    j["autoCloseMs"] = static_cast<int64_t>(autoClose - 1);
    Record(std::move(j), false);
}
