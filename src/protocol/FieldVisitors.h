#pragma once

// The visitors that walk a body's `Fields` list: wire reading and writing, the minimum wire size
// and the field description the wire document is checked against. The JSON form of scripts and
// traces lives outside the module, in tools/protocol_json, and walks the same lists.
//
// A `Fields` member calls, in wire order:
//   v.I32(name, int32_t&)  v.U32(name, uint32_t&)  v.I64(name, int64_t&)  v.Str(name, std::string&)
//   v.Rec(name, record&)                      a nested record, its own `Fields` inline
//   v.List(name, std::vector<T>&)             a 32-bit count, then the elements
//   v.Array(name, std::array<T, N>&)          exactly N elements, no count (per-seat vectors)
//   v.Array(name, ArcArrayT<T, N>&)           the same for record arrays
//   v.CountedArray(name, std::array<T, N>&)   a 32-bit count that must be N, then N elements
//   v.Optional(name, T&)                      a trailing field an older, shorter body lacks: when
//                                             the body ends before it, it reads as T{}; only
//                                             optional fields may follow it

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "foundation/core/Containers.h"
#include "foundation/core/Wire.h"

namespace protocol_detail {

template <class T> struct IsVector : std::false_type {};
template <class T> struct IsVector<std::vector<T>> : std::true_type {};

// Visits one element of a list or array with the method its type asks for.
template <class V, class T>
void VisitItem(V& v, const char* name, T& x)
{
    if constexpr (std::is_same_v<T, int32_t>) v.I32(name, x);
    else if constexpr (std::is_same_v<T, uint32_t>) v.U32(name, x);
    else if constexpr (std::is_same_v<T, int64_t>) v.I64(name, x);
    else if constexpr (std::is_same_v<T, std::string>) v.Str(name, x);
    else if constexpr (IsVector<T>::value) v.List(name, x);
    else v.Rec(name, x);
}

// Fields is a non-const member by design; the visitors that only look call it through this.
template <class R, class V>
void VisitConst(const R& r, V& v)
{
    const_cast<R&>(r).Fields(v);
}

// The fewest wire bytes a value of T takes; a list count is checked against it before anything
// is allocated for the elements.
class MinSizeVisitor {
public:
    size_t total = 0;
    void I32(const char*, int32_t&) { total += 4; }
    void U32(const char*, uint32_t&) { total += 4; }
    void I64(const char*, int64_t&) { total += 8; }
    void Str(const char*, std::string&) { total += 4; }
    template <class R> void Rec(const char*, R& r) { r.Fields(*this); }
    template <class T> void List(const char*, std::vector<T>&) { total += 4; }
    template <class T, size_t N> void Array(const char* name, std::array<T, N>& a) { for (auto& x : a) VisitItem(*this, name, x); }
    template <class T, size_t N> void Array(const char* name, ArcArrayT<T, N>& a) { for (auto& x : a) VisitItem(*this, name, x); }
    template <class T, size_t N> void CountedArray(const char* name, std::array<T, N>& a) { total += 4; Array(name, a); }
    template <class T> void Optional(const char*, T&) {}
};

template <class T>
size_t WireMinSize()
{
    static const size_t size = [] {
        T sample{};
        MinSizeVisitor m;
        VisitItem(m, "", sample);
        return m.total > 0 ? m.total : size_t{1};
    }();
    return size;
}

}  // namespace protocol_detail

// Reads fields from the wire. A failed read leaves the reader failed; nothing more is read or
// allocated after that, and the caller drops the whole value.
class WireReadVisitor {
public:
    explicit WireReadVisitor(ByteReader& r) : in(r) {}
    bool Ok() const { return !in.Failed(); }

    void I32(const char*, int32_t& x) { (void)in.I32(x); }
    void U32(const char*, uint32_t& x) { (void)in.U32(x); }
    void I64(const char*, int64_t& x) { (void)in.I64(x); }
    void Str(const char*, std::string& x) { (void)in.String(x); }
    template <class R> void Rec(const char*, R& r)
    {
        if (Ok()) r.Fields(*this);
    }
    template <class T> void List(const char* name, std::vector<T>& xs)
    {
        uint32_t n = 0;
        if (!in.Count(n, protocol_detail::WireMinSize<T>())) return;
        xs.clear();
        xs.resize(n);
        for (auto& x : xs) {
            if (!Ok()) return;
            protocol_detail::VisitItem(*this, name, x);
        }
    }
    template <class T, size_t N> void Array(const char* name, std::array<T, N>& a)
    {
        for (auto& x : a)
            if (Ok()) protocol_detail::VisitItem(*this, name, x);
    }
    template <class T, size_t N> void Array(const char* name, ArcArrayT<T, N>& a)
    {
        for (auto& x : a)
            if (Ok()) protocol_detail::VisitItem(*this, name, x);
    }
    template <class T, size_t N> void CountedArray(const char* name, std::array<T, N>& a)
    {
        uint32_t n = 0;
        if (!in.Count(n, 0)) return;
        if (n != N) {
            (void)in.Skip(SIZE_MAX);  // a wrong count fails the read
            return;
        }
        Array(name, a);
    }
    // Absent only when no byte is left; a field cut short fails the read like any other.
    template <class T> void Optional(const char* name, T& x)
    {
        if (!Ok()) return;
        if (in.Remaining() == 0) {
            x = T{};
            return;
        }
        protocol_detail::VisitItem(*this, name, x);
    }

private:
    ByteReader& in;
};

