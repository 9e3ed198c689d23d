#pragma once

// Gives every field of a record a distinct non-default value and every list two elements, so a
// round trip that drops, swaps or truncates a field shows.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/core/Containers.h"
#include "protocol/FieldVisitors.h"

class FillVisitor {
public:
    explicit FillVisitor(int32_t seed = 1) : next(seed) {}

    void I32(const char*, int32_t& x) { x = -1000 - next++; }
    void U32(const char*, uint32_t& x) { x = 0x80000000u + static_cast<uint32_t>(next++); }
    void I64(const char*, int64_t& x) { x = (int64_t{1} << 40) * (next++) + 7; }
    void Str(const char*, std::string& x) { x = "s" + std::to_string(next++) + "\xB0\xA1"; }
    template <class R> void Rec(const char*, R& r) { r.Fields(*this); }
    template <class T> void List(const char* name, std::vector<T>& xs)
    {
        xs.resize(2);
        for (auto& x : xs) protocol_detail::VisitItem(*this, name, x);
    }
    template <class T, size_t N> void Array(const char* name, std::array<T, N>& a) { for (auto& x : a) protocol_detail::VisitItem(*this, name, x); }
    template <class T, size_t N> void Array(const char* name, ArcArrayT<T, N>& a) { for (auto& x : a) protocol_detail::VisitItem(*this, name, x); }
    template <class T, size_t N> void CountedArray(const char* name, std::array<T, N>& a) { Array(name, a); }
    template <class T> void Optional(const char* name, T& x) { protocol_detail::VisitItem(*this, name, x); }

private:
    int32_t next;
};

template <class R>
void FillFields(R& r, int32_t seed = 1)
{
    FillVisitor v(seed);
    r.Fields(v);
}
