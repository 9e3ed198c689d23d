#pragma once

#include <string>

#include "views/LoadErrorSink.h"

// What a panel asks of the room that made it: the image folder its children load from and where
// their load errors go. The scene implements it; panels keep it as their owner (not owned).
class PanelOwner {
public:
    virtual const std::string& GetImageRoot() const = 0;
    virtual LoadErrorSink& GetLoadErrorSink() = 0;

protected:
    ~PanelOwner() = default;
};