class WireWriteVisitor {
public:
    explicit WireWriteVisitor(ByteWriter& w) : out(w) {}

    void I32(const char*, int32_t& x) { out.I32(x); }
    void U32(const char*, uint32_t& x) { out.U32(x); }
    void I64(const char*, int64_t& x) { out.I64(x); }
    void Str(const char*, std::string& x) { out.String(x); }
    template <class R> void Rec(const char*, R& r) { r.Fields(*this); }
    template <class T> void List(const char* name, std::vector<T>& xs)
    {
        out.U32(static_cast<uint32_t>(xs.size()));
        for (auto& x : xs) protocol_detail::VisitItem(*this, name, x);
    }
    template <class T, size_t N> void Array(const char* name, std::array<T, N>& a) { for (auto& x : a) protocol_detail::VisitItem(*this, name, x); }
    template <class T, size_t N> void Array(const char* name, ArcArrayT<T, N>& a) { for (auto& x : a) protocol_detail::VisitItem(*this, name, x); }
    template <class T, size_t N> void CountedArray(const char* name, std::array<T, N>& a)
    {
        out.U32(static_cast<uint32_t>(N));
        Array(name, a);
    }
    template <class T> void Optional(const char* name, T& x) { protocol_detail::VisitItem(*this, name, x); }

private:
    ByteWriter& out;
};

// The top-level fields of a record as name and type text, in wire order, for the wire document.
struct FieldDescription {
    std::string name;
    std::string type;
    bool operator==(const FieldDescription&) const = default;
};

namespace protocol_detail {

template <class T> struct IsStdArray : std::false_type {};
template <class T, size_t N> struct IsStdArray<std::array<T, N>> : std::true_type {};

template <class T>
std::string TypeText()
{
    if constexpr (std::is_same_v<T, int32_t>) return "i32";
    else if constexpr (std::is_same_v<T, uint32_t>) return "u32";
    else if constexpr (std::is_same_v<T, int64_t>) return "i64";
    else if constexpr (std::is_same_v<T, std::string>) return "string";
    else if constexpr (IsVector<T>::value) return "list<" + TypeText<typename T::value_type>() + ">";
    else return T::kName;
}

}  // namespace protocol_detail

class DescribeVisitor {
public:
    std::vector<FieldDescription> fields;

    void I32(const char* name, int32_t&) { Add(name, "i32"); }
    void U32(const char* name, uint32_t&) { Add(name, "u32"); }
    void I64(const char* name, int64_t&) { Add(name, "i64"); }
    void Str(const char* name, std::string&) { Add(name, "string"); }
    template <class R> void Rec(const char* name, R&) { Add(name, R::kName); }
    template <class T> void List(const char* name, std::vector<T>&) { Add(name, protocol_detail::TypeText<std::vector<T>>()); }
    template <class T, size_t N> void Array(const char* name, std::array<T, N>&) { AddArray<T, N>(name); }
    template <class T, size_t N> void Array(const char* name, ArcArrayT<T, N>&) { AddArray<T, N>(name); }
    template <class T, size_t N> void CountedArray(const char* name, std::array<T, N>&)
    {
        Add(name, "list<" + protocol_detail::TypeText<T>() + ">=" + std::to_string(N));
    }
    template <class T> void Optional(const char* name, T&) { Add(name, protocol_detail::TypeText<T>() + "?"); }

private:
    template <class T, size_t N> void AddArray(const char* name)
    {
        Add(name, protocol_detail::TypeText<T>() + "[" + std::to_string(N) + "]");
    }
    void Add(const char* name, std::string type) { fields.push_back({name, std::move(type)}); }
};

// One-call helpers over a record or body with `Fields`.
template <class R>
[[nodiscard]] bool ReadFields(ByteReader& in, R& r)
{
    WireReadVisitor v(in);
    r.Fields(v);
    return v.Ok();
}

template <class R>
void WriteFields(ByteWriter& out, const R& r)
{
    WireWriteVisitor v(out);
    protocol_detail::VisitConst(r, v);
}

template <class R>
std::vector<FieldDescription> DescribeFields()
{
    R sample{};
    DescribeVisitor v;
    sample.Fields(v);
    return v.fields;
}
