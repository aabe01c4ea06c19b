// Reads a .DOG file: checks the bank header, walks Joe's lines, the person's lines, the
// cutscene name and the second-visit pair where the header's offsets say they lie, and makes
// every string but the cutscene name a row.
#include "formats/BankHeader.h"
#include "formats/DogBank.h"
#include "formats/DogFormat.h"

#include <cstdlib>

namespace quillon {

namespace {

using namespace dogbank;
using cutbank::kBankName;
using cutbank::kBankNameOffset;
using cutbank::kLengthOffset;
using cutbank::kMagic;

unsigned Byte(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

unsigned Word(std::string_view bytes, std::size_t at) {
    return Byte(bytes, at) * 256 + Byte(bytes, at + 1);
}

int SignedWord(std::string_view bytes, std::size_t at) {
    const unsigned word = Word(bytes, at);
    return word >= 0x8000 ? static_cast<int>(word) - 0x10000 : static_cast<int>(word);
}

// "Joe's line 3", "the cutscene name": a string as the error messages name it.
std::string Named(DogSection section, int index) {
    switch (section) {
    case DogSection::Joe:
        return "Joe's line " + std::to_string(index);
    case DogSection::Person:
        return "the person's line " + std::to_string(index);
    case DogSection::Cutscene:
        return "the cutscene name";
    case DogSection::SecondVisit:
        return index == 1 ? "the second-visit greeting" : "Joe's second-visit reply";
    }
    return {};
}

// Walks a bank whose header has been checked; stops at the first fault.
class Walk {
public:
    Walk(std::string_view bytes, DogReadResult& result) : bytes_(bytes), result_(result) {}

    // Reads one string whose length byte lies at `at`; false (the reason kept) when the file
    // ends inside it or its padding is not zero bytes.
    bool String(DogSection section, int index, std::int64_t at) {
        const auto size = static_cast<std::int64_t>(bytes_.size());
        if (at >= size) return Fail("the file ends inside " + Named(section, index) + ".");
        const int length = static_cast<int>(Byte(bytes_, static_cast<std::size_t>(at)));
        const std::int64_t end = PaddedEnd(at, length, section);
        if (end > size) return Fail("the file ends inside " + Named(section, index) + ".");
        for (std::int64_t i = at + 1 + length; i < end; ++i)
            if (bytes_[static_cast<std::size_t>(i)] != '\0')
                return Fail("the padding after " + Named(section, index) + " is not zero bytes.");
        result_.layout.slots.push_back({section, at, length});
        result_.texts.emplace_back(
            bytes_.substr(static_cast<std::size_t>(at) + 1, static_cast<std::size_t>(length)));
        position_ = end;
        return true;
    }

    // Reads count lines of Joe's or the person's from `from`; they must end by `limit`, where
    // the next section starts.
    bool Lines(DogSection section, int count, std::int64_t from, std::int64_t limit,
               const std::string& next) {
        position_ = from;
        for (int index = 1; index <= count && position_ <= limit; ++index)
            if (!String(section, index, position_ + static_cast<std::int64_t>(kLineHeadSize)))
                return false;
        return Ends(section == DogSection::Joe ? "Joe's lines run" : "the person's lines run", next,
                    limit);
    }

    // Checks that what was read last ends by `limit`, where the next section starts; `overrun`
    // says what ran past it ("Joe's lines run").
    bool Ends(const std::string& overrun, const std::string& next, std::int64_t limit) {
        if (position_ <= limit) return true;
        return Fail(overrun + " past the start of " + next + " (offset " +
                    std::to_string(limit - static_cast<std::int64_t>(kBankHeaderSize)) + ").");
    }

    bool Fail(const std::string& what) {
        result_.failure = ReadFailure::Broken;
        result_.message = what;
        return false;
    }

    std::int64_t Position() const { return position_; }

private:
    std::string_view bytes_;
    DogReadResult& result_;
    std::int64_t position_ = 0;
};

DogReadResult Fail(ReadFailure failure, const std::string& name, const std::string& what) {
    DogReadResult result;
    result.failure = failure;
    result.message = name + ": " + what;
    return result;
}

} // namespace

DogReadResult ParseDogBytes(std::string_view bytes, const std::string& displayName) {
    if (const BankHeaderProblem header = CheckBankHeader(bytes, "dialogue");
        header.failure != ReadFailure::None)
        return Fail(header.failure, displayName, header.what);
    if (bytes.size() < kBankHeaderSize + kDataHeaderSize)
        return Fail(ReadFailure::Broken, displayName, "the file ends inside the dialogue header.");
    const auto size = static_cast<std::int64_t>(bytes.size());
    const std::int64_t dataSize = size - static_cast<std::int64_t>(kBankHeaderSize);
    if (dataSize >= kDataLimit)
        return Fail(ReadFailure::Broken, displayName,
                    "its data take " + std::to_string(dataSize) +
                        " bytes; the 16-bit offsets of a dialogue file reach 65535 at most.");

    const std::string_view data = bytes.substr(kBankHeaderSize);
    const int joeCount = SignedWord(data, kJoeCountAt);
    const int personCount = SignedWord(data, kPersonCountAt);
    if (joeCount < 0 || personCount < 0)
        return Fail(ReadFailure::Broken, displayName,
                    "it counts " + std::to_string(joeCount < 0 ? joeCount : personCount) +
                        (joeCount < 0 ? " lines of Joe's." : " lines of the person's."));
    const std::int64_t levels = std::abs(SignedWord(data, kLevelsAt));
    const auto base = static_cast<std::int64_t>(kBankHeaderSize);
    const std::int64_t joeStart =
        base + static_cast<std::int64_t>(kDataHeaderSize + kLevelSize * levels);
    if (joeStart > size)
        return Fail(ReadFailure::Broken, displayName,
                    "the file ends inside the dialogue tree of " + std::to_string(levels) +
                        " levels.");
    const std::int64_t personStart = base + Word(data, kPersonOffsetAt);
    const std::int64_t cutsceneStart = base + Word(data, kCutsceneOffsetAt);
    const std::int64_t secondVisitStart = base + Word(data, kSecondVisitOffsetAt);
    for (const auto& [start, what] : {std::pair{personStart, "the person's lines"},
                                      std::pair{cutsceneStart, "the cutscene block"},
                                      std::pair{secondVisitStart, "the second-visit lines"}})
        if (start > size)
            return Fail(ReadFailure::Broken, displayName,
                        std::string("the offset of ") + what + " (" + std::to_string(start - base) +
                            ") lies past the end of the file.");

    DogReadResult result;
    DogLayout& layout = result.layout;
    layout.BankFlags = static_cast<int>(Byte(bytes, kLengthOffset) / 16);
    layout.FileSize = size;
    layout.JoeLines = joeCount;
    layout.PersonLines = personCount;
    layout.OpensWithJoe = joeCount > 0 && joeStart + 4 <= size &&
                          Word(bytes, static_cast<std::size_t>(joeStart) + 2) == 0;

    Walk walk(bytes, result);
    const bool read =
        walk.Lines(DogSection::Joe, joeCount, joeStart, personStart, "the person's lines") &&
        walk.Lines(DogSection::Person, personCount, personStart, cutsceneStart,
                   "the cutscene block") &&
        walk.String(DogSection::Cutscene, 1,
                    cutsceneStart + static_cast<std::int64_t>(kCutsceneHeadSize)) &&
        walk.Ends("the cutscene name runs", "the second-visit lines", secondVisitStart) &&
        walk.String(DogSection::SecondVisit, 1, secondVisitStart) &&
        walk.String(DogSection::SecondVisit, 2, walk.Position());
    if (!read) return Fail(ReadFailure::Broken, displayName, result.message);
    return result;
}

ReadResult DogFormat::Read(std::string_view bytes, const std::string& displayName) const {
    DogReadResult parsed = ParseDogBytes(bytes, displayName);
    ReadResult result;
    result.failure = parsed.failure;
    result.message = std::move(parsed.message);
    if (!parsed.ok()) return result;
    result.document.format = this;
    int numbered = 0;
    for (std::size_t i = 0; i < parsed.texts.size(); ++i) {
        if (parsed.layout.slots[i].section == DogSection::Cutscene) continue;
        Message message;
        message.original = std::move(parsed.texts[i]);
        if (message.original.empty() || message.original == "0") {
            message.locked = true;
            message.edited = message.original;
        } else {
            message.number = ++numbered;
        }
        result.document.Append(std::move(message));
    }
    result.document.layout = std::make_shared<DogLayout>(std::move(parsed.layout));
    return result;
}

std::string DogFormat::NoteOf(const Document& document, int row) const {
    const auto* layout = dynamic_cast<const DogLayout*>(document.layout.get());
    if (layout == nullptr || !document.HasRow(row) || row > layout->JoeLines) return {};
    if (row == 1 && layout->OpensWithJoe) return {}; // spoken as the talk opens, never offered
    const Message& message = document.At(row);
    const std::string& text = message.edited.empty() ? message.original : message.edited;
    const std::size_t star = text.find('*');
    if (star == std::string::npos) return {};
    return "In the choice menu: " + text.substr(0, star);
}

ShownAs DogFormat::ShownAsOf(const Document& document, int row) const {
    const auto* layout = dynamic_cast<const DogLayout*>(document.layout.get());
    if (layout == nullptr || !document.HasRow(row) || document.At(row).locked)
        return ShownAs::Nothing;
    if (row > layout->JoeLines || (row == 1 && layout->OpensWithJoe)) return ShownAs::Speech;
    return ShownAs::Option;
}

const DogFormat& TheDogFormat() {
    static const DogFormat format;
    return format;
}

} // namespace quillon
