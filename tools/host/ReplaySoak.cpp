// The soak step: {"soak": {"seed": N or "random", "messages": N, "game": PATH, "rounds": N}}.
// Each round is a burst of hostile server messages (SoakMessages.h) with the clock moved on now and
// then, pings and broken messages sent into each box the module opens before it is answered with
// OK, then the room view reset (IClientInterface slot 9, as the host does between rooms) and the
// valid game of PATH played step by step with broken messages (which the module must drop) between
// its steps. Pings (77) go in all along: each must be answered to the host at once and in order.
// The seed is printed first, so a crash or a hang replays with it (docs/replays.md).
#include "Replay.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <set>

#include "SoakMessages.h"
#include "protocol/HostInterfaces.h"
#include "protocol_json/ProtocolJson.h"

namespace {

// Delivering with the module's timers firing inside the handler's waits counts as time moving on.
enum class Phase { Deliver, DeliverTimed, Advance, Box, User };
constexpr const char* kPhaseNames[] = {"delivering", "delivering with timers firing", "advancing", "answering a box",
                                       "after a click or key"};

// The timer messages the module's windows took: a time-out can only follow one.
long moduleTimers = 0;  // one thread: the hook runs inside its message calls
HWND hostWindow = nullptr;  // its own timer is the host's

LRESULT CALLBACK CountTimers(int code, WPARAM removed, LPARAM lParam)
{
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == WM_TIMER && msg->hwnd != hostWindow) ++moduleTimers;
    return CallNextHookEx(nullptr, code, removed, lParam);
}

// Requests the module sends of itself as the answer to a server message, by the message's id:
// entering (Play, the voice type, the host's text), a player entering or a seat taken (the host's
// text), the deal shown, the result step's answer, the time-out count of a game end, the
// auto-start, the room left when the first player is not in seat 0.
const std::map<std::string, std::set<int32_t>> kAnswers = {
    {"Play", {RoomEnterAnswer::kId}},
    {"VoiceType", {RoomEnterAnswer::kId}},
    {"HostUserText", {RoomEnterAnswer::kId, PlayerEnter::kId, JoinGameAnswer::kId}},
    {"DealShown", {DealCards::kId}},
    {"ResultChoice", {ResultStep::kId}},
    {"TimeoutCount", {GameEnd::kId}},
    {"StartGame", {WaitingForStart::kId}},
    {"ExitRoom", {WaitingForStart::kId}},
};

// Reports that follow a user action of some time before: the observer bar tells the host page it
// asked for (after a click) as closed when the bar shows again.
const std::set<std::string> kLaterReports = {"HostPageState"};

// Decisions that say when they were timed out, and the field that says it (1).
const std::map<std::string, const char*> kTimeOutMarks = {
    {"SunPick", "timedOut"},  {"PlayCard", "timedOut"}, {"CardChoice", "timedOut"},      {"YesNoChoice", "timedOut"},
    {"GoOrStop", "timedOut"}, {"SeptAnimalChoice", "timedOut"}, {"GameReadyAnswer", "answer"},
};

