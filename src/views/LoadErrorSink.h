#pragma once

#include <string>

// Where the factories record what failed: an allocation (empty name) or a resource file (its path
// relative to the image folder, which the host also learns of). The scene keeps the records.
class LoadErrorSink {
public:
    virtual void AddLoadError(const std::string& name) = 0;
    virtual void ReportLoadError(const std::string& name) = 0;

protected:
    ~LoadErrorSink() = default;
};
