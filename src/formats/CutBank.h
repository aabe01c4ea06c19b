// The fixed places of a cutscene bank, shared by the reader and the writer.
#pragma once

#include <cstddef>
#include <string_view>

namespace quillon::cutbank {

inline constexpr std::string_view kMagic = "AmBk";
inline constexpr std::size_t kLengthOffset = 8; // flags (top four bits) and the bank length
// The bank length counts the bytes after the name's first four: the file size less 12.
inline constexpr std::size_t kLengthBase = 12;
inline constexpr std::string_view kBankName = "Datas   ";
inline constexpr std::size_t kBankNameOffset = 12;
inline constexpr std::size_t kBankHeaderSize = 20; // offsets in the data count from here
inline constexpr std::size_t kTextStartOffset = 28;
inline constexpr std::size_t kTextEndOffset = 30;
inline constexpr std::size_t kDataHeaderEnd = 32;
inline constexpr int kMinTextStart = 12; // the data header ahead of the text block

} // namespace quillon::cutbank