// The message as its JSON, for a failure; long texts cut short.
std::string DescribeMessage(const std::vector<uint8_t>& bytes)
{
    GameMessage message;
    if (!ReadGameMessage(bytes.data(), bytes.size(), message)) return "(unreadable, " + std::to_string(bytes.size()) + " bytes)";
    std::string text = DumpJson(JsonAnsiToUtf8(GameMessageToJson(message)));
    if (text.size() > 1500) text = text.substr(0, 1500) + "...";
    return text;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

class SoakRun {
public:
    SoakRun(Replay& r, const ScriptStep& s, uint64_t seedValue) : replay(r), step(s), seed(seedValue), random(seedValue) {}

    bool Run(int64_t messages, int rounds, const std::vector<ScriptStep>& game);
    // Called from the host's timer, also inside the loop of the module's message box: pings and
    // broken messages come in while it is open, as the server sends them, then the user presses
    // OK. A popup menu is closed.
    bool InBox();

private:
    bool Burst(int64_t until);
    bool Game(const std::vector<ScriptStep>& game, int round);
    bool Deliver(const std::vector<uint8_t>& bytes, int32_t id);
    bool Ping();
    bool NothingEscaped(const std::vector<uint8_t>& bytes);
    bool CheckRequests(Phase phase, const SoakMessage* after);
    bool Fail(const std::string& what) { return replay.Fail(step, "soak seed " + std::to_string(seed) + ": " + what); }

    Replay& replay;
    const ScriptStep& step;
    const uint64_t seed;
    SoakRandom random;
    SoakKeys keys;
    int64_t delivered = 0;
    int32_t pings = 0;
    int64_t dropped = 0;
    HWND answeredBox = nullptr;
    bool clicked = false;  // the user clicked since the round began
    const int boundaryReports = ModuleBoundaryReports(nullptr);
    std::map<int32_t, int64_t> byId;
    std::map<std::string, int64_t> requestsSeen;
};

bool SoakRun::Deliver(const std::vector<uint8_t>& bytes, int32_t id)
{
    ++delivered;
    ++byId[id];
    const int result = replay.module.client->ReceiveGameMessage(bytes.data(), static_cast<int>(bytes.size()));
    if (result != 0) return Fail("ReceiveGameMessage answered " + std::to_string(result) + " to " + DescribeMessage(bytes));
    return NothingEscaped(bytes);
}

// An exception a guard caught is a handler that failed half-way: the soak stops there.
bool SoakRun::NothingEscaped(const std::vector<uint8_t>& bytes)
{
    std::string last;
    if (ModuleBoundaryReports(&last) == boundaryReports) return true;
    return Fail("the module caught an exception (\"" + last + "\") at message #" + std::to_string(delivered) + " " +
                DescribeMessage(bytes));
}

// A ping is answered before ReceiveGameMessage returns, with the value it carried.
bool SoakRun::Ping()
{
    const int32_t value = ++pings;
    const size_t before = replay.host.events.size();
    if (!Deliver(MakePing(value), ServerValueForHost::kId)) return false;
    auto& events = replay.host.events;
    for (auto it = events.begin() + static_cast<std::ptrdiff_t>(std::min(before, events.size())); it != events.end(); ++it) {
        const Json& j = it->json;
        if (it->isRequest || !JsonContains(j, {{"call", "HostRequest"}, {"code", static_cast<int>(HostRequestCode::ServerValue)}}))
            continue;
        if (!JsonContains(j, {{"inOut", value}})) return Fail("ping " + std::to_string(value) + " answered as " + DumpJson(j));
        events.erase(it);
        return true;
    }
    return Fail("ping " + std::to_string(value) + " was not answered at once");
}

// Requests that no user action or time-out explains. During a burst nobody clicks: a request
// with a time-out mark must carry it (time passes in the module's own waits too), one the module
// answers a message with must follow that message, and any other goes out only while the clock
// moves on or once a box was answered.
bool SoakRun::CheckRequests(Phase phase, const SoakMessage* after)
{
    auto& events = replay.host.events;
    for (auto it = events.begin(); it != events.end();) {
        if (!it->isRequest) {
            it = events.erase(it);
            continue;
        }
        const Json* request = FindMember(it->json, "request");
        const Json* nameJson = request ? FindMember(*request, "name") : nullptr;
        const std::string name = nameJson && nameJson->is_string() ? nameJson->get<std::string>() : "?";
        ++requestsSeen[std::string(kPhaseNames[static_cast<int>(phase)]) + " " + name];
        const Json* fields = request ? FindMember(*request, "fields") : nullptr;
        const auto mark = kTimeOutMarks.find(name);
        const Json* timedOut = fields && mark != kTimeOutMarks.end() ? FindMember(*fields, mark->second) : nullptr;
        const auto answer = kAnswers.find(name);
        const bool answers = after && answer != kAnswers.end() && answer->second.count(after->id) > 0;
        bool explained = phase == Phase::Box || phase == Phase::User || answers || (clicked && kLaterReports.count(name));
        if (mark != kTimeOutMarks.end()) explained = explained || (timedOut && *timedOut == 1);
        else explained = explained || phase == Phase::Advance || phase == Phase::DeliverTimed;
        if (!explained)
            return Fail("a request no user action or time-out explains, " + DumpJson(it->json) + ", " +
                        kPhaseNames[static_cast<int>(phase)] + " after message #" + std::to_string(delivered) + " " +
                        (after ? DescribeMessage(after->bytes) : "(the room view reset)"));
        it = events.erase(it);
    }
    return true;
}

// Delivers until `until` messages went in since the soak began.
bool SoakRun::Burst(int64_t until)
{
    while (delivered < until && replay.error.empty()) {
        if (random.OneIn(10)) {
            if (!Ping()) return false;
            continue;
        }
        const SoakMessage m = MakeRandomSoakMessage(random, keys);
        if (m.damage != SoakDamage::None) ++dropped;
        const int boxesBefore = replay.boxesAnswered;
        const long timersBefore = moduleTimers;
        if (!Deliver(m.bytes, m.id)) return false;
        const Phase phase = replay.boxesAnswered != boxesBefore ? Phase::Box
                            : moduleTimers != timersBefore  ? Phase::DeliverTimed
                                                            : Phase::Deliver;
        if (!CheckRequests(phase, &m)) return false;
        if (random.OneIn(30)) {
            // Now and then the user clicks somewhere below the title bar (the window's own buttons
            // are the host's business) or presses a hot key on whatever the messages left.
            static const char* const hotKeys[] = {"F1", "F2", "F3", "F4", "Space", "Enter", "Escape", "1", "2", "3", "9"};
            const Json input = random.OneIn(2) ? Json{{"click", {random.Below(800), 20 + random.Below(580)}}}
                                                : Json{{"key", hotKeys[random.Below(std::size(hotKeys))]}};
            if (!replay.Input({input, step.where, step.scriptLine})) return false;
            clicked = clicked || FindMember(input, "click");
            replay.Pump();
            if (!NothingEscaped(m.bytes) || !CheckRequests(Phase::User, &m)) return false;
        }
        if (random.OneIn(10)) {
            // Mostly short steps; now and then long enough for any prompt to time out. The virtual
            // clock costs the frames it runs: these keep it to about a third of the soak's time.
            const unsigned ms = random.OneIn(40) ? 15000 + random.Below(5000) : random.Below(600);
            if (!replay.Advance(step, ms)) return false;
            replay.Pump();
            if (!NothingEscaped(m.bytes)) return false;
            if (!CheckRequests(replay.boxesAnswered != boxesBefore ? Phase::Box : Phase::Advance, &m)) return false;
        }
    }
    return replay.error.empty();
}

bool SoakRun::InBox()
{
    // A click on a seat opens its popup menu: the user closes it again.
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    const bool gotGui = GetGUIThreadInfo(GetCurrentThreadId(), &gui);
    if (gotGui && (gui.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE))) {
        EndMenu();
        return replay.error.empty();
    }
    // A press on the title bar moves the host's window until a release that a sent click never
    // gives: Escape ends the move.
    if (gotGui && (gui.flags & GUI_INMOVESIZE)) {
        PostMessageA(gui.hwndCapture, WM_KEYDOWN, VK_ESCAPE, 0);
        return replay.error.empty();
    }
    const HWND box = FindModalBox();
    if (!box || box == answeredBox) return replay.error.empty();
    answeredBox = box;
    for (uint32_t n = random.Below(4); n > 0 && replay.error.empty(); --n) {
        if (random.OneIn(2)) {
            if (!Ping()) break;
        } else {
            // Broken ones only: a whole message would wait in the module's queue, and the requests
            // it causes later could not be told from those of the message then delivered.
            const SoakMessage m = MakeBrokenMessage(random, keys);
            ++dropped;
            if (!Deliver(m.bytes, m.id)) break;
        }
    }
    // Answered also after a failure, so the handler that opened it returns and the failure shows.
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ++replay.boxesAnswered;
    return replay.error.empty();
}

