// The real Qt editor on a temporary program folder, with its dialogs answered by script and
// input sent as real Qt key and mouse events.
#pragma once

#include "editor/MainWindow.h"
#include "support/CutImage.h"
#include "support/Files.h"
#include "ui/EditorUi.h"
#include "ui/MirrorWidgets.h"
#include "ui/QSettingsStore.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quillon::ui::testing {

// The next scripted answer, or a cancel once the script has run out.
template <typename T> T Next(std::deque<T>& answers) {
    if (answers.empty()) return T{};
    T answer = answers.front();
    answers.pop_front();
    return answer;
}

// The Qt platform with every dialog answered from a queue instead of shown.
class ScriptedPlatform : public QtPlatform {
public:
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<FontChooserResult> fontAnswers;
    std::deque<std::optional<std::uint32_t>> colourAnswers;
    std::vector<MessageBoxCall> messages;
    std::vector<std::string> urls;
    bool browserStarts = true; // what opening a link answers
    bool realChoosers = false; // the real font and colour choosers, shown on the screen

    std::optional<std::string> AskFile(const FileDialogRequest&) override {
        PrepareDialog();
        return Next(fileAnswers);
    }
    FontChooserResult ChooseFont(const FontChoice& initial) override {
        return realChoosers ? QtPlatform::ChooseFont(initial) : Next(fontAnswers);
    }
    std::optional<std::uint32_t> ChooseColour() override {
        return realChoosers ? QtPlatform::ChooseColour() : Next(colourAnswers);
    }
    void ShowMessageBox(const MessageBoxCall& call) override { messages.push_back(call); }
    bool OpenUrl(const std::string& url) override {
        urls.push_back(url);
        return browserStarts;
    }
    std::string LastMessage() const { return messages.empty() ? "" : messages.back().text; }
};

// One run of the editor: its own program folder (QUILLON_HOME) with a CUT folder.
class Session {
public:
    explicit Session(const QString& home) : home_(home) {
        qputenv("QUILLON_HOME", home_.toUtf8());
        QDir().mkpath(home_ + QStringLiteral("/CUT"));
        platform = std::make_unique<ScriptedPlatform>();
        form = std::make_unique<MainWindow>(*platform);
        ui = std::make_unique<EditorUi>(*form, *platform);
    }

    QString CutPath(const QString& name) const { return home_ + QStringLiteral("/CUT/") + name; }
    // A file where the Backup folder would be: from here on no backup can be written, and
    // typed work stays at risk until it is saved.
    void BlockBackups() {
        QDir(home_ + QStringLiteral("/Backup")).removeRecursively();
        quillon::test::WriteBytes((home_ + QStringLiteral("/Backup")).toStdString(), "a file");
    }
    // A change of the new message that no backup holds, the text left as it was.
    void TypeAtRisk() {
        BlockBackups();
        Type(GR(), QStringLiteral("!"));
        Key(GR(), Qt::Key_Backspace);
    }
    QString Put(const QString& name, const std::vector<std::string>& messages) {
        quillon::test::WriteBytes(CutPath(name).toStdString(), quillon::test::CutBytes(messages));
        return CutPath(name);
    }
    // Starts the editor the way `quillon FILE` does.
    void Open(const QString& path) {
        platform->SetPresetOpenAnswer(path.toStdString());
        ui->Start();
        QApplication::processEvents();
    }

    QWidget* W(const Control& control) const { return ui->WidgetOf(control); }
    MessageEdit* GR() const { return ui->BoxOf(form->NewMessageBox); }
    MessageEdit* GB() const { return ui->BoxOf(form->OriginalMessageBox); }
    QString Text(const Label& label) const { return qobject_cast<QLabel*>(W(label))->text(); }

    // A press and release of one key, as the keyboard sends them, and what they set going.
    void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString& text = {}) {
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key(key), text, modifiers);
        QApplication::processEvents();
    }
    // Types each character as its own key press, as a keyboard does.
    void Type(QWidget* target, const QString& text) {
        for (QChar ch : text) {
            const char16_t upper = ch.toUpper().unicode();
            if (ch == u'\n')
                Key(target, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            else
                Key(target, upper >= u'A' && upper <= u'Z' ? upper : 0, Qt::NoModifier, ch);
        }
    }
    void Click(const Control& control) {
        QTest::mouseClick(W(control), Qt::LeftButton, {}, W(control)->rect().center());
        QApplication::processEvents();
    }

private:
    QString home_;

public:
    // Declared in this order so the windows go before the editor they mirror.
    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<EditorUi> ui;
};

// A fresh home folder and settings store for every test, and an editor started in it.
class SessionTest : public ::testing::Test {
protected:
    QTemporaryDir home;
    std::unique_ptr<Session> s;

    void SetUp() override {
        QSettingsStore().DeleteKey();
        s = std::make_unique<Session>(home.path());
    }
    MainWindow& f() { return *s->form; }
};

} // namespace quillon::ui::testing
