// Feeds arbitrary bytes to the .DOG reader, then writes what it read with new messages and
// reads that back.
#include "formats/DogFormat.h"

#include "FuzzCheck.h"

#include <cstdint>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view source(reinterpret_cast<const char*>(data), size);
    const DogFormat& format = TheDogFormat();
    ReadResult read = format.Read(source, "F.DOG");
    if (!read.ok()) {
        Check(read.message.rfind("F.DOG: ", 0) == 0, "an error names the file");
        Check(read.message.find('\n') == std::string::npos, "an error is one line");
        return 0;
    }
    Check(read.message.empty(), "no message without an error");
    Document& document = read.document;

    // The input's size picks the translation: unchanged, emptied, or doubled; locked rows
    // keep their originals.
    const std::size_t mode = size % 3;
    for (int row = 1; row <= document.Count(); ++row) {
        Message& message = document.At(row);
        Check(message.locked == (message.number == 0), "the locked rows are the unnumbered");
        if (message.locked) continue;
        message.edited = mode == 0   ? message.original
                         : mode == 1 ? std::string()
                                     : message.original + message.original;
    }
    if (!format.CheckWritable(document).empty()) {
        Check(mode == 2, "only a longer translation can be unwritable");
        return 0;
    }
    format.FitForWriting(document);
    const WriteResult built = format.Write(document, source);
    Check(built.error.empty(), "a writable document builds");
    const std::string& out = built.bytes;
    if (mode == 0) {
        // The bank length is always rewritten: the reader takes the file's size, not the field.
        Check(out.size() == source.size(), "unchanged messages keep the size");
        for (std::size_t i = 0; i < out.size(); ++i)
            if (i < 8 || i > 11)
                Check(out[i] == source[i], "unchanged messages give back the source");
    }

    const ReadResult again = format.Read(out, "F.DOG");
    Check(again.ok(), "the written file reads back");
    Check(again.document.Count() == document.Count(), "as many rows as before");
    for (int row = 1; row <= document.Count(); ++row)
        Check(again.document.At(row).original == document.At(row).edited,
              "each row reads back as its new message");
    Check(out.substr(0, 8) == source.substr(0, 8) && out.substr(12, 30) == source.substr(12, 30),
          "the bank header and the dialogue header up to the offsets are copied");
    return 0;
}
