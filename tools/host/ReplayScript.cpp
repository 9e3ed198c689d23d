#include "ReplayScript.h"

#include <algorithm>
#include <fstream>

#include "protocol_json/ProtocolJson.h"

namespace {

bool IsAbsolute(const std::string& path)
{
    return (!path.empty() && (path[0] == '/' || path[0] == '\\')) || (path.size() > 1 && path[1] == ':');
}

// Both separators read as '/'; "." is dropped and "dir/.." folded, so one file has one name.
std::string NormalPath(const std::string& path)
{
    std::string s = path;
    std::replace(s.begin(), s.end(), '\\', '/');
    const bool rooted = !s.empty() && s[0] == '/';
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= s.size()) {
        const size_t end = std::min(s.find('/', start), s.size());
        const std::string part = s.substr(start, end - start);
        if (part == ".." && !parts.empty() && parts.back() != "..") {
            parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string out = rooted ? "/" : "";
    for (size_t i = 0; i < parts.size(); ++i) out += (i ? "/" : "") + parts[i];
    return out;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool IsPlaceholder(const std::string& text)
{
    if (text.size() < 2 || text[0] != '$') return false;
    for (size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        if (!letter && !(i > 1 && c >= '0' && c <= '9')) return false;
    }
    return true;
}

// Replaces every "$NAME" string in `v` by its value; false with the name when one has none.
bool Substitute(Json& v, const Json& values, std::string& missing)
{
    if (v.is_string()) {
        const std::string& text = v.get_ref<const std::string&>();
        if (!IsPlaceholder(text)) return true;
        const Json* value = FindMember(values, text.c_str() + 1);
        if (!value) {
            missing = text;
            return false;
        }
        v = *value;
        return true;
    }
    if (v.is_object() || v.is_array()) {
        for (Json& member : v)
            if (!Substitute(member, values, missing)) return false;
    }
    return true;
}

// The kinds of step and the members each may carry beside its own; "comment" takes any. A new
// kind of step in Replay::RunStep gets its line here.
struct StepKind {
    const char* name;
    std::vector<const char*> members;
};

const std::vector<StepKind>& StepKinds()
{
    static const std::vector<StepKind> kinds = {
        {"deliver", {"fields"}},
        {"deliver_hex", {}},
        {"expect", {"name", "fields"}},
        {"client", {"args", "result"}},
        {"host_result", {}},
        {"send_result", {}},
        {"avatar_list", {}},
        {"fetch_text", {}},
        {"answer_box", {}},
        {"click", {}},
        {"move", {}},
        {"key", {}},
        {"focused_key", {}},
        {"advance", {}},
        {"screenshot", {"same_as", "differs_from", "region", "tolerance", "screen", "golden"}},
        {"registry", {}},
        {"wait", {"timeout_ms"}},
        {"drag", {}},
        {"expect_none", {}},
        {"expect_dialog", {}},
        {"expect_control", {"text"}},
        {"dialog_click", {}},
        {"dialog_text", {"text"}},
        {"dialog_key", {}},
        {"arm", {"on", "args"}},
        {"soak", {}},
        {"resources", {"since", "max_bytes", "max_objects"}},
        {"processor_time", {"since", "max_percent"}},
    };
    return kinds;
}

// What is wrong with a step's members, or nothing.
std::string CheckStep(const Json& step)
{
    if (FindMember(step, "comment")) return {};
    const StepKind* kind = nullptr;
    for (const StepKind& k : StepKinds()) {
        if (!FindMember(step, k.name)) continue;
        if (kind) return std::string("one step has one kind, this one has ") + kind->name + " and " + k.name;
        kind = &k;
    }
    if (!kind) {
        std::string kinds;
        for (const StepKind& k : StepKinds()) kinds += std::string(kinds.empty() ? "" : ", ") + k.name;
        return "unknown step " + DumpJson(step) + " (a step is one of comment, include, " + kinds + ")";
    }
    for (auto it = step.begin(); it != step.end(); ++it) {
        const std::string& member = it.key();
        if (member == kind->name) continue;
        if (std::none_of(kind->members.begin(), kind->members.end(), [&](const char* m) { return member == m; }))
            return std::string("unknown member \"") + member + "\" of a " + kind->name + " step";
    }
    if (const Json* ms = FindMember(step, "advance"); ms && !(ms->is_number_integer() && ms->get<int64_t>() >= 0))
        return "advance takes the milliseconds to advance, 0 or more, not " + DumpJson(*ms);
    return {};
}

constexpr int64_t kMaxRepeat = 1000;

class ScriptReader {
public:
    explicit ScriptReader(std::vector<ScriptStep>& out) : steps(out) {}

    // One file. `name` is the file as messages show it; `site` the include step that names it and
    // `chain` that step and the includes around it, both empty for the script itself.
    bool Read(const std::string& path, const std::string& name, const Json* with, const std::string& site,
              const std::string& chain, int scriptLine);

    std::string error;

private:
    bool Fail(const std::string& where, const std::string& what)
    {
        error = where + ": " + what;
        return false;
    }
    bool Include(const ScriptStep& step, const std::string& path, const std::string& name, const std::string& here,
                 const std::string& chain);

    std::vector<ScriptStep>& steps;
    std::vector<std::string> openPaths;  // the files being read, the script first
    std::vector<std::string> openNames;
};

bool ScriptReader::Read(const std::string& path, const std::string& name, const Json* with, const std::string& site,
                        const std::string& chain, int scriptLine)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (site.empty()) error = "cannot open " + path;
        else Fail(site, "cannot open include " + name);
        return false;
    }
    openPaths.push_back(path);
    openNames.push_back(name);

    Json values;  // the parameters and their values; null while none are declared
    bool stepsBegun = false;
    // Called once, at the parameters or else before the first step: every name "with" gives must
    // be a declared parameter.
    const auto takeWith = [&](const Json* params) {
        stepsBegun = true;
        if (params) values = *params;
        if (!with) return true;
        for (auto it = with->begin(); it != with->end(); ++it) {
            if (!FindMember(values, it.key().c_str())) return Fail(site, name + " has no parameter " + it.key());
            values[it.key()] = *it;
        }
        return true;
    };

    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // a byte-order mark
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        const std::string here = name + ":" + std::to_string(number);
        auto json = ParseJson(line);
        if (!json || !json->is_object()) return Fail(here, "not a JSON object (scripts are UTF-8)");

        if (const Json* params = FindMember(*json, "params")) {
            if (stepsBegun) return Fail(here, "params come once, before the first step");
            if (!params->is_object() || json->size() != 1) return Fail(here, "params takes an object of names and defaults");
            if (!takeWith(params)) return false;
            continue;
        }
        if (!stepsBegun && !takeWith(nullptr)) return false;
        std::string missing;
        if (!values.is_null() && !Substitute(*json, values, missing))
            return Fail(here, missing + " is not a parameter of " + name);

        ScriptStep step{std::move(*json), chain.empty() ? here : here + " (included from " + chain + ")",
                        scriptLine ? scriptLine : number, chain.empty() ? std::string() : name, number};
        if (FindMember(step.json, "include")) {
            if (!Include(step, path, name, here, chain)) return false;
            continue;
        }
        if (const std::string wrong = CheckStep(step.json); !wrong.empty()) return Fail(step.where, wrong);
        steps.push_back(std::move(step));
    }
    if (!stepsBegun && !takeWith(nullptr)) return false;
    openPaths.pop_back();
    openNames.pop_back();
    return true;
}

