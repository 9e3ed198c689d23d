#include "StandInHost.h"

#include <algorithm>
#include <cstring>

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

JsonValue MapStrings(const JsonValue& v, UINT from, UINT to)
{
    switch (v.GetKind()) {
    case JsonValue::Kind::String: return JsonValue::MakeString(Convert(v.GetString(), from, to));
    case JsonValue::Kind::Array: {
        JsonValue a = JsonValue::MakeArray();
        for (const auto& item : v.Items()) a.Push(MapStrings(item, from, to));
        return a;
    }
    case JsonValue::Kind::Object: {
        JsonValue o = JsonValue::MakeObject();
        for (const auto& [key, item] : v.Members()) o.Set(key, MapStrings(item, from, to));
        return o;
    }
    default: return v;
    }
}

JsonValue Int(int64_t v)
{
    return JsonValue::MakeInt(v);
}

JsonValue Str(const std::string& utf8)
{
    return JsonValue::MakeString(utf8);
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

JsonValue JsonAnsiToUtf8(const JsonValue& v)
{
    return MapStrings(v, CP_ACP, CP_UTF8);
}

JsonValue JsonUtf8ToAnsi(const JsonValue& v)
{
    return MapStrings(v, CP_UTF8, CP_ACP);
}

void StandInHost::Record(JsonValue json, bool isRequest)
{
    if (trace) {
        std::fprintf(trace, "%s\n", json.Dump().c_str());
        std::fflush(trace);
    }
    events.push_back({std::move(json), isRequest});
}

int StandInHost::Send(int channel, int kind, const uint8_t* data, int size)
{
    JsonValue j = JsonValue::MakeObject();
    j.Set("call", Str("Send"));
    j.Set("channel", Int(channel));
    j.Set("kind", Int(kind));
    if (describeRequest && data && size > 0) j.Set("request", JsonAnsiToUtf8(describeRequest(data, size)));
    Record(std::move(j), true);
    return sendResult;
}

int StandInHost::GetUserAvatar(BSTR userId, BSTR avatar, BSTR* itemList)
{
    JsonValue j = JsonValue::MakeObject();
    j.Set("call", Str("GetUserAvatar"));
    j.Set("userId", Str(BstrToUtf8(userId)));
    j.Set("avatar", Str(BstrToUtf8(avatar)));
    Record(std::move(j), false);
    if (!itemList || avatarList.empty()) return 0;
    const std::wstring w(avatarList.begin(), avatarList.end());
    *itemList = SysAllocString(w.c_str());
    return 1;
}

int StandInHost::HostMessage(BSTR text1, int kind, BSTR text2)
{
    JsonValue j = JsonValue::MakeObject();
    j.Set("call", Str("HostMessage"));
    j.Set("text1", Str(BstrToUtf8(text1)));
    j.Set("kind", Int(kind));
    j.Set("text2", Str(BstrToUtf8(text2)));
    Record(std::move(j), false);
    return 0;
}

int StandInHost::LeaveNotice(int code)
{
    JsonValue j = JsonValue::MakeObject();
    j.Set("call", Str("LeaveNotice"));
    j.Set("code", Int(code));
    Record(std::move(j), false);
    return 0;
}

int StandInHost::AddChatText(BSTR text, int weight, int color, int zero, BSTR link, int bold)
{
    JsonValue j = JsonValue::MakeObject();
    j.Set("call", Str("AddChatText"));
    j.Set("text", Str(BstrToUtf8(text)));
    j.Set("weight", Int(weight));
    j.Set("color", Int(color));
    j.Set("zero", Int(zero));
    j.Set("link", Str(BstrToUtf8(link)));
    j.Set("bold", Int(bold));
    Record(std::move(j), false);
    return 0;
}

int StandInHost::RequestScreenMode(int fullScreen, int width, int height, int zero)
{
    JsonValue j = JsonValue::MakeObject();
    j.Set("call", Str("RequestScreenMode"));
    j.Set("fullScreen", Int(fullScreen));
    j.Set("width", Int(width));
    j.Set("height", Int(height));
    j.Set("zero", Int(zero));
    Record(std::move(j), false);
    return 0;
}

int StandInHost::HostRequest(int userKey, const HostRequestRecord* request, char* text, int32_t* inOut)
{
    const int code = request ? request->code : -1;
    JsonValue j = JsonValue::MakeObject();
    j.Set("call", Str("HostRequest"));
    j.Set("userKey", Int(userKey));
    j.Set("code", Int(code));
    j.Set("value", Int(request ? request->value : 0));
    if (code == 22 && request) j.Set("amount", Int(request->amount));
    if (inOut) j.Set("inOut", Int(*inOut));
    if (code == 62 && text && inOut && *inOut > 0) {
        // Fill the module's buffer as the host would, leaving its terminator to the module.
        const std::string ansi = Utf8ToAnsi(fetchText);
        const size_t n = std::min(ansi.size(), static_cast<size_t>(*inOut));
        std::memcpy(text, ansi.data(), n);
    } else if (text && code != 22) {
        j.Set("text", Str(AnsiToUtf8(text)));
    }
    Record(std::move(j), false);
    const auto it = hostRequestResults.find(code);
    return it == hostRequestResults.end() ? 0 : it->second;
}

void StandInHost::NotePosted(UINT msg, WPARAM wParam, LPARAM lParam)
{
    JsonValue j = JsonValue::MakeObject();
    j.Set("posted", Int(static_cast<int64_t>(msg) - WM_USER));
    j.Set("wParam", Int(static_cast<int64_t>(wParam)));
    j.Set("lParam", Int(static_cast<int64_t>(lParam)));
    Record(std::move(j), false);
}
