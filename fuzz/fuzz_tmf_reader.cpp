// Feeds arbitrary bytes to the .TMF reader, applies them, and checks the file round trip.
#include "formats/CutFormat.h"
#include "work/Tmf.h"

#include "FuzzCheck.h"

#include <cstdint>

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TmfParseResult parsed = ParseTmf(bytes, "F.tmf");
    Check(parsed.error.empty() == (size > 0), "only an empty file is refused");
    if (!parsed.error.empty()) return 0;

    std::vector<CutEntry> entries;
    for (const char* text : {"", "Hello*01", "5", "World", "a", "ab", "Third*02 line", "", "7",
                             "Fourth", "x*01y*02z", "Last one"})
        entries.push_back({text, 0});
    Document table;
    FillDocument(table, entries);
    ApplyTmfLines(table, parsed.lines);

    const TmfBuildResult file = BuildTmf("C12.CUT", table, TmfContent::NewMessages);
    Check(file.error.empty(), "a table always gives a file");
    const TmfParseResult back = ParseTmf(file.bytes);
    Check(back.error.empty() && back.headerName == "C12.CUT", "the header comes back");

    std::size_t line = 0;
    for (int row = 1; row <= table.Count(); ++row) {
        const Message& message = table.At(row);
        // Written: every message that is not empty; left out: the one-byte entries.
        if (message.edited.empty() || (message.edited.size() == 1 && message.number == 0)) continue;
        Check(line < back.lines.size(), "one line per written row");
        const TmfLine& l = back.lines[line++];
        Check(l.text == message.edited, "the new message comes back");
        Check(l.number == message.number, "the number comes back");
    }
    Check(line == back.lines.size(), "no extra lines");
    return 0;
}
