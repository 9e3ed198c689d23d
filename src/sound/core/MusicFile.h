#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "sound/core/ByteSource.h"

// Music files are bare Ogg streams or Ogg streams behind a 28-byte header that begins with
// "psn" and a zero byte; its 32-bit value at offset 16, masked, says how far behind the header
// the stream begins.
constexpr size_t kMusicHeaderBytes = 28;
constexpr uint32_t kMusicOffsetMask = 0x3C1A5E27;

// Where the Ogg stream begins in a file of fileSize bytes whose first bytes are `head` (up to
// 28 of them); nothing when the file is neither form or the header points outside the file.
std::optional<uint64_t> FindMusicStart(std::span<const uint8_t> head, uint64_t fileSize);

// The Ogg stream of a music file as a source of its own, starting at its first page, so the
// decoder's seeks stay inside it.
std::unique_ptr<ByteSource> OpenMusicSource(const std::string& path);
