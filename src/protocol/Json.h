#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A small JSON value for replay scripts, traces and test failures. Integers keep all 64 bits
// (money values do not fit a double); strings carry the text's bytes unchanged.
class JsonValue {
public:
    enum class Kind { Null, Bool, Int, Double, String, Array, Object };
    using Member = std::pair<std::string, JsonValue>;

    JsonValue() = default;
    static JsonValue MakeBool(bool b);
    static JsonValue MakeInt(int64_t i);
    static JsonValue MakeDouble(double d);
    static JsonValue MakeString(std::string s);
    static JsonValue MakeArray();
    static JsonValue MakeObject();

    Kind GetKind() const { return kind; }
    bool IsNull() const { return kind == Kind::Null; }
    bool IsInt() const { return kind == Kind::Int; }
    bool IsString() const { return kind == Kind::String; }
    bool IsArray() const { return kind == Kind::Array; }
    bool IsObject() const { return kind == Kind::Object; }

    bool GetBool() const { return boolValue; }
    int64_t GetInt() const { return intValue; }
    double GetDouble() const { return doubleValue; }
    const std::string& GetString() const { return text; }

    // Array elements; empty for any other kind.
    const std::vector<JsonValue>& Items() const { return items; }
    void Push(JsonValue v) { items.push_back(std::move(v)); }

    // Object members in insertion order; empty for any other kind.
    const std::vector<Member>& Members() const { return members; }
    void Set(std::string key, JsonValue v);
    // The member of that name, null when there is none or this is not an object.
    const JsonValue* Find(std::string_view key) const;

    std::string Dump() const;
    bool operator==(const JsonValue&) const = default;

private:
    void DumpTo(std::string& out) const;

    Kind kind = Kind::Null;
    bool boolValue = false;
    int64_t intValue = 0;
    double doubleValue = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<Member> members;
};

// Parses one JSON text (surrounding white space allowed); nothing when it is not valid JSON or
// nests deeper than 64 levels.
std::optional<JsonValue> ParseJson(std::string_view text);
