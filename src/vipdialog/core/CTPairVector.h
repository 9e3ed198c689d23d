#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// (key, record) pairs in the order they were added. A key may stand more than once; a look-up by
// key finds the first pair with it.
template <class K, class V>
class CTPairVector {
public:
    virtual ~CTPairVector() = default;

    // Appends the key with a default record; the new pair's index and its record. The reference
    // holds until the next Add or RemoveAt.
    std::pair<int, V&> Add(const K& key)
    {
        pairs.emplace_back(key, V{});
        return {static_cast<int>(pairs.size()) - 1, pairs.back().second};
    }
    // The index of the first pair with the key, -1 when none.
    int Find(const K& key) const
    {
        for (size_t i = 0; i < pairs.size(); ++i)
            if (pairs[i].first == key) return static_cast<int>(i);
        return -1;
    }
    V* FindRecord(const K& key)
    {
        const int i = Find(key);
        return i < 0 ? nullptr : &pairs[static_cast<size_t>(i)].second;
    }
    const V* FindRecord(const K& key) const
    {
        const int i = Find(key);
        return i < 0 ? nullptr : &pairs[static_cast<size_t>(i)].second;
    }
    virtual bool IsValidIndex(int index) const { return index >= 0 && static_cast<size_t>(index) < pairs.size(); }
    V* GetAt(int index) { return IsValidIndex(index) ? &pairs[static_cast<size_t>(index)].second : nullptr; }
    const K* KeyAt(int index) const { return IsValidIndex(index) ? &pairs[static_cast<size_t>(index)].first : nullptr; }
    bool RemoveAt(int index)
    {
        if (!IsValidIndex(index)) return false;
        pairs.erase(pairs.begin() + index);
        return true;
    }
    void Clear() { pairs.clear(); }
    int Size() const { return static_cast<int>(pairs.size()); }

    auto begin() { return pairs.begin(); }
    auto end() { return pairs.end(); }
    auto begin() const { return pairs.begin(); }
    auto end() const { return pairs.end(); }

private:
    std::vector<std::pair<K, V>> pairs;
};
