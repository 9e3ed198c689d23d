#pragma once

#include <new>
#include <utility>

#include "views/LoadErrorSink.h"

// Allocates a panel and makes its children with `args`; null when either fails. A failed allocation
// is recorded here; a child that fails has recorded itself, and the panel is deleted with what it made.
template <class Panel, class... Args>
Panel* MakePanel(LoadErrorSink& errors, Args&&... args)
{
    Panel* panel = new (std::nothrow) Panel();
    if (!panel) {
        errors.AddLoadError("");
        return nullptr;
    }
    if (!panel->CreateChildren(std::forward<Args>(args)...)) {
        delete panel;
        return nullptr;
    }
    return panel;
}
