#include "scene/HostLink.h"

#include "scene/CMirelleVWS.h"

#include "protocol/CHostProxy.h"
#include "protocol/HostInterfaces.h"
#include "scene/SceneWindow.h"

namespace {

constexpr int32_t kHostTextBytes = 256;

}  // namespace

IHostInterface* HostLink::GetHost() const
{
    return scene.window ? scene.window->GetHost() : nullptr;
}

int HostLink::HostRequest(int32_t userKey, HostRequestCode code, int32_t value, char* text, int32_t* inOut)
{
    IHostInterface* host = GetHost();
    if (!host) return 0;
    HostRequestRecord record;
    record.code = static_cast<int32_t>(code);
    record.value = value;
    return host->HostRequest(userKey, &record, text, inOut);
}

std::string HostLink::FetchHostText()
{
    // The host fills up to 256 bytes and need not terminate them: the spare byte does.
    char buffer[kHostTextBytes + 1] = {};
    int32_t inOut = kHostTextBytes;
    HostRequest(scene.ownUser.userKey, HostRequestCode::FetchText, 0, buffer, &inOut);
    buffer[kHostTextBytes] = '\0';
    return buffer;
}

void HostLink::PostToHost(HostNotifyCode code)
{
    if (scene.window) scene.window->PostToHost(static_cast<int32_t>(code));
}

void HostLink::PrintChatText(const std::string& text)
{
    CHostProxy(GetHost()).PrintChatText(text);
}

BoxAnswer HostLink::ShowMessageBox(const std::string& text, BoxType type, uint32_t autoCloseMs, const std::string& title,
                                uint32_t textColor)
{
    return scene.window ? scene.window->ShowMessageBox(text, type, autoCloseMs, title, textColor) : BoxAnswer::Cancel;
}

void HostLink::ReportSeatMoney()
{
    std::string text;
    for (int seat = 0; seat < 2; ++seat) {
        const PlayerInfo& p = scene.GetPlayer(seat);
        if (p.userKey < 0 || p.screenSlot < 0) continue;
        text += "|" + std::to_string(p.userKey) + "=" + std::to_string(p.secondMoney) + "," +
                std::to_string(p.gameMoney) + "|";
    }
    if (text.empty()) return;
    int32_t length = static_cast<int32_t>(text.size());
    HostRequest(0, HostRequestCode::PassText, 0, text.data(), &length);
}

void HostLink::LeaveNoticeToHost(LeaveNoticeCode code)
{
    if (IHostInterface* host = GetHost()) host->LeaveNotice(static_cast<int>(code));
}
