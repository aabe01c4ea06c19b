// The document's numbering, counts and validation.
#include "document/Document.h"

#include "document/TextFormat.h"

#include <charconv>

namespace quillon {

namespace {

// The invalid list is rebuilt on every keystroke, for up to ten thousand messages: the
// numbers go straight into the list, with no string made per message.
template <typename Passes> std::string JoinedLabels(const Document& document, Passes passes) {
    std::string list;
    for (const Message& message : document.Messages()) {
        if (!passes(message)) continue;
        if (!list.empty()) list += ", ";
        if (message.number == 0) {
            list += message.original;
            continue;
        }
        char digits[16];
        const auto written = std::to_chars(digits, digits + sizeof digits, message.number);
        list.append(digits, written.ptr);
    }
    return list;
}

} // namespace

void Document::Append(Message message) {
    if (message.number != 0) rowOfNumber_.push_back(Count() + 1);
    const int entries = entryNumber_.empty() ? 0 : entryNumber_.back();
    entryNumber_.push_back(message.original.empty() ? entries : entries + 1);
    messages_.push_back(std::move(message));
}

void Document::Clear() {
    messages_.clear();
    rowOfNumber_.clear();
    entryNumber_.clear();
    layout.reset();
}

int Document::RowOfNumber(int number) const {
    if (number < 1 || number > NumberedCount()) return 0;
    return rowOfNumber_[static_cast<std::size_t>(number - 1)];
}

std::string Document::Label(int row) const {
    const Message& message = At(row);
    return message.number != 0 ? std::to_string(message.number) : message.original;
}

bool Document::ShowsText(std::string_view text) const {
    return format != nullptr ? format->ShowsText(text) : !text.empty();
}

DocumentCounts Document::Counts() const {
    DocumentCounts counts;
    for (const Message& message : messages_) {
        counts.originalBytes += static_cast<long long>(message.original.size());
        counts.editedBytes += static_cast<long long>(message.edited.size());
        const bool blank = IsBlank(message);
        if (blank) ++counts.blank;
        if (message.invalid) ++counts.invalid;
        if (message.number != 0 && !message.edited.empty() && !blank) ++counts.filled;
    }
    return counts;
}

std::string Document::InvalidList() const {
    return JoinedLabels(*this, [](const Message& message) { return message.invalid; });
}

std::string Document::BlankList() const {
    return JoinedLabels(*this, [this](const Message& message) { return IsBlank(message); });
}

std::string Document::WarningList() const {
    return JoinedLabels(*this, [](const Message& message) { return !message.warning.empty(); });
}

bool Document::Validate(int row) {
    Message& message = At(row);
    message.problem = format != nullptr ? format->ProblemOf(message) : std::string();
    message.invalid = !message.problem.empty();
    message.warning =
        format != nullptr && !message.invalid ? format->WarningOf(message) : std::string();
    return message.invalid;
}

void Document::ValidateAll() {
    for (int row = 1; row <= Count(); ++row)
        Validate(row);
}

} // namespace quillon
