// One keystroke in the new-message box on a file at the format's limit (text start 12, about
// 10,900 two-byte messages, every new message invalid), through real Qt key events, until the
// window shows the recomputed counters.
#include "editor/MainWindow.h"
#include "ui/EditorUi.h"
#include "ui/MirrorWidgets.h"
#include "ui/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using namespace quillon;

// The largest text block the 16-bit positions allow, filled with two-byte messages.
std::string LimitFile(int& messages) {
    const int start = 12, lastEnd = 32767 - 20;
    messages = (lastEnd - start) / 3;
    std::string block;
    for (int i = 0; i < messages; ++i)
        block += std::string("\x02") + char('a' + i % 26) + "b";
    const int end = start + static_cast<int>(block.size());
    auto be16 = [](int v) { return std::string{static_cast<char>(v >> 8), static_cast<char>(v)}; };
    const std::string data = std::string(8, '\0') + be16(start) + be16(end) + block;
    const std::size_t length = data.size() + 8;
    std::string bytes = "AmBk" + std::string("\x00\x03\x00\x00", 4);
    for (int shift : {24, 16, 8, 0})
        bytes += static_cast<char>(length >> shift);
    return bytes + "Datas   " + data;
}

struct LimitEditor {
    QTemporaryDir home;
    int messages = 0;
    std::unique_ptr<ui::QtPlatform> platform;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<ui::EditorUi> window;

    LimitEditor() {
        qputenv("QUILLON_HOME", home.path().toUtf8());
        QDir().mkpath(home.filePath(QStringLiteral("CUT")));
        const QString path = home.filePath(QStringLiteral("CUT/LIMIT.CUT"));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        const std::string bytes = LimitFile(messages);
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();

        platform = std::make_unique<ui::QtPlatform>();
        platform->SetPresetOpenAnswer(path.toStdString());
        form = std::make_unique<MainWindow>(*platform);
        window = std::make_unique<ui::EditorUi>(*form, *platform);
        window->Start();
        // Raw mode, and every new message invalid.
        window->Run([this] { form->CheckHideControlCharacters.UserClick(); });
        for (int row = 1; row <= form->Doc.Count(); ++row) {
            form->Doc.At(row).edited = "a*";
            form->Doc.At(row).invalid = true;
        }
        window->Run([this] { form->OnNewMessageEdited(); });
        QApplication::processEvents();
    }
    QWidget* Box() const { return window->BoxOf(form->NewMessageBox); }
    QString Invalid() const {
        return static_cast<QLabel*>(window->WidgetOf(form->InvalidCountLabel))->text();
    }
};

LimitEditor& Editor() {
    static LimitEditor editor;
    return editor;
}

void Send(QWidget* target, QEvent::Type type, int key, const QString& text) {
    QKeyEvent event(type, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &event);
}

// Types "x" and deletes it again, turn by turn, so the message keeps its size.
void PressKey(LimitEditor& editor, bool type, bool release, bool paint) {
    QWidget* box = editor.Box();
    const int key = type ? Qt::Key_X : Qt::Key_Backspace;
    const QString text = type ? QStringLiteral("x") : QStringLiteral("\b");
    Send(box, QEvent::KeyPress, key, text);
    if (paint) editor.window->MainView()->repaint();
    if (release) Send(box, QEvent::KeyRelease, key, text);
}

void Run(benchmark::State& state, bool release, bool paint) {
    LimitEditor& editor = Editor();
    bool type = true;
    for (auto _ : state) {
        PressKey(editor, type, release, paint);
        type = !type;
    }
    if (!type) PressKey(editor, false, release, false);
    state.counters["messages"] = editor.messages;
    const int invalid = editor.form->Doc.Counts().invalid;
    state.counters["invalid"] = invalid;
    if (invalid < editor.messages - 1 || editor.Invalid() != QString::number(invalid))
        state.SkipWithError("the window does not show the table's invalid messages");
}

// The press alone: handlers, then every widget brought up to date.
void BM_KeyPressToCounters(benchmark::State& state) {
    Run(state, false, false);
}
// The press and a full repaint of the window, as the screen would show it.
void BM_KeyPressToPaintedWindow(benchmark::State& state) {
    Run(state, false, true);
}
// Press and release: the release also writes the automatic backup.
void BM_WholeKeystroke(benchmark::State& state) {
    Run(state, true, false);
}

BENCHMARK(BM_KeyPressToCounters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyPressToPaintedWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeKeystroke)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