bool Replay::SoakInBox()
{
    return soak->InBox();
}

bool SoakRun::Game(const std::vector<ScriptStep>& game, int round)
{
    // The host makes the module forget the room before it enters the next one; a page the user asked
    // for in the burst is then reported closed.
    if (replay.module.client->ResetRoomView() != 0) return Fail("ResetRoomView failed after burst " + std::to_string(round));
    replay.Pump();
    if (!CheckRequests(Phase::Deliver, nullptr)) return false;
    clicked = false;
    for (const ScriptStep& s : game) {
        if (random.OneIn(3) && !Ping()) return false;
        if (random.OneIn(3)) {
            const SoakMessage m = MakeBrokenMessage(random, keys);
            ++dropped;
            if (!Deliver(m.bytes, m.id)) return false;
        }
        if (!replay.RunStep(s)) {
            replay.error = "soak seed " + std::to_string(seed) + ", game after burst " + std::to_string(round) + ": " +
                           replay.error + " (the window then: soak_failed.png)";
            const std::string failure = replay.error;
            replay.Screenshot({Json{{"screenshot", "soak_failed.png"}}, step.where, step.scriptLine});
            replay.error = failure;
            return false;
        }
        replay.Pump();
    }
    const auto it = std::find_if(replay.host.events.begin(), replay.host.events.end(), [](const HostEvent& e) { return e.isRequest; });
    if (it != replay.host.events.end()) return Fail("the valid game ended with a request more: " + DumpJson(it->json));
    replay.host.events.clear();
    return true;
}

