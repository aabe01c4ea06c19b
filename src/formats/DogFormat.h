// Dialogue files (.DOG): an AMOS memory bank "AmBk" named "Datas   " whose data hold a fixed
// header, the dialogue tree, Joe's lines, the other person's lines, a cutscene to run after the
// talk and the pair of lines for a second visit. Everything here is bytes; nothing is shown.
#pragma once

#include "document/TextFormat.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Which section of the file a string belongs to; the padding after it follows from the section.
enum class DogSection {
    Joe,        // Joe's lines: id entries padded to 4 from the data start
    Person,     // the person's lines: the same form
    Cutscene,   // the name of the cutscene after the talk, padded to 2; never a row
    SecondVisit // the person's greeting and Joe's reply on a second visit, each padded to 2
};

// One string as the file holds it.
struct DogSlot {
    DogSection section = DogSection::Joe;
    std::int64_t at = 0; // file position of its length byte
    int length = 0;      // its length byte
};

// Where the reader found things, kept so the writer can rebuild the file and the checks can
// size it without the source.
struct DogLayout : FileLayout {
    int BankFlags = 0;          // top four bits of byte 8, 0 to 15
    std::int64_t FileSize = 0;  // size of the file that was read
    int JoeLines = 0;           // rows 1 to JoeLines are Joe's
    int PersonLines = 0;        // then the person's; the last two rows are the pair
    bool OpensWithJoe = false;  // Joe's first line has id 0: he says it as the talk opens
    std::vector<DogSlot> slots; // every string in file order, the cutscene name included
    long long TextStart() const override { return slots.empty() ? 0 : slots.front().at; }
};

struct DogReadResult {
    ReadFailure failure = ReadFailure::None;
    std::string message; // one line naming the file and what is wrong; empty when ok
    DogLayout layout;
    std::vector<std::string> texts; // one per slot, in file order
    bool ok() const { return failure == ReadFailure::None; }
};

// Parses a whole file held in memory; displayName is used in error messages.
DogReadResult ParseDogBytes(std::string_view bytes, const std::string& displayName);

class DogFormat : public TextFormat {
public:
    std::string_view NamePattern() const override { return "*.DOG"; }
    std::string_view KindName() const override { return "Dialogue file"; }
    std::string_view DialogFilter() const override {
        return "Flight of the Amazon Queen Dialogue files (*.DOG)|*.dog";
    }
    // Every string but the cutscene name is a row in file order. A string that is "0" (none)
    // or empty is a locked row with number 0 whose new message starts as the original; the
    // others are messages numbered from 1.
    ReadResult Read(std::string_view bytes, const std::string& displayName) const override;
    // The rules of a spoken message, and: a locked row changed, more than 255 bytes, a line of
    // just "0".
    std::string ProblemOf(const Message& message) const override;
    // A control code that is not the original's at the same place.
    std::string WarningOf(const Message& message) const override;
    // Text outside the control codes, spaces aside.
    bool ShowsText(std::string_view text) const override;
    // For a line of Joe's that the choice menu offers and that holds a "*": what the menu
    // shows, of the new message or, while that is empty, of the original.
    std::string NoteOf(const Document& document, int row) const override;
    // Joe's lines are offered in the choice menu and then spoken, but the one he says as the
    // talk opens; the person's lines and the pair of a second visit are spoken. Locked rows
    // ("0", empty) are not text.
    ShownAs ShownAsOf(const Document& document, int row) const override;
    // The engine reads the strings whole, and the padding is the writer's: only an empty new
    // message whose original is codes alone becomes that original.
    void FitForWriting(Document& document) const override;
    // A message over 255 bytes, a locked row changed, data of 64 KiB or more, rows that are not
    // those of the layout.
    std::string CheckWritable(const Document& document) const override;
    // Copies every byte outside the strings from the source and recomputes the padding, the
    // three offsets and the bank length (an empty new message whose original is codes alone
    // is written as that original); refuses a source that no longer matches the layout.
    WriteResult Write(const Document& document, std::string_view source) const override;
};

const DogFormat& TheDogFormat();

} // namespace quillon
