// Reads arbitrary bytes as a server message, copies it, writes it back, reads that again and
// destroys everything; the same bytes also go through the request reader, the style-tag splitter
// and the JSON parser.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "protocol/ChatStyle.h"
#include "protocol/GameMessage.h"
#include "protocol/GameRequest.h"
#include "protocol/Json.h"

namespace {

void Check(bool ok)
{
    if (!ok) std::abort();
}

void MessageRoundTrip(const uint8_t* data, size_t size)
{
    GameMessage message;
    if (!ReadGameMessage(data, size, message)) {
        Check(message.id == 0 && !message.body);
        return;
    }
    Check(message.id == 0 || message.body != nullptr);
    GameMessage copy = CopyGameMessage(message);
    Check(copy == message);
    DeleteGameMessage(message);

    const std::vector<uint8_t> bytes = WriteGameMessage(copy);
    GameMessage again;
    Check(ReadGameMessage(bytes.data(), bytes.size(), again));
    Check(again == copy);
    Check(WriteGameMessage(again) == bytes);

    const std::optional<JsonValue> json = ParseJson(GameMessageToJson(copy).Dump());
    Check(json.has_value());
    GameMessage fromJson;
    Check(GameMessageFromJson(*json, fromJson));
    Check(fromJson == copy);
    DeleteGameMessage(copy);
}

void RequestRoundTrip(const uint8_t* data, size_t size)
{
    GameRequest request;
    if (!ReadGameRequest(data, size, request)) return;
    const std::vector<uint8_t> bytes = SerializeGameRequest(request);
    GameRequest again;
    Check(ReadGameRequest(bytes.data(), bytes.size(), again) && again == request);
    GameRequest fromJson;
    Check(GameRequestFromJson(GameRequestToJson(request), fromJson) && fromJson == request);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MessageRoundTrip(data, size);
    RequestRoundTrip(data, size);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)SplitStyledText(text);
    if (const auto json = ParseJson(text)) {
        const auto again = ParseJson(json->Dump());
        Check(again.has_value());
    }
    return 0;
}