bool SoakRun::Run(int64_t messages, int rounds, const std::vector<ScriptStep>& game)
{
    std::printf("soak seed %llu: %lld messages in %d rounds (replays with \"seed\": %llu)\n",
                static_cast<unsigned long long>(seed), static_cast<long long>(messages), rounds,
                static_cast<unsigned long long>(seed));
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    replay.host.events.clear();
    const int64_t perRound = messages / rounds;
    for (int round = 1; round <= rounds; ++round) {
        const int64_t target = round == rounds ? messages : perRound * round;
        // The game's own messages count as well: the burst takes what is left of the round's share.
        if (!Burst(target - static_cast<int64_t>(game.size()))) return false;
        if (!Game(game, round)) return false;
    }
    if (!Burst(messages)) return false;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    int idsCovered = 0;
    for (const auto& [id, n] : byId) idsCovered += n > 0 ? 1 : 0;
    std::printf("soak seed %llu passed: %lld messages (%lld dropped whole, %d ids) in %.1f s, %.0f messages/s; "
                "%d pings answered at once and in order; %d boxes answered\n",
                static_cast<unsigned long long>(seed), static_cast<long long>(delivered), static_cast<long long>(dropped),
                idsCovered, seconds, delivered / std::max(seconds, 1e-3), pings, replay.boxesAnswered);
    for (const auto& [what, n] : requestsSeen) std::printf("  requests while %s: %lld\n", what.c_str(), static_cast<long long>(n));
    return true;
}

bool Replay::Soak(const ScriptStep& step)
{
    const Json& settings = *FindMember(step.json, "soak");
    const Json* seedJson = FindMember(settings, "seed");
    uint64_t seed = 0;
    if (seedJson && *seedJson == "random") {
        seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()) % 1000000000ull;
    } else if (const std::optional<int64_t> s = seedJson ? IntegerOf(*seedJson) : std::nullopt; s && *s >= 0) {
        seed = static_cast<uint64_t>(*s);
    } else {
        return Fail(step, "soak takes a seed, a number or \"random\"");
    }
    const int64_t messages = IntegerOf(settings.value("messages", Json(10000))).value_or(0);
    const int rounds = static_cast<int>(IntegerOf(settings.value("rounds", Json(4))).value_or(0));
    const Json* gamePath = FindMember(settings, "game");
    if (messages <= 0 || rounds <= 0 || !gamePath || !gamePath->is_string())
        return Fail(step, "soak takes \"messages\" and \"rounds\" above 0 and the \"game\" script to play");
    std::vector<ScriptStep> game;
    std::string why;
    if (!LoadReplayScript(FolderOf(scriptPath) + gamePath->get<std::string>(), game, why)) return Fail(step, why);
    SoakRun run(*this, step, seed);
    soak = &run;
    hostWindow = module.hostWnd;
    const HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, CountTimers, nullptr, GetCurrentThreadId());
    const bool ok = run.Run(messages, rounds, game);
    if (hook) UnhookWindowsHookEx(hook);
    soak = nullptr;
    return ok;
}
