// Text files the engine reads line by line (QUEEN2.JAS, the credits): lines that end in CR LF,
// one message per line, numbered by their line. What the kinds of these files share: splitting
// the bytes, the lines the translator must leave alone, and writing the lines back.
#pragma once

#include "document/TextFormat.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// What the reader keeps of a line file, so that the writer can rebuild it.
struct LineFileLayout : FileLayout {
    int lineCount = 0;
    bool finalLineBreak = true; // the last line ends in CR LF
    long long TextStart() const override { return 0; }
};

struct LineSplit {
    std::vector<std::string_view> lines;
    bool finalLineBreak = false;
    // Why the bytes are no lines the game reads as this program shows them (a lone CR or LF,
    // a NUL), naming the line; empty when they are.
    std::string problem;
};

// Splits at every CR LF. A file that ends in CR LF has no empty line after it; an empty file
// has no lines at all. The engine also ends a line at a lone CR or LF and a NUL cuts a line
// short: such a file is refused, since its lines would not be the ones shown.
LineSplit SplitCrLfLines(std::string_view bytes);

// True when a new line holds a byte that would split it (CR, LF) or cut it short (NUL).
bool BreaksLine(std::string_view text);

// A kind of line file: each line is one message whose number is its line number. A locked line
// is shown, but its new message is its original and must stay so.
class LineFileFormat : public TextFormat {
public:
    // A locked line changed, the kind's own rule, then the cutscene rules (which also refuse
    // CR, LF and NUL), and for a kind whose lines are spoken every control code one the game
    // knows.
    std::string ProblemOf(const Message& message) const override;
    // For a kind whose lines are spoken: a control code that is not the original's at the same
    // place.
    std::string WarningOf(const Message& message) const override;
    // For a kind whose lines are spoken: text outside the control codes, spaces aside.
    bool ShowsText(std::string_view text) const override;
    // A line is written as it is: only an empty new line whose original shows no text (codes
    // alone, in a spoken kind) becomes that original.
    void FitForWriting(Document& document) const override;
    // The first line that holds CR, LF or NUL, that is locked and has changed, or that breaks
    // the kind's own rule, named by its number.
    std::string CheckWritable(const Document& document) const override;
    // The new lines joined by CR LF, with a line break after the last one when the source had
    // one (an empty new line whose original shows no text is the original); refuses a source
    // that is no longer the file the document was read from.
    WriteResult Write(const Document& document, std::string_view source) const override;

protected:
    // The document of split lines, locked as the kind says (one flag per line) and, as the
    // engine never reads it, a last line without a line break after it. Every line is a
    // numbered message; a new message starts empty, or as the original when locked.
    ReadResult FillFromLines(const LineSplit& split, const std::vector<bool>& locked) const;
    // Why a changed, non-empty new line of text would make the game misread the file, in a
    // few words; empty when it would not.
    virtual std::string KindProblem(std::string_view newLine) const = 0;
    // True when the game speaks the lines, reading each "*" as a control code.
    virtual bool SpokenLines() const = 0;
};

} // namespace quillon
