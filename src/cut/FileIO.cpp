// PLACEHOLDER: replaced by the real implementation.
#include "cut/FileIO.h"
namespace quillon {
FileReadResult ReadWholeFile(const std::filesystem::path&) { return {}; }
std::string WriteFileAtomically(const std::filesystem::path&, std::string_view) { return {}; }
std::string FinishUpdateInPlace(const std::filesystem::path&) { return {}; }
}
