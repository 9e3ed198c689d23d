#include "protocol/CHostProxy.h"

#include "foundation/TextWin32.h"
#include "protocol/ChatStyle.h"

namespace {

// A BSTR freed on scope exit.
class Bstr {
public:
    explicit Bstr(const std::string& ansi) : value(SysAllocString(AnsiToWide(ansi).c_str())) {}
    ~Bstr() { SysFreeString(value); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR Get() const { return value; }

private:
    BSTR value;
};

}  // namespace

void CHostProxy::PrintChatText(const std::string& text) const
{
    if (!host) return;
    const Bstr noLink("");
    for (const ChatRun& run : SplitStyledText(text)) {
        const Bstr piece(run.newLine ? "\n" + run.text : run.text);
        host->AddChatText(piece.Get(), run.weight, run.colour, 0, noLink.Get(), run.bold ? 1 : 0);
    }
}

void CHostProxy::PrintChatLink(const std::string& text, const std::string& link, int weight, int flags) const
{
    if (!host) return;
    const Bstr piece(text);
    const Bstr target(link);
    host->AddChatText(piece.Get(), weight, flags, 0, target.Get(), 0);
}

void CHostProxy::HostMessage(int kind, const std::string& text1, const std::string& text2) const
{
    if (!host) return;
    const Bstr first(text1);
    const Bstr second(text2);
    host->HostMessage(first.Get(), kind, second.Get());
}

std::optional<std::string> CHostProxy::GetUserAvatar(const std::string& userId, const std::string& avatar) const
{
    if (!host) return std::nullopt;
    const Bstr id(userId);
    const Bstr picture(avatar);
    BSTR list = nullptr;
    const int valid = host->GetUserAvatar(id.Get(), picture.Get(), &list);
    std::optional<std::string> items;
    if (valid == 1 && list) items = WideToAnsi(list);
    SysFreeString(list);
    return items;
}
