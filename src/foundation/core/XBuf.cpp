#include "foundation/core/XBuf.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <new>
#include <vector>

namespace {

// A data block: a reference count and its bytes. Blocks of the pooled sizes go back to the pool.
struct Block {
    std::atomic<int32_t> refs{1};
    uint32_t capacity = 0;
    uint8_t* Bytes() { return reinterpret_cast<uint8_t*>(this + 1); }
};

constexpr uint32_t kSmallestBlock = 256;
constexpr int kSizeClasses = 9;  // 256 bytes .. 64 KiB; larger blocks are not pooled
constexpr size_t kMaxPooledPerClass = 64;

class BlockPool {
public:
    Block* Acquire(uint32_t need)
    {
        const int cls = SizeClass(need);
        if (cls >= 0) {
            std::lock_guard<std::mutex> hold(lock);
            ++live;
            auto& free = freeLists[cls];
            if (!free.empty()) {
                Block* b = free.back();
                free.pop_back();
                b->refs.store(1);
                return b;
            }
        }
        const uint32_t capacity = cls >= 0 ? kSmallestBlock << cls : need;
        void* raw = ::operator new(sizeof(Block) + capacity, std::nothrow);
        if (!raw) {
            if (cls >= 0) {
                std::lock_guard<std::mutex> hold(lock);
                --live;
            }
            return nullptr;
        }
        Block* b = new (raw) Block;
        b->capacity = capacity;
        if (cls < 0) {
            std::lock_guard<std::mutex> hold(lock);
            ++live;
        }
        return b;
    }

    void Unref(Block* b)
    {
        if (!b || b->refs.fetch_sub(1) != 1) return;
        const int cls = SizeClass(b->capacity);
        std::lock_guard<std::mutex> hold(lock);
        --live;
        if (cls >= 0 && (kSmallestBlock << cls) == b->capacity && freeLists[cls].size() < kMaxPooledPerClass) {
            freeLists[cls].push_back(b);
            return;
        }
        b->~Block();
        ::operator delete(b);
    }

    void Stats(XBufPoolStats& s)
    {
        std::lock_guard<std::mutex> hold(lock);
        s.liveBlocks = live;
        s.pooledBlocks = 0;
        for (const auto& f : freeLists) s.pooledBlocks += f.size();
    }

private:
    static int SizeClass(uint32_t need)
    {
        for (int c = 0; c < kSizeClasses; ++c)
            if (need <= (kSmallestBlock << c)) return c;
        return -1;
    }

    std::mutex lock;
    std::vector<Block*> freeLists[kSizeClasses];
    size_t live = 0;
};

BlockPool& Blocks()
{
    static BlockPool* pool = new BlockPool;  // lives as long as the process: buffers may outlive statics
    return *pool;
}

class CXBuf final : public IXBuf {
public:
    uint32_t MIRELLE_STDCALL Release() override;
    uint32_t MIRELLE_STDCALL AddRef() override { return static_cast<uint32_t>(refs.fetch_add(1) + 1); }
    uint32_t MIRELLE_STDCALL GetLength() override { return end - begin; }
    const uint8_t* MIRELLE_STDCALL GetData() override { return end > begin ? block->Bytes() + begin : nullptr; }
    int MIRELLE_STDCALL Append(const void* data, uint32_t size) override;
    int MIRELLE_STDCALL Consume(void* out, uint32_t size) override;
    void MIRELLE_STDCALL Clear() override { begin = end = 0; }

    void Reset()
    {
        Blocks().Unref(block);
        block = nullptr;
        begin = end = 0;
        refs.store(1);
    }

private:
    std::atomic<int32_t> refs{1};
    Block* block = nullptr;
    uint32_t begin = 0;
    uint32_t end = 0;
};

class ObjectPool {
public:
    CXBuf* Acquire()
    {
        std::lock_guard<std::mutex> hold(lock);
        ++live;
        if (!free.empty()) {
            CXBuf* b = free.back();
            free.pop_back();
            return b;
        }
        CXBuf* b = new (std::nothrow) CXBuf;
        if (!b) --live;
        return b;
    }

    void Return(CXBuf* b)
    {
        b->Reset();
        std::lock_guard<std::mutex> hold(lock);
        --live;
        if (free.size() < kMaxPooledPerClass) {
            free.push_back(b);
            return;
        }
        delete b;
    }

    void Stats(XBufPoolStats& s)
    {
        std::lock_guard<std::mutex> hold(lock);
        s.liveBuffers = live;
        s.pooledBuffers = free.size();
    }

private:
    std::mutex lock;
    std::vector<CXBuf*> free;
    size_t live = 0;
};

ObjectPool& Objects()
{
    static ObjectPool* pool = new ObjectPool;
    return *pool;
}

uint32_t CXBuf::Release()
{
    const int32_t left = refs.fetch_sub(1) - 1;
    if (left == 0) Objects().Return(this);
    return static_cast<uint32_t>(left < 0 ? 0 : left);
}

int CXBuf::Append(const void* data, uint32_t size)
{
    if (size == 0) return 1;
    if (!data) return 0;
    const uint32_t length = end - begin;
    if (size > UINT32_MAX - length) return 0;
    const uint32_t need = length + size;
    if (!block || block->refs.load() != 1 || need > block->capacity - begin) {
        const bool compactInPlace = block && block->refs.load() == 1 && need <= block->capacity;
        if (compactInPlace) {
            std::memmove(block->Bytes(), block->Bytes() + begin, length);
        } else {
            // Grow by half again so a run of appends stays linear.
            const uint64_t wanted = std::max<uint64_t>(need, uint64_t{length} + length / 2);
            Block* grown = Blocks().Acquire(static_cast<uint32_t>(std::min<uint64_t>(wanted, UINT32_MAX)));
            if (!grown) return 0;
            if (length) std::memcpy(grown->Bytes(), block->Bytes() + begin, length);
            Blocks().Unref(block);
            block = grown;
        }
        begin = 0;
        end = length;
    }
    std::memcpy(block->Bytes() + end, data, size);
    end += size;
    return 1;
}

int CXBuf::Consume(void* out, uint32_t size)
{
    if (size > end - begin) return 0;
    if (out && size) std::memcpy(out, block->Bytes() + begin, size);
    begin += size;
    if (begin == end) begin = end = 0;
    return 1;
}

}  // namespace

IXBuf* CreateXBuf()
{
    return Objects().Acquire();
}

IXBuf* CreateXBuf(const void* data, uint32_t size)
{
    IXBuf* b = CreateXBuf();
    if (b && !b->Append(data, size)) {
        b->Release();
        return nullptr;
    }
    return b;
}

XBufPoolStats GetXBufPoolStats()
{
    XBufPoolStats s;
    Objects().Stats(s);
    Blocks().Stats(s);
    return s;
}
