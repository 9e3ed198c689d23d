#pragma once

// Reading a replay script: JSON lines, one step each; blank lines and lines starting with '#' are
// skipped. A step {"include": PATH, "with": {NAME: VALUE, ...}} is replaced by the steps of PATH,
// resolved against the folder of the file that names it. A file may declare parameters with their
// defaults in a {"params": {NAME: DEFAULT, ...}} line before its first step; each string value
// "$NAME" in its steps then becomes the value "with" gives NAME, or the default; "repeat": N
// in an include step takes its steps N times (1..1000). No Windows API:
// the stand-in host runs the steps, the tests check the reading.

#include <string>
#include <vector>

#include "protocol_json/JsonFields.h"

struct ScriptStep {
    Json json;
    std::string where;   // "file:line" (files relative to the script's folder), and the includes that led there
    int scriptLine = 0;  // the line of the script itself: the step, or the include that brought it
    std::string file;    // for an included step, its own file (relative to the script's folder); else empty
    int fileLine = 0;    // the step's line in its own file
};

// The steps of the script at `path` with every include expanded, in order. False with `error`
// ("file:line: what") on a file that cannot be opened, a line that is not a JSON object, an include
// cycle, a parameter that is not declared, or a "$NAME" that names none.
[[nodiscard]] bool LoadReplayScript(const std::string& path, std::vector<ScriptStep>& steps, std::string& error);
