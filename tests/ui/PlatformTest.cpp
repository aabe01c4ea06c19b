// The Qt platform's own pieces: file dialog filters, message boxes, the QSettings store,
// directory listings, the font chooser and the key codes; and the code pages, where every byte
// survives being shown and stored again, each script reads its own letters, and what a page
// cannot hold is refused rather than replaced.
#include "UiHarness.h"

#include "ui/CodePages.h"
#include "ui/FontChooser.h"
#include "ui/KeyCodes.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>

#include <set>
#include <tuple>

namespace quillon::ui {
namespace {

TEST(QtPlatformPieces, FileDialogFiltersMessageBoxesAndKeysSpeakQt) {
    EXPECT_EQ(QtNameFilters("A|*.a|Two|*.a;*.b", false), QStringLiteral("A (*.a);;Two (*.a *.b)"));
    // Patterns with letters also match in the other case; "*.*" has none to vary.
    EXPECT_EQ(QtNameFilters("Temporary Messages Files (*.TMF)|*.tmf|All files (*.*)|*.*", true),
              QStringLiteral("Temporary Messages Files (*.TMF) (*.tmf *.TMF);;"
                             "All files (*.*) (*.*)"));

    auto box = MakeMessageBox(
        {"There are too many TMF files.\r\nPlease delete some.", "Quillon", MsgIcon::Critical},
        nullptr);
    EXPECT_TRUE(box->icon() == QMessageBox::Critical && box->standardButtons() == QMessageBox::Ok);
    EXPECT_EQ(box->windowTitle() + "|" + box->text(),
              QStringLiteral("Quillon|There are too many TMF files.\nPlease delete some."));
    EXPECT_EQ(MakeMessageBox({"x", "", MsgIcon::None}, nullptr)->icon(), QMessageBox::NoIcon);

    // The keys the editor acts on are sent as real events in the window tests; these are the
    // rest: modifier bits together, the keypad, and a key without a code.
    const std::tuple<int, Qt::KeyboardModifiers, int, int> cases[] = {
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, 65, 3},
        {Qt::Key_F5, Qt::AltModifier, 116, 4},
        {Qt::Key_5, Qt::KeypadModifier, 101, 0},
        {Qt::Key_Eacute, Qt::NoModifier, 0, 0},
    };
    for (const auto& [key, modifiers, code, shift] : cases)
        EXPECT_EQ(std::pair(KeyCodeOf(key, modifiers), ShiftBitsOf(modifiers)),
                  std::pair(code, shift))
            << key;
}

TEST(QtPlatformPieces, SettingsAndTheFileSystemAsTheHandlersSeeThem) {
    // A value in the organisation's own file is not the program's, which no save of the
    // program would ever clear: it is never read.
    QSettings organisation(QSettings::NativeFormat, QSettings::UserScope,
                           QStringLiteral("Velunor"));
    organisation.setValue(QStringLiteral("Always on top"), QStringLiteral("1"));
    organisation.sync();
    QSettingsStore().DeleteKey();
    EXPECT_FALSE(QSettingsStore().Read("Always on top"));
    organisation.remove(QStringLiteral("Always on top"));

    // A value with a comma comes back whole, not as a list; deleting the key removes it.
    EXPECT_TRUE(QSettingsStore().Write("New message Font", "DejaVu Sans, Bold"));
    EXPECT_EQ(QSettingsStore().Read("New message Font").value_or("?"), "DejaVu Sans, Bold");
    QSettingsStore().DeleteKey();
    EXPECT_FALSE(QSettingsStore().Read("New message Font"));

    // The file system as the handlers see it.
    QTemporaryDir temp;
    // Names outside ASCII reach the handlers as UTF-8, and come back from them as such.
    const QString dir = temp.filePath(QStringLiteral("\u00dcbersetzung"));
    ASSERT_TRUE(QDir().mkdir(dir));
    for (const char* name : {"b.CUT", "A.CUT", "C.cut", "a.txt", "É1.CUT"}) {
        QFile file(dir + QLatin1Char('/') + QString::fromUtf8(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("12345") == 5);
    }
    qputenv("QUILLON_HOME", dir.toUtf8());
    QtPlatform platform;
    EXPECT_EQ(platform.ProgramFolder(), dir.toStdString());
    qunsetenv("QUILLON_HOME");
    const std::string folder = dir.toStdString() + "/";
    EXPECT_EQ(platform.FileLength(folder + "É1.CUT"), 5);
    EXPECT_TRUE(
        platform.CreateFolder(folder + "Backup") && !platform.CreateFolder(folder + "Backup") &&
        platform.FolderExists(folder + "Backup") && !platform.FileLength(folder + "Backup"));
    // Files only, letter case ignored when sorting. (Deleting and renaming through the
    // platform is nothing the editor does.)
    EXPECT_EQ(platform.ListDirectory(folder),
              (std::vector<std::string>{"A.CUT", "a.txt", "b.CUT", "C.cut", "É1.CUT"}));
    EXPECT_TRUE(platform.ListDirectory(folder + "missing").empty());
}

TEST(QtPlatformPieces,
     TheFontChooserOffersInstalledFacesSizesStylesScriptsAndColourAsTheColourChooser) {
    // A face that is not installed opens on the family the box really shows in its place,
    // and no face can be typed in: whatever comes back is installed.
    const QString shownForArial = QFontInfo(QFont(QStringLiteral("Arial"))).family();
    for (const char* face : {"Arial", "NoSuchFont"}) {
        FontChooser chooser({face});
        EXPECT_FALSE(chooser.Face()->isEditable());
        const QString chosen = QString::fromStdString(chooser.Choice().face);
        EXPECT_EQ(chosen, QFontInfo(QFont(QString::fromLatin1(face))).family());
        EXPECT_TRUE(QFontDatabase::hasFamily(chosen)) << chosen.toStdString();
    }

    auto describe = [&](const FontChoice& c) {
        return (QString::fromStdString(c.face) == shownForArial ? "shown " : c.face + " ") +
               std::to_string(c.pointSize) + " " + std::to_string(c.weight) +
               (c.italic ? " italic" : "") + (c.underline ? " underline" : "") +
               (c.strikeout ? " strikeout" : "") + " script " + std::to_string(c.charset) +
               " colour " + std::to_string(c.colour);
    };
    // Too big a size, a semibold face and a script number the table does not name.
    FontChooser chooser({"Arial", 30, 600, false, false, false, 100});
    EXPECT_EQ(chooser.Style()->currentText(), QStringLiteral("Bold"));
    EXPECT_EQ(describe(chooser.Choice()), "shown 24 600 script 100 colour 0");
    EXPECT_EQ(chooser.Size()->minimum(), 8);
    EXPECT_EQ(chooser.Size()->maximum(), 24);
    chooser.Size()->setValue(14);
    chooser.Style()->setCurrentText(QStringLiteral("Italic"));
    chooser.Strikeout()->setChecked(true);
    chooser.Script()->setCurrentIndex(chooser.Script()->findData(161));
    chooser.SetColour(0x0000FF);
    EXPECT_EQ(describe(chooser.Choice()), "shown 14 400 italic strikeout script 161 colour 255");

    // The colour chooser gives the colour picked; its place above the main window is checked
    // under a window manager (StackingTest.cpp).
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget())) {
            dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
            dialog->accept();
        }
    });
    EXPECT_EQ(QtPlatform().ChooseColour(), 0x563412u);
}

