// The document's numbering, labels, counts and the table's columns drawn from it.
#include "document/TableColumns.h"
#include "formats/CutFormat.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

std::string Joined(const Document& document, int col) {
    std::string joined;
    for (int row = 1; row <= document.Count(); ++row)
        joined += (row > 1 ? "|" : "") + ColumnText(document, row, static_cast<Column>(col));
    return joined;
}

TEST(Document, NumbersRealMessagesOnlyButCountsEveryRow) {
    Document document;
    document.format = &TheCutFormat();
    FillDocument(document, {{"", 0}, {"Hello", 5}, {"x", 1}, {"abc", 3}, {"", 0}});
    std::string columns; // a one-byte message starts translated
    for (int col = 0; col < kColumnCount; ++col)
        columns += Joined(document, col) + "\n";
    EXPECT_EQ(columns, "|1|x|2|\n1|2|3|4|5\n1|1|1|1|1\n1|2|3|4|5\n|1|2|3|\n|Hello|x|abc|\n||x||\n"
                       "0|5|1|3|0\n0|0|1|0|0\n0|0|0|0|0\n0|0|0|0|0\n0|0|0|0|0\n0|0|0|0|0\n");
    EXPECT_EQ(document.NumberedCount(), 2);
    EXPECT_EQ(document.RowOfNumber(2), 4);
    EXPECT_EQ(document.RowOfNumber(3), 0);
    // (The counts and lists of blank and invalid messages are the editor's counters, checked
    // in its tests.)
}

} // namespace
} // namespace quillon
