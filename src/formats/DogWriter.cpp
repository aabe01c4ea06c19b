// Writes a .DOG file: every string at its new place with its padding, and the three offsets and
// the bank length after what moved.
#include "formats/DogBank.h"
#include "formats/DogFormat.h"
#include "text/ControlCodes.h"
#include "text/Validity.h"

namespace quillon {

namespace {

using namespace dogbank;
using cutbank::kLengthBase;
using cutbank::kLengthOffset;

const DogLayout& LayoutOf(const Document& document) {
    static const DogLayout none;
    const auto* layout = dynamic_cast<const DogLayout*>(document.layout.get());
    return layout ? *layout : none;
}

// Every string but the cutscene name is a row: the rows are the layout's.
bool RowsMatch(const Document& document, const DogLayout& layout) {
    return !layout.slots.empty() &&
           static_cast<std::size_t>(document.Count()) + 1 == layout.slots.size();
}

std::string Describe(const Document& document, int row) {
    if (document.At(row).number != 0)
        return "Message " + document.Label(row) + " (row " + std::to_string(row) + ")";
    return "The line of row " + std::to_string(row);
}

// How far each string moves when the strings take new lengths. The bytes between two strings
// are copied as they are, so they move by what the strings before them grew, padding included.
struct Moves {
    std::vector<std::int64_t> shiftAfter; // per slot: how far the bytes after it move
    std::int64_t fileSize = 0;

