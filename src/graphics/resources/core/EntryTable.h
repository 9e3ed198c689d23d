#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Names one entry of a table: the slot and the serial number it had when made. A handle whose
// entry was released (and whose slot may hold another entry since) no longer resolves.
struct XResHandle {
    uint32_t serial = 0;
    int32_t slot = -1;

    bool IsNull() const { return serial == 0; }
    bool operator==(const XResHandle&) const = default;
};

// The key under which entries are shared: file names compare without case and with either slash.
std::string EntryKeyOf(const std::string& name);

// Reference-counted entries shared by key. Entries with an empty key are never shared.
// Not locked: the owner locks.
template <class T>
class EntryTable {
public:
    // The live entry of that key with one more reference, or a null handle.
    XResHandle Acquire(const std::string& key)
    {
        if (key.empty()) return {};
        for (size_t i = 0; i < slots.size(); ++i) {
            Slot& s = slots[i];
            if (s.entry && s.key == key) {
                ++s.refs;
                return {s.serial, static_cast<int32_t>(i)};
            }
        }
        return {};
    }

    // Adopts the entry with one reference.
    XResHandle Add(const std::string& key, std::unique_ptr<T> entry)
    {
        size_t i = 0;
        while (i < slots.size() && slots[i].entry) ++i;
        if (i == slots.size()) slots.emplace_back();
        Slot& s = slots[i];
        s.key = key;
        s.entry = std::move(entry);
        s.refs = 1;
        s.serial = ++lastSerial;
        return {s.serial, static_cast<int32_t>(i)};
    }

    T* Get(XResHandle h) const
    {
        const Slot* s = Find(h);
        return s ? s->entry.get() : nullptr;
    }

    // The new count, 0 for a handle that does not resolve.
    int AddRef(XResHandle h)
    {
        Slot* s = Find(h);
        return s ? ++s->refs : 0;
    }

    // Drops one reference; hands back the entry when that was the last, for the caller to free
    // outside its lock.
    std::unique_ptr<T> Release(XResHandle h)
    {
        Slot* s = Find(h);
        if (!s || --s->refs > 0) return nullptr;
        s->key.clear();
        s->serial = 0;
        return std::move(s->entry);
    }

    int RefCount(XResHandle h) const
    {
        const Slot* s = Find(h);
        return s ? s->refs : 0;
    }

    size_t Count() const
    {
        size_t n = 0;
        for (const Slot& s : slots) n += s.entry ? 1 : 0;
        return n;
    }

    template <class F>
    void ForEach(F&& f)
    {
        for (Slot& s : slots)
            if (s.entry) f(*s.entry);
    }

private:
    struct Slot {
        std::string key;
        std::unique_ptr<T> entry;
        int refs = 0;
        uint32_t serial = 0;
    };

    const Slot* Find(XResHandle h) const
    {
        if (h.serial == 0 || h.slot < 0 || static_cast<size_t>(h.slot) >= slots.size()) return nullptr;
        const Slot& s = slots[static_cast<size_t>(h.slot)];
        return s.entry && s.serial == h.serial ? &s : nullptr;
    }
    Slot* Find(XResHandle h) { return const_cast<Slot*>(static_cast<const EntryTable*>(this)->Find(h)); }

    std::vector<Slot> slots;
    uint32_t lastSerial = 0;
};
