#pragma once

#include <cstddef>
#include <list>
#include <stdexcept>
#include <utility>
#include <vector>

// Lists and vectors of pointers that never own what they point to: the owner deletes the objects.
template <class T>
class plist : public std::list<T*> {
public:
    using std::list<T*>::list;

    bool Contains(const T* p) const
    {
        for (const T* q : *this)
            if (q == p) return true;
        return false;
    }
    // Takes every occurrence of p out; true when one was there.
    bool Remove(const T* p)
    {
        const auto before = this->size();
        this->remove_if([p](const T* q) { return q == p; });
        return this->size() != before;
    }
};

template <class T>
class pvector : public std::vector<T*> {
public:
    using std::vector<T*>::vector;

    // The element at i, or null when i is outside the vector.
    T* At(size_t i) const { return i < this->size() ? (*this)[i] : nullptr; }
};

// Exactly N records, sized at construction; indexing outside throws like the standard's at().
template <class T, size_t N>
class ArcArrayT {
public:
    ArcArrayT() : items(N) {}

    static constexpr size_t Count() { return N; }
    T& operator[](size_t i) { return items.at(i); }
    const T& operator[](size_t i) const { return items.at(i); }
    bool IsValidIndex(long long i) const { return i >= 0 && static_cast<size_t>(i) < N; }
    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }
    bool operator==(const ArcArrayT&) const = default;

private:
    std::vector<T> items;
};

// A vector of key and value pairs in insertion order.
template <class K, class V>
class CTPairVector {
public:
    virtual ~CTPairVector() = default;

    void Add(const K& key, const V& value) { items.emplace_back(key, value); }
    size_t Count() const { return items.size(); }
    bool IsValidIndex(long long i) const { return i >= 0 && static_cast<size_t>(i) < items.size(); }
    // Index of the first pair with that key, -1 when none.
    long long FindIndex(const K& key) const
    {
        for (size_t i = 0; i < items.size(); ++i)
            if (items[i].first == key) return static_cast<long long>(i);
        return -1;
    }
    V* Find(const K& key)
    {
        const long long i = FindIndex(key);
        return i < 0 ? nullptr : &items[static_cast<size_t>(i)].second;
    }
    std::pair<K, V>& operator[](size_t i) { return items.at(i); }
    const std::pair<K, V>& operator[](size_t i) const { return items.at(i); }
    void Clear() { items.clear(); }
    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }

private:
    std::vector<std::pair<K, V>> items;
};
