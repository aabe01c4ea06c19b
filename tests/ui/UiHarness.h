// The real Qt editor on a temporary program folder, with its dialogs answered by script and
// input sent as real Qt key and mouse events.
#pragma once

#include "ui/EditorUi.h"
#include "ui/MirrorWidgets.h"
#include "ui/QtPlatform.h"
#include "workflow/Form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quillon::ui::testing {

// A .CUT file holding the given messages in its one text block.
inline std::string CutBytes(const std::vector<std::string>& messages) {
    std::string block;
    for (const auto& m : messages)
        block += static_cast<char>(m.size()) + m;
    const int start = 12, end = start + static_cast<int>(block.size());
    auto be16 = [](int v) { return std::string{static_cast<char>(v >> 8), static_cast<char>(v)}; };
    const std::string data = std::string(8, '\x11') + be16(start) + be16(end) + block + "TAIL";
    const std::size_t length = data.size() + 8;
    std::string bytes = "AmBk" + std::string("\x00\x03\x00\x00", 4);
    for (int shift : {24, 16, 8, 0})
        bytes += static_cast<char>(length >> shift);
    return bytes + "Datas   " + data;
}

inline std::string ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

// The Qt platform with every dialog answered from a queue instead of shown.
class ScriptedPlatform : public QtPlatform {
public:
    std::deque<std::optional<std::string>> fileAnswers;
    std::vector<FileDialogRequest> fileRequests;
    std::deque<FontChooserResult> fontAnswers;
    std::deque<std::optional<std::uint32_t>> colourAnswers;
    std::vector<MessageBoxCall> messages;
    std::vector<std::string> urls;

    std::optional<std::string> AskFile(const FileDialogRequest& request) override {
        PrepareDialog();
        fileRequests.push_back(request);
        if (fileAnswers.empty()) return std::nullopt;
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    FontChooserResult ChooseFont(const FontChoice&) override {
        if (fontAnswers.empty()) return {};
        auto answer = fontAnswers.front();
        fontAnswers.pop_front();
        return answer;
    }
    std::optional<std::uint32_t> ChooseColour() override {
        if (colourAnswers.empty()) return std::nullopt;
        auto answer = colourAnswers.front();
        colourAnswers.pop_front();
        return answer;
    }
    void ShowMessageBox(const MessageBoxCall& call) override { messages.push_back(call); }
    void OpenUrl(const std::string& url) override { urls.push_back(url); }
};

// One run of the editor: its own program folder (QUILLON_HOME) with a CUT folder.
class Session {
public:
    explicit Session(const QString& home) : home_(home) {
        qputenv("QUILLON_HOME", home_.toUtf8());
        QDir().mkpath(home_ + QStringLiteral("/CUT"));
        platform = std::make_unique<ScriptedPlatform>();
        form = std::make_unique<Form1>(*platform);
        ui = std::make_unique<EditorUi>(*form, *platform);
    }
    ~Session() {
        ui.reset();
        form.reset();
        platform.reset();
    }

    QString CutPath(const QString& name) const { return home_ + QStringLiteral("/CUT/") + name; }
    QString Put(const QString& name, const std::string& bytes) {
        QFile file(CutPath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return CutPath(name);
    }
    // Starts the editor the way `quillon FILE` does.
    void Open(const QString& path) {
        platform->SetPresetOpenAnswer(path.toStdString());
        ui->Start();
        QApplication::processEvents();
    }

    QWidget* W(const Control& control) const { return ui->WidgetOf(control); }
    MessageEdit* GR() const { return ui->BoxOf(form->TextMessageGR); }
    MessageEdit* GB() const { return ui->BoxOf(form->TextMessageGB); }
    QString Text(const Control& control) const {
        auto* label = qobject_cast<QLabel*>(W(control));
        return label ? label->text() : QString();
    }

    void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QApplication::sendEvent(target, &release);
    }
    // Types each character as its own key press, as a keyboard does.
    void Type(QWidget* target, const QString& text) {
        for (QChar ch : text) {
            const QChar upper = ch.toUpper();
            int key = 0;
            if (upper >= u'A' && upper <= u'Z') key = upper.unicode();
            if (ch == u'\n') {
                Key(target, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
                continue;
            }
            Key(target, key, Qt::NoModifier, QString(ch));
        }
    }
    void Click(const Control& control) {
        QWidget* widget = W(control);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

    std::unique_ptr<ScriptedPlatform> platform;
    std::unique_ptr<Form1> form;
    std::unique_ptr<EditorUi> ui;

private:
    QString home_;
};

} // namespace quillon::ui::testing
