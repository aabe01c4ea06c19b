// Feeds arbitrary bytes to the .CUT reader, then writes what it read and reads that back.
#include "formats/CutFormat.h"

#include "FuzzCheck.h"

#include <cstdint>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view source(reinterpret_cast<const char*>(data), size);
    const CutReadResult read = ParseCutBytes(source, "F.CUT");
    if (!read.ok()) {
        Check(read.message.rfind("F.CUT: ", 0) == 0, "an error names the file");
        Check(read.message.find('\n') == std::string::npos, "an error is one line");
        return 0;
    }
    Check(read.message.empty(), "no message without an error");

    const CutFormat& format = TheCutFormat();
    ReadResult opened = format.Read(source, "F.CUT");
    Check(opened.ok(), "the format reads what the parser reads");
    Document& document = opened.document;
    Check(document.Count() == static_cast<int>(read.entries.size()), "one row per entry");
    // The input's size picks the translation: unchanged, emptied, or doubled.
    const std::size_t mode = size % 3;
    bool trimmed = false;
    for (int row = 1; row <= document.Count(); ++row) {
        Message& message = document.At(row);
        trimmed = trimmed || static_cast<int>(message.original.size()) !=
                                 read.entries[static_cast<std::size_t>(row - 1)].storedLength;
        message.edited = mode == 0   ? message.original
                         : mode == 1 ? std::string()
                                     : message.original + message.original;
    }
    if (!format.CheckWritable(document).empty()) return 0;
    format.FitForWriting(document);
    const WriteResult built = format.Write(document, source);
    Check(built.error.empty(), "a writable document builds");
    const std::string& out = built.bytes;
    long long block = 0;
    for (const Message& message : document.Messages())
        block += 1 + static_cast<long long>(message.edited.size());
    const long long newEnd = read.layout.TextStartPosition - 20 + block;
    const CutReadResult again = ParseCutBytes(out, "F.CUT");
    if (newEnd + 20 > 32767) {
        // Writable, but beyond what the reader accepts: it must say so, not misread it.
        Check(again.failure == ReadFailure::Broken, "an end past 32747 is refused");
        return 0;
    }
    Check(again.ok(), "the written file reads back");
    Check(again.entries.size() == read.entries.size(), "as many entries as before");
    Check(again.layout.BankFlags == read.layout.BankFlags, "the flags are kept");
    for (int row = 1; row <= document.Count(); ++row)
        Check(again.entries[static_cast<std::size_t>(row - 1)].storedLength ==
                  static_cast<int>(document.At(row).edited.size()),
              "each length byte is the padded new length");
    Check(out.substr(0, 8) == source.substr(0, 8) && out.substr(12, 18) == source.substr(12, 18),
          "the header is copied");

    if (mode == 0 && !trimmed) {
        Check(out.size() == source.size(), "unchanged messages keep the size");
        for (std::size_t i = 0; i < out.size(); ++i)
            if ((i < 8 || i > 11) && i != 30 && i != 31)
                Check(out[i] == source[i], "unchanged messages give back the source");
    }
    return 0;
}
