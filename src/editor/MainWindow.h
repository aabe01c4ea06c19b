// The main window, headless: the open file's document, the editor's state and every handler,
// working on the window's controls (MainWindowControls). Handlers call one another exactly as the
// window system would run them, so a test drives the editor as a user would and the Qt window only
// mirrors this state.
#pragma once

#include "document/Document.h"
#include "editor/AboutWindow.h"
#include "editor/BoxLook.h"
#include "editor/Controls.h"
#include "editor/EditUndo.h"
#include "editor/EditorState.h"
#include "editor/Keys.h"
#include "editor/MainWindowControls.h"
#include "editor/Platform.h"
#include "editor/QuestionWindow.h"
#include "editor/SharedDialog.h"
#include "editor/WindowSettings.h"
#include "editor/WorkFiles.h"
#include "editor/WorkTools.h"
#include "work/Tmf.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillon {

class MainWindow : public MainWindowControls {
public:
    explicit MainWindow(Platform& platform);
    ~MainWindow();

    Platform& platform;
    EditorState State;
    // The open file's messages; the table view and every counter are drawn from it.
    Document Doc;
    FocusTracker Focus;
    SharedDialog SharedFileDialog;
    // The stored options, the message boxes' looks and the settings pages.
    WindowSettings Settings;
    // Undo and redo of the shown message.
    EditUndo Edits;
    // The .TMF files the user saves and loads, and the automatic backup.
    WorkFiles Work;
    // Jumps, find and the project window, for working through a whole file and folder.
    WorkTools Tools;
    // Set once the program has ended (the platform was told to quit): handlers do nothing.
    bool Ended = false;

    // Told every value the progress bar takes while a file is read.
    std::function<void(double)> ProgressChanged;

    // The question, About and Help windows exist only while shown.
    std::unique_ptr<QuestionWindow> Confirm;
    std::unique_ptr<AboutWindow> About;
    std::unique_ptr<HelpWindow> Help;

    // --- Start-up, opening and closing ------------------------------------------------
    void Start();
    void OpenFile(std::string FileName);
    void CloseAndAskForFile();
    // The window with no file open: empty boxes, every counter and size at zero, nothing to
    // save or write.
    void ShowNoFile();
    void LoadGameFile(const std::string& Path);
    void FindNextFile();
    void FindPreviousFile();
    // Where the file dialogs start: the stored "Last directory" when it is to be remembered
    // and can be read, else the program's CUT folder.
    std::string DialogStartFolder(bool trailingSeparator);
    // Every successful file dialog remembers the chosen file's folder.
    void RememberDialogFolder(const std::string& chosen);

    // --- Navigation and editing commands ----------------------------------------------
    void ShowCurrentMessage();
    void OnMessageSliderMoved();
    void OnNextMessageClicked();
    void OnPreviousMessageClicked();
    void OnCopyOriginalMessageClicked();
    void OnClearMessageClicked();
    void OnRestoreMessageClicked();
    void OnNewBoxKeyDown(int& keyCode, int& shift);
    void OnOriginalBoxKeyDown(int& keyCode, int& shift);
    void ApplyFocusSelectionRule();
    void OnNewBoxKeyUp(int keyCode, int shift);
    void OnNewBoxMouseUp(int Button, int shift, float X, float Y);
    void StepTableIntoView();

    // --- Control codes, live editing, sizes and validity ------------------------------
    void RefreshMessageBoxes();
    // The boxes show the codes hidden: the mode says so, and the shown message comes back
    // exactly from its hidden form.
    bool ShowsCodesHidden() const;
    void OnOriginalMessageChanged();
    void OnNewMessageEdited();
    void ValidateNewMessage();
    // The sizes and control-code counts of both messages of the current row.
    void ShowMessageSizes();
    // Why the new message is invalid, that its line is locked, or its format's note on it.
    void ShowMessageNote();
    // The shown message as the game lays it out, beside the new one.
    void ShowPlayerView();
    // The version string's language letter the layout is measured with: the one of the new
    // box's font when it is the game's Russian, Greek or Hebrew font, English otherwise.
    char GameLanguage() const;
    void UpdateInvalidCounter();
    void UpdateBlankCounter();
    // The current row (the table's selected row), 0 when there is none.
    int CurrentRow() const { return TableView.SelectedRow; }

    // --- File cycle -------------------------------------------------------------------
    void OnCloseFileClicked();
    void OnNextFileClicked();
    void OnPreviousFileClicked();
    void OnExitClicked();
    // Whether closing the file asks first: when the user wants a question and typed work
    // would be lost.
    bool AskBeforeClosing() const;

    // --- Creating or updating a cutscene file -----------------------------------------
    void OnWriteFileClicked();
    void ConfirmInvalidMessages();
    void AskWhereToWriteFile();
    void ConfirmUpdateFile();
    void ConfirmReplaceFile();
    void KeepQuestionOnTop();
    void WriteGameFile();
    // What Yes in the question window does, by PendingQuestion.
    void OnQuestionAnsweredYes();
    // Ends the program: hides every window, tells the platform and stops every handler from
    // doing more.
    void EndProgram();

    // --- The window's close command, About and Help ------------------------------------
    void RemoveCloseButton(WindowPart& frm);
    void OnAboutClicked();
    void OnHelpClicked();

    // --- The notice ----------------------------------------------------------------------
    // A short word to the translator that asks for nothing: the window shows it for a few
    // seconds, then it goes by itself. Serial tells a repeated notice from the last one. A
    // notice speaks of one message at one moment: the next command, another message or
    // another file takes it away.
    struct NoticeText {
        std::string Text;
        int Serial = 0;
        int Row = 0; // the row shown when it was given
    };
    NoticeText Notice;
    void ShowNotice(std::string text);
    void ClearNotice();

    // Shows a message box through the platform.
    void ShowMessage(const std::string& text, const std::string& title = {},
                     MsgIcon icon = MsgIcon::None);

private:
    void WireHandlers(); // connects every control to its handler
    // Opens the neighbours in the direction the file was reached until one holds text; false
    // when none is left.
    bool PassOverFilesWithoutText();
    // Next file and Previous file: the neighbour found, the close question asked when the
    // user wants one, then the neighbour opened with the settings saved first.
    void StepToNeighbour(ReachedBy direction);
    void OpenNeighbour(ReachedBy direction);
    bool skipping_ = false;      // passing over files without text
    bool skipRequested_ = false; // the file just opened has no text either
    std::string workNotice_;     // where the open file's work came from, until it is said
    bool closedFile_ = false;    // the open dialog follows "Close file", not the start
    // The bytes the originals were read from, once the file itself holds the translation (an
    // update in place); unset while the file on disk is the source.
    std::optional<std::string> originalBytes_;
};

// While it lives, changes of the boxes are a display, not an edit, and change no message;
// when it ends the shown message's state is where its next undo step starts.
class DisplayScope {
public:
    explicit DisplayScope(MainWindow& form)
        : form_(form), kind_(form.Edits.PendingKind, EditKind::Display) {}
    ~DisplayScope() { form_.Edits.NoteShown(); }
    DisplayScope(const DisplayScope&) = delete;
    DisplayScope& operator=(const DisplayScope&) = delete;

private:
    MainWindow& form_;
    EditKindScope kind_;
};

} // namespace quillon
