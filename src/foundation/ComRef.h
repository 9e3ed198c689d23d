#pragma once

#include <utility>

// Holds one reference to a COM-style object and releases it on scope exit.
template <class T>
class ComRef {
public:
    ComRef() = default;
    explicit ComRef(T* adopted) : p(adopted) {}  // adopts the caller's reference
    ComRef(const ComRef& o) : p(o.p)
    {
        if (p) p->AddRef();
    }
    ComRef(ComRef&& o) noexcept : p(std::exchange(o.p, nullptr)) {}
    ComRef& operator=(ComRef o) noexcept
    {
        std::swap(p, o.p);
        return *this;
    }
    ~ComRef() { Reset(); }

    T* Get() const { return p; }
    T* operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
    // For out parameters: releases what is held and hands the slot to the callee.
    T** Put()
    {
        Reset();
        return &p;
    }
    // The count the last Release returned, for tests that check nothing leaked.
    unsigned long Reset()
    {
        unsigned long left = 0;
        if (p) left = p->Release();
        p = nullptr;
        return left;
    }
    T* Detach() { return std::exchange(p, nullptr); }

private:
    T* p = nullptr;
};
