#pragma once

#include "table/flows/FlowBase.h"

// The VIP helper's message.
class VipFlow final : FlowBase {
public:
    using FlowBase::FlowBase;

    // Handlers, with the message id.
    void OnVIPUpdate(const VIPUpdate& body);  // 78
};
