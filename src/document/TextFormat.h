// One kind of game text file behind one interface: which names it takes, reading a file into
// a document, what each new message may hold, and writing the document back to bytes.
#pragma once

#include "document/Document.h"
#include "text/PlayerView.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

enum class ReadFailure {
    None,
    Unreadable, // missing file, a folder, no permission
    Foreign,    // not a file of this kind at all
    Broken      // of this kind, but cut short or beyond its limits
};

struct ReadResult {
    ReadFailure failure = ReadFailure::None;
    std::string message; // one line naming the file and what is wrong; empty when ok
    Document document;
    bool ok() const { return failure == ReadFailure::None; }
};

struct WriteResult {
    std::string error; // empty when ok
    std::string bytes; // the complete new file
};

class TextFormat {
public:
    virtual ~TextFormat() = default;

    // The names this kind takes in the game's folder, in upper case: "*.CUT" for every name
    // with that ending, or one whole name ("QUEEN2.JAS") when the game has a single file of it.
    virtual std::string_view NamePattern() const = 0;
    // What a file of this kind is called in the editor's words ("Cutscene file").
    virtual std::string_view KindName() const = 0;
    // The file dialogs' filter entry for this kind: "what they are (*.END)|*.end".
    virtual std::string_view DialogFilter() const = 0;
    // Reads a whole file held in memory; displayName names it in messages.
    virtual ReadResult Read(std::string_view bytes, const std::string& displayName) const = 0;
    // Why a new message breaks a rule of this kind, in a few words the translator reads beside
    // it ("it has 2 * where the original has 3"); empty when it breaks none.
    virtual std::string ProblemOf(const Message& message) const = 0;
    bool IsInvalid(const Message& message) const { return !ProblemOf(message).empty(); }
    // What the game does differently with a valid new message than with its original, in a few
    // words the translator reads beside it ("code 2 is *04 where the original has *00: the
    // animation changes"); empty when nothing.
    virtual std::string WarningOf(const Message& /*message*/) const { return {}; }
    // Whether the game shows any text of these bytes: in a spoken kind neither its control
    // codes nor spaces show; by default any byte does.
    virtual bool ShowsText(std::string_view text) const { return !text.empty(); }
    // The new message the file gets before the kind fits it: an empty one whose original shows
    // no text (codes alone, nothing to translate) is written as that original.
    std::string_view NewBytes(const Message& message) const {
        return message.edited.empty() && !ShowsText(message.original) ? message.original
                                                                      : message.edited;
    }
    // What the translator should know of a row beyond its text, shown beside it ("In the
    // choice menu: ..."); empty when there is nothing to say.
    virtual std::string NoteOf(const Document& /*document*/, int /*row*/) const { return {}; }
    // How the game shows a row's message: spoken, offered in the choice menu, on the command
    // line, as a label of the journal, or not as text (a locked row, a file name, the credits).
    virtual ShownAs ShownAsOf(const Document& /*document*/, int /*row*/) const {
        return ShownAs::Nothing;
    }
    // For a row shown on the command line: the sentences the game builds around it, with the
    // other words as the document holds them and measured in the language's font.
    virtual std::vector<SentenceFrame> SentencesOf(const Document& /*document*/, int /*row*/,
                                                   char /*language*/) const {
        return {};
    }
    // Turns every new message into the bytes the file will hold (the editor keeps them).
    virtual void FitForWriting(Document& document) const = 0;
    // Empty when the document's new messages, once fitted, fit the file; otherwise one line
    // saying what does not. Nothing is changed.
    virtual std::string CheckWritable(const Document& document) const = 0;
    // The new file from the bytes the document was read from and its fitted new messages.
    virtual WriteResult Write(const Document& document, std::string_view source) const = 0;
};

} // namespace quillon
