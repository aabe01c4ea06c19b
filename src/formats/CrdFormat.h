// The credits (CREDIT1.CRD, CREDIT2.CRD): CR LF lines that are either a directive (a line that
// starts with ".": justify, size, pause, colour, screen zone), the end of the credits (a line
// that starts with "EN"), or text shown on screen.
#pragma once

#include "formats/LineFile.h"

namespace quillon {

class CrdFormat : public LineFileFormat {
public:
    std::string_view NamePattern() const override { return "*.CRD"; }
    std::string_view KindName() const override { return "credits file"; }
    std::string_view DialogFilter() const override {
        return "Flight of the Amazon Queen credits (*.CRD)|*.crd";
    }
    // Any lines. Locked: the directives, the line that ends the credits and every line after
    // it. The released files end in "END" without a line break, which is kept.
    ReadResult Read(std::string_view bytes, const std::string& displayName) const override;

protected:
    // A line of text that would start with "." or "EN": the engine would read a directive or
    // the end of the credits.
    std::string KindProblem(std::string_view newLine) const override;
    // The credits are shown, not spoken: the game reads no control code in them.
    bool SpokenLines() const override { return false; }
};

const CrdFormat& TheCrdFormat();

} // namespace quillon
