// A game text file as the editor holds it: its messages in file order, each with its original
// and new bytes and what is known of it. Counts and sizes are computed from the messages.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class TextFormat;

struct Message {
    std::string original; // the bytes as the file holds them
    std::string edited;   // the new message
    int number = 0;       // the number the translator sees; 0 for an entry that is no message
    bool invalid = false; // the new message breaks a rule of its kind (see Document::Validate)
    std::string problem;  // which rule, for the translator; empty when it breaks none
    // What the game does differently with a valid new message than with its original (another
    // animation code), for the translator; empty when nothing
    std::string warning;
    bool locked = false; // a line the translator must not change
};

// What a format keeps of the file it read, so that its writer can rebuild the file.
struct FileLayout {
    virtual ~FileLayout() = default;
    // Where in the file the messages start: the editor's progress bar passes it.
    virtual long long TextStart() const = 0;
};

struct DocumentCounts {
    int blank = 0;
    int invalid = 0;
    int filled = 0; // numbered rows whose new message holds bytes and is not blank
    long long originalBytes = 0;
    long long editedBytes = 0;
};

class Document {
public:
    // The kind of file it was read from; every rule of a message is asked of it.
    const TextFormat* format = nullptr;
    std::shared_ptr<const FileLayout> layout;

    // Rows are numbered from 1 in file order.
    int Count() const { return static_cast<int>(messages_.size()); }
    bool HasRow(int row) const { return row >= 1 && row <= Count(); }
    const Message& At(int row) const { return messages_.at(static_cast<std::size_t>(row - 1)); }
    Message& At(int row) { return messages_.at(static_cast<std::size_t>(row - 1)); }
    const std::vector<Message>& Messages() const { return messages_; }

    // Appends a message just read; its number must follow the last one given (or be 0).
    void Append(Message message);
    void Clear();

    // Numbered messages run from 1 to NumberedCount in file order.
    int NumberedCount() const { return static_cast<int>(rowOfNumber_.size()); }
    // The row of a message number; 0 when no message has it.
    int RowOfNumber(int number) const;
    // The row's number as the translator sees it: the message's number, or for an entry that
    // is no message its own bytes.
    std::string Label(int row) const;
    // Of the rows up to this one, how many hold any bytes: the entry's place among them.
    int EntryNumber(int row) const { return entryNumber_.at(static_cast<std::size_t>(row - 1)); }

    // Whether the game shows any text of these bytes, as the format reads them (a spoken kind
    // shows nothing of its control codes and spaces); without a format, whether there are any.
    bool ShowsText(std::string_view text) const;
    // The original shows text and the new message shows none: the game would show nothing
    // where it showed words.
    bool IsBlank(const Message& message) const {
        return ShowsText(message.original) && !ShowsText(message.edited);
    }

    DocumentCounts Counts() const;
    // The labels of the invalid (or blank, or warned) rows, joined by ", ".
    std::string InvalidList() const;
    std::string BlankList() const;
    std::string WarningList() const;

    // Checks a row's new message with its format's rules and stores the verdict: why it is
    // invalid, or else what the format warns of it.
    bool Validate(int row);
    void ValidateAll();

private:
    std::vector<Message> messages_;
    std::vector<int> rowOfNumber_; // index number - 1
    std::vector<int> entryNumber_; // index row - 1
};

} // namespace quillon
