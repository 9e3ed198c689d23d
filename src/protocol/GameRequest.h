#pragma once

// An outgoing request: a 32-bit type 0..36 and its payload. On the wire the type, then the
// payload's fields in order (32-bit each; type 36 ends with a string). The `Unsent` types are
// never sent by the module; they keep the variant's index equal to the type.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "protocol/FieldVisitors.h"

struct IXBuf;

namespace Requests {

#define MIRELLE_REQUEST(Type, type)                          \
    static constexpr char kName[] = #Type;                  \
    static constexpr int32_t kType = type;                  \
    bool operator==(const Type&) const = default

#define MIRELLE_EMPTY_REQUEST(Type, type)                    \
    struct Type {                                           \
        template <class V> void Fields(V&) {}               \
        MIRELLE_REQUEST(Type, type);                        \
    }

#define MIRELLE_REQUEST_1(Type, type, a)                                         \
    struct Type {                                                               \
        int32_t a = 0;                                                          \
        template <class V> void Fields(V& v) { v.I32(#a, a); }                  \
        MIRELLE_REQUEST(Type, type);                                            \
    }

#define MIRELLE_REQUEST_2(Type, type, a, b)                                      \
    struct Type {                                                               \
        int32_t a = 0;                                                          \
        int32_t b = 0;                                                          \
        template <class V> void Fields(V& v) { v.I32(#a, a); v.I32(#b, b); }    \
        MIRELLE_REQUEST(Type, type);                                            \
    }

#define MIRELLE_REQUEST_3(Type, type, a, b, c)                                           \
    struct Type {                                                                       \
        int32_t a = 0;                                                                  \
        int32_t b = 0;                                                                  \
        int32_t c = 0;                                                                  \
        template <class V> void Fields(V& v) { v.I32(#a, a); v.I32(#b, b); v.I32(#c, c); } \
        MIRELLE_REQUEST(Type, type);                                                    \
    }

MIRELLE_EMPTY_REQUEST(Unsent0, 0);
MIRELLE_REQUEST_1(VoiceType, 1, voiceType);
MIRELLE_REQUEST_2(Play, 2, voiceType, flag);
MIRELLE_EMPTY_REQUEST(Observe, 3);
MIRELLE_EMPTY_REQUEST(ExitRoom, 4);
MIRELLE_REQUEST_1(Kick, 5, target);
MIRELLE_REQUEST_2(OptionChange, 6, value, voiceType);
MIRELLE_REQUEST_1(GameReadyAnswer, 7, answer);
MIRELLE_REQUEST_1(StartWithEmptySeat, 8, value);
MIRELLE_REQUEST_1(StartGame, 9, value);
MIRELLE_REQUEST_2(SunPick, 10, timedOut, pick);
MIRELLE_REQUEST_1(MonthChoice, 11, choice);
MIRELLE_REQUEST_3(PlayCard, 12, timedOut, card, missedMatch);
MIRELLE_REQUEST_2(CardChoice, 13, timedOut, card);
MIRELLE_REQUEST_2(YesNoChoice, 14, timedOut, choice);
MIRELLE_REQUEST_3(SeptAnimalChoice, 15, timedOut, choice, card);
MIRELLE_REQUEST_2(GoOrStop, 16, timedOut, choice);
MIRELLE_EMPTY_REQUEST(Unsent17, 17);
MIRELLE_REQUEST_2(ResultChoice, 18, choice, skin);
MIRELLE_EMPTY_REQUEST(TournamentResultOk, 19);
MIRELLE_REQUEST_2(DealShown, 20, a, b);
MIRELLE_EMPTY_REQUEST(GiveUp, 21);
MIRELLE_REQUEST_1(Chamgi, 22, choice);
MIRELLE_EMPTY_REQUEST(Unsent23, 23);
MIRELLE_REQUEST_1(BettingChoice, 24, index);
MIRELLE_REQUEST_1(HostPageState, 25, state);
MIRELLE_EMPTY_REQUEST(Unsent26, 26);
MIRELLE_REQUEST_1(Macro, 27, number);
MIRELLE_REQUEST_1(Tung, 28, value);
MIRELLE_REQUEST_1(Challenge, 29, choice);
MIRELLE_REQUEST_2(Bet, 30, a, b);
MIRELLE_EMPTY_REQUEST(DesperateExit, 31);
MIRELLE_EMPTY_REQUEST(DesperateDecline, 32);
MIRELLE_REQUEST_1(AutoPlay, 33, flag);
MIRELLE_REQUEST_1(TimeoutCount, 34, count);
MIRELLE_REQUEST_1(CheckNoticeReply, 35, userKey);

struct HostUserText {
    int32_t userKey = 0;
    std::string text;
    template <class V> void Fields(V& v) { v.I32("userKey", userKey); v.Str("text", text); }
    MIRELLE_REQUEST(HostUserText, 36);
};

#undef MIRELLE_REQUEST_3
#undef MIRELLE_REQUEST_2
#undef MIRELLE_REQUEST_1
#undef MIRELLE_EMPTY_REQUEST
#undef MIRELLE_REQUEST

// The payload alternatives in type order: the variant's index is the request type.
using Payload = std::variant<Unsent0, VoiceType, Play, Observe, ExitRoom, Kick, OptionChange, GameReadyAnswer,
                             StartWithEmptySeat, StartGame, SunPick, MonthChoice, PlayCard, CardChoice, YesNoChoice,
                             SeptAnimalChoice, GoOrStop, Unsent17, ResultChoice, TournamentResultOk, DealShown, GiveUp,
                             Chamgi, Unsent23, BettingChoice, HostPageState, Unsent26, Macro, Tung, Challenge, Bet,
                             DesperateExit, DesperateDecline, AutoPlay, TimeoutCount, CheckNoticeReply, HostUserText>;

}  // namespace Requests

constexpr int32_t kMaxGameRequestType = 36;

struct GameRequest {
    Requests::Payload payload;

    GameRequest() = default;
    template <class T>
    GameRequest(T p) : payload(std::move(p))  // NOLINT: a request is its payload
    {
    }

    int32_t Type() const { return static_cast<int32_t>(payload.index()); }
    template <class T> const T* Get() const { return std::get_if<T>(&payload); }
    bool operator==(const GameRequest&) const = default;
};

// The name of a type ("PlayCard"), empty for types out of range.
std::string_view GameRequestName(int32_t type);
int32_t GameRequestTypeByName(std::string_view name);
// A request of the type with every field 0 (std::visit on its payload reaches the payload's
// type); nothing for a type out of range.
std::optional<GameRequest> DefaultGameRequest(int32_t type);

// The type and the payload's fields as the wire carries them.
std::vector<uint8_t> SerializeGameRequest(const GameRequest& request);
// A new byte buffer holding the serialised request; null when memory ran out.
IXBuf* CreateGameRequestBuffer(const GameRequest& request);
// Reads a serialised request (the stand-in host's side); fails on a short buffer or a type out
// of range. Never throws.
[[nodiscard]] bool ReadGameRequest(const uint8_t* data, size_t size, GameRequest& out);

std::vector<FieldDescription> DescribeGameRequest(int32_t type);
