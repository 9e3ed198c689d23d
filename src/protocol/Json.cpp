#include "protocol/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

JsonValue JsonValue::MakeBool(bool b)
{
    JsonValue v;
    v.kind = Kind::Bool;
    v.boolValue = b;
    return v;
}

JsonValue JsonValue::MakeInt(int64_t i)
{
    JsonValue v;
    v.kind = Kind::Int;
    v.intValue = i;
    return v;
}

JsonValue JsonValue::MakeDouble(double d)
{
    JsonValue v;
    v.kind = Kind::Double;
    v.doubleValue = d;
    return v;
}

JsonValue JsonValue::MakeString(std::string s)
{
    JsonValue v;
    v.kind = Kind::String;
    v.text = std::move(s);
    return v;
}

JsonValue JsonValue::MakeArray()
{
    JsonValue v;
    v.kind = Kind::Array;
    return v;
}

JsonValue JsonValue::MakeObject()
{
    JsonValue v;
    v.kind = Kind::Object;
    return v;
}

void JsonValue::Set(std::string key, JsonValue v)
{
    for (auto& m : members)
        if (m.first == key) {
            m.second = std::move(v);
            return;
        }
    members.emplace_back(std::move(key), std::move(v));
}

const JsonValue* JsonValue::Find(std::string_view key) const
{
    for (const auto& m : members)
        if (m.first == key) return &m.second;
    return nullptr;
}

namespace {

void DumpString(const std::string& s, std::string& out)
{
    out += '"';
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
        } else {
            out += ch;  // bytes from 0x80 up stay as they are: the text's own code page
        }
    }
    out += '"';
}

}  // namespace

std::string JsonValue::Dump() const
{
    std::string out;
    DumpTo(out);
    return out;
}

void JsonValue::DumpTo(std::string& out) const
{
    switch (kind) {
    case Kind::Null: out += "null"; break;
    case Kind::Bool: out += boolValue ? "true" : "false"; break;
    case Kind::Int: out += std::to_string(intValue); break;
    case Kind::Double: {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.17g", std::isfinite(doubleValue) ? doubleValue : 0.0);
        out += buf;
        break;
    }
    case Kind::String: DumpString(text, out); break;
    case Kind::Array:
        out += '[';
        for (size_t i = 0; i < items.size(); ++i) {
            if (i) out += ',';
            items[i].DumpTo(out);
        }
        out += ']';
        break;
    case Kind::Object:
        out += '{';
        for (size_t i = 0; i < members.size(); ++i) {
            if (i) out += ',';
            DumpString(members[i].first, out);
            out += ':';
            members[i].second.DumpTo(out);
        }
        out += '}';
        break;
    }
}

namespace {

class Parser {
public:
    explicit Parser(std::string_view t) : text(t) {}

    bool ParseDocument(JsonValue& out)
    {
        SkipSpace();
        if (!ParseValue(out, 0)) return false;
        SkipSpace();
        return pos == text.size();
    }

private:
    static constexpr int kMaxDepth = 64;

