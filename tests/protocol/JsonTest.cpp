#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <variant>

#include "FillFields.h"
#include "protocol_json/ProtocolJson.h"
#include "support/ProtocolPrint.h"

namespace {

enum class Form { Message, Request };

bool FromText(Form form, const char* text)
{
    const auto json = ParseJson(text);
    if (!json) return false;
    GameMessage message;
    GameRequest request;
    return form == Form::Message ? GameMessageFromJson(*json, message) : GameRequestFromJson(*json, request);
}

}  // namespace

TEST(ProtocolJson, ReadsOnlyWhatAMessageOrRequestHas)
{
    const struct { const char* name; Form form; const char* json; bool ok; } cases[] = {
        {"message by name", Form::Message, R"({"name":"TurnStart","fields":{"turnKey":5}})", true},
        {"message by id", Form::Message, R"({"id":25})", true},
        {"name and id agree", Form::Message, R"({"name":"TurnStart","id":25})", true},
        {"name and id disagree", Form::Message, R"({"name":"TurnStart","id":26})", false},
        {"unknown name", Form::Message, R"({"name":"Nothing"})", false},
        {"unknown name beside a good id", Form::Message, R"({"name":"Nothing","id":25})", false},
        {"a name that is not text", Form::Message, R"({"name":25})", false},
        {"neither name nor id", Form::Message, R"({"fields":{}})", false},
        {"not an object", Form::Message, R"([25])", false},
        {"id 0 without fields", Form::Message, R"({"id":0})", true},
        {"id 0 with a field", Form::Message, R"({"id":0,"fields":{"x":1}})", false},
        {"id 81", Form::Message, R"({"id":81})", false},
        {"unknown field", Form::Message, R"({"name":"TurnStart","fields":{"turnkey":5}})", false},
        {"fields not an object", Form::Message, R"({"name":"TurnStart","fields":[5]})", false},
        {"text for a number", Form::Message, R"({"name":"TurnStart","fields":{"turnKey":"5"}})", false},
        {"fraction for a number", Form::Message, R"({"name":"TurnStart","fields":{"turnKey":1.5}})", false},
        {"i32 out of range", Form::Message, R"({"name":"TurnStart","fields":{"turnKey":2147483648}})", false},
        {"u32 negative", Form::Message, R"({"name":"DealCards","fields":{"userKey":-1}})", false},
        {"i64 above its range", Form::Message, R"({"name":"BetPrompt","fields":{"amount":9223372036854775808}})", false},
        {"list element of the wrong kind", Form::Message, R"({"name":"HandCardPlayed","fields":{"cards":[1,"2"]}})", false},
        {"per-seat vector of three", Form::Message, R"({"name":"ScoreRefresh","fields":{"points":[1,2,3]}})", false},
        {"unknown field in a nested record", Form::Message, R"({"name":"GameDataSync","fields":{"table":{"x":1}}})", false},
        {"fields of an empty body", Form::Message, R"({"name":"TimeUp","fields":{"x":1}})", false},
        {"request by name", Form::Request, R"({"name":"PlayCard","fields":{"card":12}})", true},
        {"request by type", Form::Request, R"({"type":0})", true},
        {"request name and type disagree", Form::Request, R"({"name":"PlayCard","type":13})", false},
        {"unknown request name beside a good type", Form::Request, R"({"name":"Nothing","type":12})", false},
        {"type 37", Form::Request, R"({"type":37})", false},
        {"type -1", Form::Request, R"({"type":-1})", false},
        {"unknown request field", Form::Request, R"({"name":"PlayCard","fields":{"cards":12}})", false},
        {"number for the request's text", Form::Request, R"({"name":"HostUserText","fields":{"text":5}})", false},
    };
    for (const auto& c : cases) EXPECT_EQ(FromText(c.form, c.json), c.ok) << c.name;

    GameMessage message = GameMessage(HostText{"stale"});
    ASSERT_TRUE(GameMessageFromJson(*ParseJson(R"({"name":"TurnStart","fields":{"turnKey":5}})"), message));
    EXPECT_EQ(message, GameMessage(TurnStart{5, 0})) << "fields left out keep their defaults";
    EXPECT_FALSE(GameMessageFromJson(*ParseJson(R"({"id":81})"), message));
    EXPECT_EQ(message.body, nullptr) << "a failed read leaves no stale body";
    ASSERT_TRUE(GameMessageFromJson(GameMessageToJson(GameMessage()), message)) << "id 0 reads back";
    EXPECT_EQ(message, GameMessage());
    GameRequest request;
    ASSERT_TRUE(GameRequestFromJson(*ParseJson(R"({"name":"PlayCard","fields":{"card":12}})"), request));
    EXPECT_EQ(request, GameRequest(Requests::PlayCard{0, 12, 0}));
}

TEST(ProtocolJson, TextKeepsSixtyFourBitIntegersAndWireOrder)
{
    const GameMessage money(MoneyReturned{UINT32_MAX, INT32_MIN, 5000000000000000001});
    const std::string text = DumpJson(GameMessageToJson(money));
    EXPECT_EQ(text, R"({"id":59,"name":"MoneyReturned","fields":{"userKey":4294967295,"value":-2147483648,)"
                    R"("amount":5000000000000000001}})");
    GameMessage back;
    ASSERT_TRUE(GameMessageFromJson(*ParseJson(text), back));
    EXPECT_EQ(back, money);

    const GameMessage lowest(BetPrompt{1, 2, INT64_MIN});
    ASSERT_TRUE(GameMessageFromJson(*ParseJson(DumpJson(GameMessageToJson(lowest))), back));
    EXPECT_EQ(back, lowest);
    EXPECT_EQ(DumpJson(GameRequestToJson(Requests::Macro{3})), R"({"type":27,"name":"Macro","fields":{"number":3}})");
}

// Texts are the module's code page: the JSON value carries their bytes, and written out
// unconverted they do not throw (the host converts them to UTF-8 first).
TEST(ProtocolJson, EveryBodyAndTextReadsBackFromItsJson)
{
    for (int32_t id = 1; id <= kMaxGameMessageId; ++id) {
        GameMessage m;
        VisitMessageBodyType(id, [&m, id]<class T>(std::type_identity<T>) {
            T body;
            FillFields(body, id);
            m = GameMessage(std::move(body));
        });
        GameMessage back;
        ASSERT_TRUE(GameMessageFromJson(GameMessageToJson(m), back)) << GameMessageName(id);
        EXPECT_EQ(back, m);
    }
    for (int32_t type = 0; type <= kMaxGameRequestType; ++type) {
        GameRequest r = *DefaultGameRequest(type);
        std::visit([type](auto& payload) { FillFields(payload, type); }, r.payload);
        GameRequest back;
        ASSERT_TRUE(GameRequestFromJson(GameRequestToJson(r), back)) << GameRequestName(type);
        EXPECT_EQ(back, r);
    }
    EXPECT_EQ(DumpJson(Json("\xB0\xA1 ok")), "\"\xEF\xBF\xBD\xEF\xBF\xBD ok\"");
}
