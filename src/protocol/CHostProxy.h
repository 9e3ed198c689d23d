#pragma once

#include <optional>
#include <string>

#include "protocol/HostInterfaces.h"

// Writes the module's texts to the host's chat: one AddChatText per styled run.
class CHostProxy {
public:
    explicit CHostProxy(IHostInterface* hostInterface) : host(hostInterface) {}

    // Cuts the text at its style tags; each run is one call with its weight, colour and bold flag,
    // and a run that starts a new line carries its "\n".
    void PrintChatText(const std::string& text) const;
    // One run carrying a link.
    void PrintChatLink(const std::string& text, const std::string& link, int weight, int flags) const;
    // IHostInterface::HostMessage (text1, kind, text2), the texts as BSTRs.
    void HostMessage(int kind, const std::string& text1, const std::string& text2) const;
    // IHostInterface::GetUserAvatar: the item list, or nothing when the host has none.
    std::optional<std::string> GetUserAvatar(const std::string& userId, const std::string& avatar) const;

private:
    IHostInterface* host;
};
