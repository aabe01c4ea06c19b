// The names of catalogue entries read back, and the control codes spelled out for translators.
#include "po/Catalogue.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

TEST(Catalogue, ContextsReadBackAsTheFileAndNumberTheyName) {
    EXPECT_EQ(ContextOf("C1.CUT", 12), "C1.CUT:12");
    // The context, and the file and number it names ("" when it names none).
    const std::tuple<const char*, const char*, int> cases[] = {
        {"C1.CUT:12", "C1.CUT", 12},
        {"QUEEN2.JAS:1427", "QUEEN2.JAS", 1427},
        {"A:B.DOG:3", "A:B.DOG", 3}, // the number follows the last colon
        {"C1.CUT", "", 0},
        {":5", "", 0},
        {"C1.CUT:", "", 0},
        {"C1.CUT:0", "", 0},
        {"C1.CUT:-4", "", 0},
        {"C1.CUT: 4", "", 0},
        {"C1.CUT:4a", "", 0},
        {"C1.CUT:99999999999", "", 0}, // beyond an int: no number at all
    };
    for (const auto& [context, file, number] : cases) {
        const std::optional<ContextName> name = ParseContext(context);
        EXPECT_EQ(name ? name->fileName : "", file) << context;
        EXPECT_EQ(name ? name->number : 0, number) << context;
    }
}

TEST(Catalogue, ControlCodesAreSpelledOutOnceEachInTheirOrder) {
    const std::pair<const char*, const char*> cases[] = {
        {"No codes.", ""},
        {"Well.*00*WT", "*00 = speech animation 0, *WT = pause"},
        {"*FLLeft*14 and *14 again*FB", "*FL = face left, *14 = speech animation 14, "
                                        "*FB = face back"},
        {"*XY12(100,050)There.", "*XY12(100,050) = a position the engine reads"},
        {"*GDHere*GM*AO", "*GD = Joe grabs low, *GM = Joe grabs at middle height, "
                          "*AO = the speaker's own animation"},
        {"*0T", "*0T = a code the engine does not know"},
    };
    for (const auto& [original, notes] : cases)
        EXPECT_EQ(CodeNotes(original), notes) << original;
}

} // namespace
} // namespace quillon
