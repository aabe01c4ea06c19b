// New messages given to a whole document at once, and a source read, given them and written back
// as the editor writes it.
#pragma once

#include "document/TextFormat.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon::test {

// Row n gets news[n - 1] as its new message, or its original when news is empty.
inline Document& SetNews(Document& document, const std::vector<std::string>& news = {}) {
    for (int row = 1; row <= document.Count(); ++row) {
        Message& m = document.At(row);
        m.edited = news.empty() ? m.original : news.at(static_cast<std::size_t>(row - 1));
    }
    return document;
}

// The source as format reads it, given these new messages padded as the editor pads them, and
// written onto the source, or onto other bytes when given; no check runs first.
inline WriteResult Rewrite(const TextFormat& format, const std::string& source,
                           const std::vector<std::string>& news = {},
                           const std::string* onto = nullptr) {
    ReadResult read = format.Read(source, "X");
    EXPECT_TRUE(read.ok()) << read.message;
    format.FitForWriting(SetNews(read.document, news));
    return format.Write(read.document, onto ? *onto : source);
}

} // namespace quillon::test