    void SkipSpace()
    {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || text[pos] == '\n' || text[pos] == '\r'))
            ++pos;
    }

    bool Literal(std::string_view word)
    {
        if (text.substr(pos, word.size()) != word) return false;
        pos += word.size();
        return true;
    }

    bool ParseValue(JsonValue& out, int depth)
    {
        if (depth > kMaxDepth || pos >= text.size()) return false;
        const char c = text[pos];
        if (c == '{') return ParseObject(out, depth);
        if (c == '[') return ParseArray(out, depth);
        if (c == '"') {
            std::string s;
            if (!ParseString(s)) return false;
            out = JsonValue::MakeString(std::move(s));
            return true;
        }
        if (Literal("true")) return out = JsonValue::MakeBool(true), true;
        if (Literal("false")) return out = JsonValue::MakeBool(false), true;
        if (Literal("null")) return out = JsonValue(), true;
        return ParseNumber(out);
    }

    bool ParseObject(JsonValue& out, int depth)
    {
        ++pos;
        out = JsonValue::MakeObject();
        SkipSpace();
        if (pos < text.size() && text[pos] == '}') return ++pos, true;
        for (;;) {
            SkipSpace();
            std::string key;
            if (pos >= text.size() || text[pos] != '"' || !ParseString(key)) return false;
            SkipSpace();
            if (pos >= text.size() || text[pos] != ':') return false;
            ++pos;
            SkipSpace();
            JsonValue v;
            if (!ParseValue(v, depth + 1)) return false;
            out.Set(std::move(key), std::move(v));
            SkipSpace();
            if (pos >= text.size()) return false;
            if (text[pos] == '}') return ++pos, true;
            if (text[pos] != ',') return false;
            ++pos;
        }
    }

    bool ParseArray(JsonValue& out, int depth)
    {
        ++pos;
        out = JsonValue::MakeArray();
        SkipSpace();
        if (pos < text.size() && text[pos] == ']') return ++pos, true;
        for (;;) {
            SkipSpace();
            JsonValue v;
            if (!ParseValue(v, depth + 1)) return false;
            out.Push(std::move(v));
            SkipSpace();
            if (pos >= text.size()) return false;
            if (text[pos] == ']') return ++pos, true;
            if (text[pos] != ',') return false;
            ++pos;
        }
    }

    bool Hex4(uint32_t& v)
    {
        if (text.size() - pos < 4) return false;
        v = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text[pos++];
            v <<= 4;
            if (c >= '0' && c <= '9') v |= static_cast<uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f') v |= static_cast<uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F') v |= static_cast<uint32_t>(c - 'A' + 10);
            else return false;
        }
        return true;
    }

    // \u00XX stands for the byte XX (texts are in the module's code page); larger code points
    // are written as UTF-8.
    static void AppendCodePoint(std::string& s, uint32_t cp)
    {
        if (cp < 0x100) {
            s += static_cast<char>(cp);
        } else if (cp < 0x800) {
            s += static_cast<char>(0xC0 | (cp >> 6));
            s += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            s += static_cast<char>(0xE0 | (cp >> 12));
            s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }

    bool ParseString(std::string& s)
    {
        ++pos;
        while (pos < text.size()) {
            const char c = text[pos++];
            if (c == '"') return true;
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c != '\\') {
                s += c;
                continue;
            }
            if (pos >= text.size()) return false;
            const char e = text[pos++];
            switch (e) {
            case '"': s += '"'; break;
            case '\\': s += '\\'; break;
            case '/': s += '/'; break;
            case 'b': s += '\b'; break;
            case 'f': s += '\f'; break;
            case 'n': s += '\n'; break;
            case 'r': s += '\r'; break;
            case 't': s += '\t'; break;
            case 'u': {
                uint32_t cp = 0;
                if (!Hex4(cp)) return false;
                AppendCodePoint(s, cp);
                break;
            }
            default: return false;
            }
        }
        return false;
    }

    bool ParseNumber(JsonValue& out)
    {
        const size_t start = pos;
        if (pos < text.size() && text[pos] == '-') ++pos;
        const size_t digits = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
        if (pos == digits) return false;
        bool integral = true;
        if (pos < text.size() && text[pos] == '.') {
            integral = false;
            ++pos;
            const size_t frac = pos;
            while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
            if (pos == frac) return false;
        }
        if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
            integral = false;
            ++pos;
            if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
            const size_t exp = pos;
            while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
            if (pos == exp) return false;
        }
        const std::string number(text.substr(start, pos - start));
        if (integral) {
            int64_t v = 0;
            const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), v);
            if (error == std::errc() && end == number.data() + number.size()) {
                out = JsonValue::MakeInt(v);
                return true;
            }
        }
        out = JsonValue::MakeDouble(std::strtod(number.c_str(), nullptr));
        return true;
    }

    std::string_view text;
    size_t pos = 0;
};

}  // namespace

std::optional<JsonValue> ParseJson(std::string_view text)
{
    JsonValue v;
    Parser p(text);
    if (!p.ParseDocument(v)) return std::nullopt;
    return v;
}