    // How far a position of the source moves that lies between two strings or at a string's
    // length byte: by the shift of the last string that ends by it.
    std::int64_t ShiftAt(const DogLayout& layout, std::int64_t position) const {
        std::int64_t shift = 0;
        for (std::size_t i = 0; i < layout.slots.size(); ++i) {
            const DogSlot& slot = layout.slots[i];
            if (PaddedEnd(slot.at, slot.length, slot.section) > position) break;
            shift = shiftAfter[i];
        }
        return shift;
    }
};

// The moves for the document's new messages; the cutscene name keeps its length.
Moves Place(const Document& document, const DogLayout& layout) {
    Moves moves;
    std::int64_t shift = 0;
    int row = 0;
    for (const DogSlot& slot : layout.slots) {
        const std::int64_t length =
            slot.section == DogSection::Cutscene
                ? slot.length
                : static_cast<std::int64_t>(TheDogFormat().NewBytes(document.At(++row)).size());
        shift = PaddedEnd(slot.at + shift, length, slot.section) -
                PaddedEnd(slot.at, slot.length, slot.section);
        moves.shiftAfter.push_back(shift);
    }
    moves.fileSize = layout.FileSize + shift;
    return moves;
}

void PutWord(std::string& out, std::size_t at, std::int64_t value) {
    out[at] = static_cast<char>((value >> 8) & 0xFF);
    out[at + 1] = static_cast<char>(value & 0xFF);
}

} // namespace

std::string DogFormat::ProblemOf(const Message& message) const {
    if (message.locked)
        return message.edited == message.original ? std::string()
                                                  : "a locked line must stay as it is";
    if (message.edited.size() > static_cast<std::size_t>(kMaxLineLength))
        return std::to_string(message.edited.size()) + " bytes; a dialogue line holds at most 255";
    if (message.edited == "0") return "a line of just 0 is taken for no line at all";
    return SpokenMessageProblem(message.edited, message.original);
}

std::string DogFormat::WarningOf(const Message& message) const {
    return CodeChangeWarning(message.edited, message.original);
}

bool DogFormat::ShowsText(std::string_view text) const {
    return HasTextOutsideCodes(text);
}

void DogFormat::FitForWriting(Document& document) const {
    for (int row = 1; row <= document.Count(); ++row) {
        Message& message = document.At(row);
        if (message.edited.empty()) message.edited = NewBytes(message);
    }
}

std::string DogFormat::CheckWritable(const Document& document) const {
    const DogLayout& layout = LayoutOf(document);
    if (!RowsMatch(document, layout))
        return "The rows are not those of the dialogue file that was read.";
    for (int row = 1; row <= document.Count(); ++row) {
        const Message& message = document.At(row);
        if (message.edited.size() > static_cast<std::size_t>(kMaxLineLength))
            return Describe(document, row) + " is " + std::to_string(message.edited.size()) +
                   " bytes long; a dialogue line holds at most 255 bytes.";
        if (message.locked && message.edited != message.original)
            return Describe(document, row) + " is locked and must stay as it is.";
    }
    const std::int64_t data =
        Place(document, layout).fileSize - static_cast<std::int64_t>(kBankHeaderSize);
    if (data >= kDataLimit)
        return "The new file would hold " + std::to_string(data) +
               " bytes of data; the 16-bit offsets of a dialogue file reach 65535 at most.";
    return {};
}

WriteResult DogFormat::Write(const Document& document, std::string_view source) const {
    WriteResult result;
    const auto fail = [&result](const std::string& what) {
        result.error = "The source file no longer matches the file that was read: " + what;
        return result;
    };
    const DogLayout& layout = LayoutOf(document);

    const DogReadResult parsed = ParseDogBytes(source, "the source");
    if (!parsed.ok()) return fail("it is no longer a dialogue file that can be read.");
    const DogLayout& found = parsed.layout;
    bool same = found.FileSize == layout.FileSize && found.BankFlags == layout.BankFlags &&
                found.JoeLines == layout.JoeLines && found.PersonLines == layout.PersonLines &&
                found.slots.size() == layout.slots.size();
    for (std::size_t i = 0; same && i < found.slots.size(); ++i)
        same = found.slots[i].section == layout.slots[i].section &&
               found.slots[i].at == layout.slots[i].at &&
               found.slots[i].length == layout.slots[i].length;
    if (!same) return fail("its strings lie elsewhere or its size has changed.");
    if (std::string problem = CheckWritable(document); !problem.empty()) {
        result.error = std::move(problem);
        return result;
    }
    int row = 0;
    for (std::size_t i = 0; i < found.slots.size(); ++i)
        if (found.slots[i].section != DogSection::Cutscene &&
            parsed.texts[i] != document.At(++row).original)
            return fail("the line of row " + std::to_string(row) + " has changed.");

    const Moves moves = Place(document, layout);
    std::string& out = result.bytes;
    out.reserve(static_cast<std::size_t>(moves.fileSize));
    std::int64_t copied = 0; // the source is taken over up to here
    row = 0;
    for (std::size_t i = 0; i < found.slots.size(); ++i) {
        const DogSlot& slot = found.slots[i];
        out.append(source.substr(static_cast<std::size_t>(copied),
                                 static_cast<std::size_t>(slot.at - copied)));
        const std::string_view text =
            slot.section == DogSection::Cutscene ? parsed.texts[i] : NewBytes(document.At(++row));
        const auto at = static_cast<std::int64_t>(out.size());
        out.push_back(static_cast<char>(text.size()));
        out.append(text);
        const std::int64_t end =
            PaddedEnd(at, static_cast<std::int64_t>(text.size()), slot.section);
        out.resize(static_cast<std::size_t>(end), '\0');
        copied = PaddedEnd(slot.at, slot.length, slot.section);
    }
    out.append(source.substr(static_cast<std::size_t>(copied)));

    // Every string after a change has moved, and with it what the three offsets point at.
    const auto base = static_cast<std::int64_t>(kBankHeaderSize);
    for (const std::size_t field : {kPersonOffsetAt, kCutsceneOffsetAt, kSecondVisitOffsetAt}) {
        const std::size_t at = kBankHeaderSize + field;
        const std::int64_t target = base + static_cast<unsigned char>(source[at]) * 256 +
                                    static_cast<unsigned char>(source[at + 1]);
        PutWord(out, at, target + moves.ShiftAt(layout, target) - base);
    }
    const auto bankLength = static_cast<std::int64_t>(out.size() - kLengthBase);
    out[kLengthOffset] = static_cast<char>(layout.BankFlags * 16 + ((bankLength >> 24) & 0x0F));
    out[kLengthOffset + 1] = static_cast<char>((bankLength >> 16) & 0xFF);
    PutWord(out, kLengthOffset + 2, bankLength);
    return result;
}

} // namespace quillon
