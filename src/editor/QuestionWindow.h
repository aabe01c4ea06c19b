// The editor's one Yes/No question window; it exists only while a question is open.
#pragma once

#include "editor/Controls.h"

#include <memory>
#include <string>

namespace quillon {

class MainWindow;

class QuestionWindow {
public:
    explicit QuestionWindow(MainWindow& owner);

    WindowPart Window{"QuestionWindow"};
    Label QuestionLabel{"QuestionLabel"};
    CommandButton btnYes{"btnYes"};
    CommandButton btnNo{"btnNo"};

    void Prepare();
    void OnYesClicked();
    void OnNoClicked();

    // What every question does once the window exists: the main window disabled, the
    // designed height and button places, the focus on No.
    void OpenQuestion();
    // The question itself: where its text starts and what it says.
    void SetQuestion(double labelTop, const std::string& text);

    ~QuestionWindow();

private:
    // Yes and No both re-enable the main window and destroy this window; gives back the
    // window so the caller can keep it alive until it no longer runs inside it.
    std::unique_ptr<QuestionWindow> Close();

    MainWindow& owner_;
    Control* returnFocus_ = nullptr; // the main window's control that had the focus
};

} // namespace quillon