bool ScriptReader::Include(const ScriptStep& step, const std::string& path, const std::string& name,
                           const std::string& here, const std::string& chain)
{
    const Json& j = step.json;
    const Json& target = *FindMember(j, "include");
    const Json* with = FindMember(j, "with");
    const Json* repeat = FindMember(j, "repeat");
    if (!target.is_string() || target.get_ref<const std::string&>().empty())
        return Fail(step.where, "include takes the path of a script");
    if (j.size() != 1u + (with ? 1u : 0u) + (repeat ? 1u : 0u))
        return Fail(step.where, "an include step has only \"include\", \"with\" and \"repeat\"");
    if (with && !with->is_object()) return Fail(step.where, "with takes an object of parameter values");
    const std::optional<int64_t> times = repeat ? IntegerOf(*repeat) : std::optional<int64_t>(1);
    if (!times || *times < 1 || *times > kMaxRepeat) return Fail(step.where, "repeat takes a count from 1 to " + std::to_string(kMaxRepeat));

    const std::string& arg = target.get_ref<const std::string&>();
    const std::string included = NormalPath(IsAbsolute(arg) ? arg : FolderOf(path) + arg);
    const std::string shown = NormalPath(IsAbsolute(arg) ? arg : FolderOf(name) + arg);
    const auto open = std::find(openPaths.begin(), openPaths.end(), included);
    if (open != openPaths.end()) {
        std::string cycle;
        for (auto n = openNames.begin() + (open - openPaths.begin()); n != openNames.end(); ++n) cycle += *n + " -> ";
        return Fail(step.where, "include cycle: " + cycle + shown);
    }
    // The included steps once, then copied: each copy is the same file read again.
    const size_t first = steps.size();
    if (!Read(included, shown, with, step.where, chain.empty() ? here : here + ", " + chain, step.scriptLine)) return false;
    const size_t count = steps.size() - first;
    for (int64_t i = 1; i < *times; ++i)
        for (size_t k = 0; k < count; ++k) {
            ScriptStep copy = steps[first + k];
            steps.push_back(std::move(copy));
        }
    return true;
}

}  // namespace

bool LoadReplayScript(const std::string& path, std::vector<ScriptStep>& steps, std::string& error)
{
    ScriptReader reader(steps);
    const std::string normal = NormalPath(path);
    const std::string name = normal.substr(FolderOf(normal).size());
    if (!reader.Read(normal, name, nullptr, "", "", 0)) {
        error = reader.error;
        return false;
    }
    if (steps.empty()) {
        error = name + ": no steps (an empty script would pass without testing anything)";
        return false;
    }
    return true;
}
