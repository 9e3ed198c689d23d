#pragma once

// The JSON form of a record with `Fields`: an object with one member per field, records as
// objects, lists and arrays as arrays. Integers keep all 64 bits (money values do not fit a
// double); strings hold the text's bytes unchanged (the stand-in host converts them between the
// module's code page and UTF-8).

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "protocol/FieldVisitors.h"

// Members keep the order they were written in: traces list fields in wire order.
using Json = nlohmann::ordered_json;

// The member of that name; null when there is none or `object` is not an object.
inline const Json* FindMember(const Json& object, const char* key)
{
    if (!object.is_object()) return nullptr;
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

// The integer a value holds; nothing for other kinds and for integers above INT64_MAX.
inline std::optional<int64_t> IntegerOf(const Json& value)
{
    if (value.is_number_unsigned()) {
        const auto u = value.get<uint64_t>();
        if (!std::in_range<int64_t>(u)) return std::nullopt;
        return static_cast<int64_t>(u);
    }
    if (value.is_number_integer()) return value.get<int64_t>();
    return std::nullopt;
}

class JsonWriteVisitor {
public:
    Json result = Json::object();  // an array while writing the elements of a list

    void I32(const char* name, int32_t& x) { Put(name, x); }
    void U32(const char* name, uint32_t& x) { Put(name, x); }
    void I64(const char* name, int64_t& x) { Put(name, x); }
    void Str(const char* name, std::string& x) { Put(name, x); }
    template <class R> void Rec(const char* name, R& r)
    {
        JsonWriteVisitor inner;
        r.Fields(inner);
        Put(name, std::move(inner.result));
    }
    template <class T> void List(const char* name, std::vector<T>& xs) { Put(name, Items(xs)); }
    template <class T, size_t N> void Array(const char* name, std::array<T, N>& a) { Put(name, Items(a)); }
    template <class T, size_t N> void Array(const char* name, ArcArrayT<T, N>& a) { Put(name, Items(a)); }
    template <class T, size_t N> void CountedArray(const char* name, std::array<T, N>& a) { Put(name, Items(a)); }
    template <class T> void Optional(const char* name, T& x) { protocol_detail::VisitItem(*this, name, x); }

private:
    void Put(const char* name, Json v)
    {
        if (result.is_array()) result.push_back(std::move(v));
        else result[name] = std::move(v);
    }
    template <class C> static Json Items(C& c)
    {
        JsonWriteVisitor items;
        items.result = Json::array();
        for (auto& x : c) protocol_detail::VisitItem(items, "", x);
        return std::move(items.result);
    }
};

// Fills fields from a JSON object. A missing member keeps the field's value; a member of the
// wrong kind, a number out of the field's range, a fixed array of the wrong length or a member
// that names no field fails the whole read.
class JsonReadVisitor {
public:
    explicit JsonReadVisitor(const Json& object) : source(object), ok(object.is_object()) {}
    bool Ok() const { return ok && matched == source.size(); }

    void I32(const char* name, int32_t& x) { Int(name, x); }
    void U32(const char* name, uint32_t& x) { Int(name, x); }
    void I64(const char* name, int64_t& x) { Int(name, x); }
    void Str(const char* name, std::string& x)
    {
        const Json* v = Take(name);
        if (!v) return;
        if (!v->is_string()) return Fail();
        x = v->get_ref<const std::string&>();
    }
    template <class R> void Rec(const char* name, R& r)
    {
        const Json* v = Take(name);
        if (!v) return;
        JsonReadVisitor inner(*v);
        r.Fields(inner);
        if (!inner.Ok()) Fail();
    }
    template <class T> void List(const char* name, std::vector<T>& xs)
    {
        const Json* v = Take(name);
        if (!v) return;
        if (!v->is_array()) return Fail();
        xs.assign(v->size(), T{});
        Items(*v, xs);
    }
    template <class T, size_t N> void Array(const char* name, std::array<T, N>& a) { FixedItems(name, a); }
    template <class T, size_t N> void Array(const char* name, ArcArrayT<T, N>& a) { FixedItems(name, a); }
    template <class T, size_t N> void CountedArray(const char* name, std::array<T, N>& a) { FixedItems(name, a); }
    template <class T> void Optional(const char* name, T& x) { protocol_detail::VisitItem(*this, name, x); }

private:
    template <class T> void Int(const char* name, T& x)
    {
        const Json* v = Take(name);
        if (!v) return;
        const std::optional<int64_t> i = IntegerOf(*v);
        if (!i || !std::in_range<T>(*i)) return Fail();
        x = static_cast<T>(*i);
    }
    // The member of that name, or the array element an Items loop handed in.
    const Json* Take(const char* name)
    {
        if (!ok) return nullptr;
        if (element) return std::exchange(element, nullptr);
        const Json* v = FindMember(source, name);
        if (v) ++matched;
        return v;
    }
    template <class C> void Items(const Json& array, C& c)
    {
        size_t i = 0;
        for (auto& x : c) {
            if (!ok) return;
            element = &array[i++];
            protocol_detail::VisitItem(*this, "", x);
            element = nullptr;
        }
    }
    template <class C> void FixedItems(const char* name, C& c)
    {
        const Json* v = Take(name);
        if (!v) return;
        if (!v->is_array() || v->size() != static_cast<size_t>(std::distance(std::begin(c), std::end(c)))) return Fail();
        Items(*v, c);
    }
    void Fail() { ok = false; }

    const Json& source;
    const Json* element = nullptr;
    size_t matched = 0;
    bool ok;
};

template <class R>
Json FieldsToJson(const R& r)
{
    JsonWriteVisitor v;
    protocol_detail::VisitConst(r, v);
    return std::move(v.result);
}

template <class R>
[[nodiscard]] bool FieldsFromJson(const Json& json, R& r)
{
    JsonReadVisitor v(json);
    r.Fields(v);
    return v.Ok();
}