TEST(QtPlatformPieces, ButtonsWithWrappedCaptionsArePaintedAsButtons) {
    // The same bevel as an ordinary button of that size, and the caption on it in more than
    // one line.
    const QSize size(120, 60);
    WrapButton wrapped(nullptr);
    wrapped.SetCaption(QStringLiteral("Update or create new cutscene file"));
    QPushButton plain;
    wrapped.resize(size), plain.resize(size);
    const QImage withCaption = wrapped.grab().toImage(), bare = plain.grab().toImage();
    ASSERT_EQ(withCaption.size(), bare.size());
    int border = 0, top = size.height(), bottom = -1;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (withCaption.pixel(x, y) == bare.pixel(x, y)) continue;
            const bool edge = x < 3 || y < 3 || x >= size.width() - 3 || y >= size.height() - 3;
            border += edge ? 1 : 0;
            top = std::min(top, y), bottom = std::max(bottom, y);
        }
    }
    EXPECT_EQ(border, 0);
    EXPECT_GT(bottom - top, QFontMetrics(wrapped.font()).height() + 2) << "no caption, or one line";
}

TEST(CodePages, EveryByteSurvivesEachScriptHasItsLettersAndWhatAPageCannotHoldIsRefused) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    for (const CodePage& page : AllCodePages()) {
        SCOPED_TRACE(page.Number());
        std::set<char16_t> shown;
        for (char byte : all) {
            const QString text = BytesToText(std::string(1, byte), page);
            ASSERT_EQ(text.size(), 1) << int(byte);
            shown.insert(text.at(0).unicode());
            EXPECT_EQ(TextToBytes(text, page).bytes, std::string(1, byte)) << int(byte);
        }
        EXPECT_EQ(shown.size(), 256u) << "two bytes share a character";
        // Together, with CR LF pairs among them, and in reverse order.
        std::string mixed = all + "\r\n\n\r" + std::string(all.rbegin(), all.rend()) + "\r";
        EXPECT_EQ(TextToBytes(BytesToText(mixed, page), page).bytes, mixed);
    }

    // Each script reads its own letters.
    // script, its page, a byte of the page and the letter it stands for
    const std::tuple<int, int, unsigned char, char16_t> cases[] = {
        {0, 1252, 0x80, 0x20AC},   {0, 1252, 0xE9, 0x00E9},   {238, 1250, 0x8A, 0x0160},
        {204, 1251, 0xC6, 0x0416}, {161, 1253, 0xC3, 0x0393}, {162, 1254, 0xF0, 0x011F},
        {177, 1255, 0xE0, 0x05D0}, {178, 1256, 0xC7, 0x0627}, {186, 1257, 0xE8, 0x010D},
        {163, 1258, 0xEC, 0x0301}, {222, 874, 0xA1, 0x0E01},
    };
    for (const auto& [number, pageNumber, byte, letter] : cases) {
        const ScriptCodePage script = CodePageForScript(number);
        const std::string bytes(1, static_cast<char>(byte));
        EXPECT_EQ(script.fellBack ? 0 : script.page->Number(), pageNumber) << number;
        EXPECT_EQ(BytesToText(bytes, *script.page), QString(QChar(letter))) << number;
    }
    for (int other : {1, 2, 77, 128, 134, 255, 100}) {
        const ScriptCodePage script = CodePageForScript(other);
        EXPECT_EQ(script.fellBack ? script.page->Number() : 0, 1252) << other;
    }

    const CodePage& western = *CodePageForScript(0).page;
    // A CR LF pair is one line break; a lone CR or LF and other control bytes stay visible.
    EXPECT_EQ(BytesToText("a\r\nb\rb\nc\td", western), QStringLiteral("a\nb\u240Db\u240Ac\td"));
    EXPECT_EQ(BytesToText(std::string("\0\x7F", 2), western), QStringLiteral("\u2400\u2421"));
    // What a paste brings as CR LF, CR or a paragraph separator is a line break too.
    EXPECT_EQ(TextToBytes(QStringLiteral("a\r\nb\u2029c"), western).bytes, "a\r\nb\r\nc");
    // Caret positions across a line break: byte 3 is after "a", CR, LF.
    EXPECT_EQ(TextPositionOf("a\r\nb", 3), 2);
    EXPECT_EQ(TextPositionOf("a\r\nb", 2), 1); // between CR and LF
    EXPECT_EQ(BytePositionOf(QStringLiteral("a\nb"), 2, western), 3);

    // Vietnamese splits a toned letter into its letter and mark; what a page cannot hold is
    // refused whole, at its place, rather than replaced.
    // script, typed text, its bytes and where it is refused (-1: it is not)
    const std::tuple<int, QString, std::string, int> typedCases[] = {
        {163, QStringLiteral("\u00EA\u00C0"), "\xEA\xC0", -1}, // ê and À are letters of the page
        {163, QStringLiteral("\u1EBF"), "\xEA\xEC", -1},       // ế: ê and the acute mark
        {163, QStringLiteral("\u1EA1"), "a\xF2", -1},          // ạ: a and the dot below
        {163, QStringLiteral("Vi\u1EC7t"), "Vi\xEA\xF2t", -1}, // ệ inside a word
        {163, QStringLiteral("\u01CE"), "", 0},                // ǎ: Vietnamese has no caron
        {0, QStringLiteral("ab\u0416c"), "", 2},               // Cyrillic in Western
        {161, QStringLiteral("\u0393\u00E9"), "", 1},          // é in Greek
        {204, QStringLiteral("x\U0001F600"), "", 1},           // an emoji anywhere
        {0, QStringLiteral("\u0065\u0301"), "", 1},            // a combining mark Western lacks
    };
    for (const auto& [script, typed, bytes, refusedAt] : typedCases) {
        const EncodeResult result = TextToBytes(typed, *CodePageForScript(script).page);
        EXPECT_EQ(result.bytes, bytes) << typed.toStdString();
        EXPECT_EQ(result.ok ? -1 : result.badPosition, refusedAt) << typed.toStdString();
    }
    // The caret after a split letter counts both of its bytes.
    EXPECT_EQ(BytePositionOf(QStringLiteral("\u1EBFa"), 1, *CodePageForScript(163).page), 2);
}

} // namespace
} // namespace quillon::ui
