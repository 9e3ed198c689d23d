#pragma once

// Messages and requests as the JSON of replay scripts, traces and test failures.

#include <optional>
#include <string>
#include <string_view>

#include "protocol/GameMessage.h"
#include "protocol/GameRequest.h"
#include "protocol_json/JsonFields.h"

// {"id": 22, "name": "DealCards", "fields": {...}}; id 0 has no name.
Json GameMessageToJson(const GameMessage& message);
// Takes the message by "name", "id" or both when they agree; fields not given keep their
// defaults. False, with `out` emptied, for what no body has. Never throws.
[[nodiscard]] bool GameMessageFromJson(const Json& json, GameMessage& out);

// {"type": 12, "name": "PlayCard", "fields": {...}}.
Json GameRequestToJson(const GameRequest& request);
// Takes the request by "name", "type" or both when they agree; fields not given keep 0. False,
// with `out` unchanged, for what no request has. Never throws.
[[nodiscard]] bool GameRequestFromJson(const Json& json, GameRequest& out);

// One JSON text; nothing when it is not valid JSON (UTF-8 included). Never throws.
std::optional<Json> ParseJson(std::string_view text);
// The compact text of a value. A string that is not UTF-8 shows U+FFFD for its bad bytes
// instead of throwing: the host converts the module's texts to UTF-8 before it writes them.
std::string DumpJson(const Json& json);
