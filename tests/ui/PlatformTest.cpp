// The Qt platform's own pieces: file dialog filters, message boxes, the QSettings store,
// directory listings, the font chooser and the key codes.
#include "ui/FontChooser.h"
#include "ui/KeyCodes.h"
#include "ui/QSettingsStore.h"
#include "ui/QtPlatform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSpinBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <tuple>

namespace quillon::ui {
namespace {

TEST(QtPlatformPieces, FileDialogFiltersBecomeQtNameFilters) {
    EXPECT_EQ(QtNameFilters("A|*.a|Two|*.a;*.b", false), QStringLiteral("A (*.a);;Two (*.a *.b)"));
    // Patterns with letters also match in the other case; "*.*" has none to vary.
    EXPECT_EQ(QtNameFilters("Temporary Messages Files (*.TMF)|*.tmf|All files (*.*)|*.*", true),
              QStringLiteral("Temporary Messages Files (*.TMF) (*.tmf *.TMF);;"
                             "All files (*.*) (*.*)"));
}

TEST(QtPlatformPieces, MessageBoxesShowIconTitleAndLines) {
    auto box = MakeMessageBox(
        {"There are too many TMF files.\r\nPlease delete some.", "Quillon", MsgIcon::Critical},
        nullptr);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Quillon"));
    EXPECT_EQ(box->text(), QStringLiteral("There are too many TMF files.\nPlease delete some."));
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(MakeMessageBox({"x", "", MsgIcon::None}, nullptr)->icon(), QMessageBox::NoIcon);
}

TEST(QtPlatformPieces, SettingsWrittenByOneStoreAreReadByTheNextAndDeletedWhole) {
    QSettingsStore().DeleteKey();
    EXPECT_FALSE(QSettingsStore().Read("Confirm"));
    EXPECT_TRUE(QSettingsStore().Write("Last directory", "/home/ana/CUT/"));
    EXPECT_TRUE(QSettingsStore().Write("New message Font", "DejaVu Sans, Bold")); // not a list
    QSettingsStore store;
    EXPECT_EQ(store.Read("Last directory"), "/home/ana/CUT/");
    EXPECT_EQ(store.Read("New message Font"), "DejaVu Sans, Bold");
    EXPECT_TRUE(store.DeleteKey());
    EXPECT_FALSE(store.DeleteKey()); // nothing left to remove
    EXPECT_FALSE(QSettingsStore().Read("Last directory"));
}

TEST(QtPlatformPieces, FileSystemAsTheHandlersSeeIt) {
    QTemporaryDir temp;
    // Names outside ASCII reach the handlers as UTF-8, and come back from them as such.
    const QString dir = temp.filePath(QStringLiteral("\u00dcbersetzung"));
    ASSERT_TRUE(QDir().mkdir(dir));
    for (const char* name : {"b.CUT", "A.CUT", "C.cut", "a.txt",
                             "\xc3\x89"
                             "1.CUT"}) {
        QFile file(dir + QLatin1Char('/') + QString::fromUtf8(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("12345") == 5);
    }
    qputenv("QUILLON_HOME", dir.toUtf8());
    QtPlatform platform;
    EXPECT_EQ(platform.ProgramFolder(), dir.toStdString());
    qunsetenv("QUILLON_HOME");
    const std::string folder = dir.toStdString() + "/";
    EXPECT_EQ(platform.FileLength(folder + "\xc3\x89"
                                           "1.CUT"),
              5);
    EXPECT_TRUE(platform.DeleteFile(folder + "\xc3\x89"
                                             "1.CUT"));
    EXPECT_TRUE(platform.CreateFolder(folder + "Backup"));
    EXPECT_FALSE(platform.CreateFolder(folder + "Backup"));
    // Files only, letter case ignored when sorting.
    EXPECT_EQ(platform.ListDirectory(folder),
              (std::vector<std::string>{"A.CUT", "a.txt", "b.CUT", "C.cut"}));
    EXPECT_TRUE(platform.ListDirectory(folder + "missing").empty());
    EXPECT_EQ(platform.FileLength(folder + "A.CUT"), 5);
    EXPECT_FALSE(platform.FileLength(folder + "Backup"));
    EXPECT_TRUE(platform.FolderExists(folder + "Backup"));
    EXPECT_TRUE(platform.RenameFile(folder + "A.CUT", folder + "b.CUT")); // replaces it
    EXPECT_TRUE(platform.DeleteFile(folder + "b.CUT"));
    EXPECT_FALSE(platform.DeleteFile(folder + "b.CUT"));
    EXPECT_EQ(platform.ListDirectory(folder), (std::vector<std::string>{"a.txt", "C.cut"}));
}

TEST(QtPlatformPieces, FontChooserOffersSizesStylesScriptsAndColour) {
    auto describe = [](const FontChoice& c) {
        return c.face + " " + std::to_string(c.pointSize) + " " + std::to_string(c.weight) +
               (c.italic ? " italic" : "") + (c.underline ? " underline" : "") +
               (c.strikeout ? " strikeout" : "") + " script " + std::to_string(c.charset) +
               " colour " + std::to_string(c.colour);
    };
    // Too big a size, a semibold face and a script number the table does not name.
    FontChooser chooser({"Arial", 30, 600, false, false, false, 100});
    EXPECT_EQ(chooser.Style()->currentText(), QStringLiteral("Bold"));
    EXPECT_EQ(describe(chooser.Choice()), "Arial 24 600 script 100 colour 0");
    chooser.Size()->setValue(14);
    chooser.Style()->setCurrentText(QStringLiteral("Italic"));
    chooser.Strikeout()->setChecked(true);
    chooser.Script()->setCurrentIndex(chooser.Script()->findData(161));
    chooser.SetColour(0x0000FF);
    EXPECT_EQ(describe(chooser.Choice()), "Arial 14 400 italic strikeout script 161 colour 255");
}

TEST(QtPlatformPieces, KeysBecomeTheHandlersCodes) {
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

} // namespace
} // namespace quillon::ui
