// The memory bank header that cutscene and dialogue files share: "AmBk", the bank number,
// flags and length, and the name "Datas   ".
#pragma once

#include "document/TextFormat.h"

#include <string>
#include <string_view>

namespace quillon {

struct BankHeaderProblem {
    ReadFailure failure = ReadFailure::None;
    std::string what; // empty when the header is whole
};

// Why bytes do not start with a whole bank header, a reader of kind ("cutscene", "dialogue")
// speaking: Foreign for another file, Broken for one cut short inside the header.
BankHeaderProblem CheckBankHeader(std::string_view bytes, std::string_view kind);

} // namespace quillon
