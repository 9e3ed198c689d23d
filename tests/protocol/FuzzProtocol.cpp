// Reads arbitrary bytes as a server message, copies it, writes it back, reads that again and
// destroys everything, each message and request also through its JSON form; the same bytes also go
// through the request reader, the style-tag splitter and the JSON parser.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "protocol/ChatStyle.h"
#include "protocol/GameMessage.h"
#include "protocol/GameRequest.h"
#include "protocol_json/ProtocolJson.h"

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

    // Texts hold any bytes: the value keeps them, the text form must still be valid JSON.
    const Json json = GameMessageToJson(copy);
    GameMessage fromJson;
    Check(GameMessageFromJson(json, fromJson));
    Check(fromJson == copy);
    Check(ParseJson(DumpJson(json)).has_value());
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
    if (const auto json = ParseJson(text)) Check(ParseJson(DumpJson(*json)) == json);
    return 0;
}
