#pragma once

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

private:
    IHostInterface* host;
};
