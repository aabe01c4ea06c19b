// The memory bank header both readers of AMOS banks check first.
#include "formats/BankHeader.h"

#include "formats/CutBank.h"

namespace quillon {

namespace {

// Compares what the file holds of an expected text; a short file is not a mismatch.
bool PresentBytesMatch(std::string_view bytes, std::size_t offset, std::string_view expected) {
    for (std::size_t i = 0; i < expected.size() && offset + i < bytes.size(); ++i)
        if (bytes[offset + i] != expected[i]) return false;
    return true;
}

} // namespace

BankHeaderProblem CheckBankHeader(std::string_view bytes, std::string_view kind) {
    using namespace cutbank;
    if (!PresentBytesMatch(bytes, 0, kMagic))
        return {ReadFailure::Foreign,
                "the file is not an AMOS memory bank (it does not start with \"AmBk\")."};
    if (!PresentBytesMatch(bytes, kBankNameOffset, kBankName))
        return {ReadFailure::Foreign, "the memory bank is not a " + std::string(kind) +
                                          " bank (its name is not \"Datas\")."};
    if (bytes.size() < kBankHeaderSize)
        return {ReadFailure::Broken, "the file ends inside the memory bank header."};
    return {};
}

} // namespace quillon
