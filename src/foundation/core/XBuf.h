#pragma once

#include <cstddef>
#include <cstdint>

#include "foundation/core/Stdcall.h"

// The reference-counted byte buffer that carries every message in both directions: append at
// the end, consume at the front. COM-style: standard-call methods, no virtual destructor, and the
// object is released through its first method.
struct IXBuf {
    virtual uint32_t MIRELLE_STDCALL Release() = 0;
    virtual uint32_t MIRELLE_STDCALL AddRef() = 0;
    virtual uint32_t MIRELLE_STDCALL GetLength() = 0;
    // The unconsumed bytes; valid until the next change of the buffer. Null when empty.
    virtual const uint8_t* MIRELLE_STDCALL GetData() = 0;
    // 1 on success, 0 when memory ran out (the buffer is then unchanged).
    virtual int MIRELLE_STDCALL Append(const void* data, uint32_t size) = 0;
    // Copies `size` bytes from the front into `out` (may be null) and removes them; 0, and
    // nothing removed, when fewer bytes are there.
    virtual int MIRELLE_STDCALL Consume(void* out, uint32_t size) = 0;
    virtual void MIRELLE_STDCALL Clear() = 0;
};

// A new empty buffer with one reference, from the process-wide object pool; null when memory ran out.
IXBuf* CreateXBuf();
// A new buffer holding a copy of the bytes.
IXBuf* CreateXBuf(const void* data, uint32_t size);

// Counters of the pools, for tests.
struct XBufPoolStats {
    size_t liveBuffers = 0;   // buffers handed out and not yet released
    size_t liveBlocks = 0;    // data blocks in use
    size_t pooledBuffers = 0;
    size_t pooledBlocks = 0;
};
XBufPoolStats GetXBufPoolStats();
