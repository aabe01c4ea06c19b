// The fixed places of a dialogue bank and the padding of its strings, shared by the reader and
// the writer. The bank header is the cutscene bank's (CutBank.h); offsets in the data count
// from its end.
#pragma once

#include "formats/CutBank.h"
#include "formats/DogFormat.h"

#include <cstddef>
#include <cstdint>

namespace quillon::dogbank {

using cutbank::kBankHeaderSize;

inline constexpr std::size_t kLevelsAt = 0; // int16; negative when the player cannot leave
inline constexpr std::size_t kJoeCountAt = 6;
inline constexpr std::size_t kPersonCountAt = 8;
inline constexpr std::size_t kPersonOffsetAt = 22;
inline constexpr std::size_t kCutsceneOffsetAt = 24;
inline constexpr std::size_t kSecondVisitOffsetAt = 26;
inline constexpr std::size_t kDataHeaderSize = 32; // the dialogue tree follows
inline constexpr std::size_t kLevelSize = 96;      // six nodes of 16 bytes
// Before each line's length byte: two bytes the engine skips, then its int16 id.
inline constexpr std::size_t kLineHeadSize = 4;
// Before the cutscene name: an int16 game state and the int16 value it is tested against.
inline constexpr std::size_t kCutsceneHeadSize = 4;
// The offsets are 16 bits, and so is the engine's read position: the data stay below this.
inline constexpr std::int64_t kDataLimit = 65536;
inline constexpr int kMaxLineLength = 255;

inline int AlignmentOf(DogPart part) {
    return part == DogPart::Joe || part == DogPart::Person ? 4 : 2;
}

// Where a string with its length byte at file position `at` ends, its padding included: a
// non-empty string is padded with zero bytes to a multiple of the part's alignment, counted
// from the data start; an empty one takes no padding.
inline std::int64_t PaddedEnd(std::int64_t at, std::int64_t length, DogPart part) {
    const std::int64_t end = at + 1 + length;
    if (length == 0) return end;
    const std::int64_t align = AlignmentOf(part);
    const std::int64_t data = end - static_cast<std::int64_t>(kBankHeaderSize);
    return end + (align - data % align) % align;
}

} // namespace quillon::dogbank
