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

namespace quillon::ui {
namespace {

TEST(QtPlatformPieces, FileDialogFiltersBecomeQtNameFilters) {
    struct Case {
        std::string filter;
        bool caseVariants;
        QString expected;
    };
    const Case cases[] = {
        {"A|*.a|B|*.b", false, "A (*.a);;B (*.b)"},
        {"Flight of the Amazon Queen Cutscene files (*.CUT)|*.cut", true,
         "Flight of the Amazon Queen Cutscene files (*.CUT) (*.cut *.CUT)"},
        {"Temporary Messages Files (*.TMF)|*.tmf|Text files (*.TXT)|*.txt|All files (*.*)|*.*",
         true,
         "Temporary Messages Files (*.TMF) (*.tmf *.TMF);;Text files (*.TXT) (*.txt *.TXT);;"
         "All files (*.*) (*.*)"},
        {"Two|*.a;*.b", false, "Two (*.a *.b)"},
        {"", false, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(QtNameFilters(c.filter, c.caseVariants), c.expected) << c.filter;
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
    {
        QSettingsStore store;
        store.DeleteKey();
        EXPECT_FALSE(store.Read("Confirm"));
        EXPECT_TRUE(store.Write("Confirm", "0"));
        EXPECT_TRUE(store.Write("Last directory", "/home/ana/CUT/"));
        EXPECT_TRUE(store.Write("New message Font", "DejaVu Sans, Bold")); // a comma stays text
    }
    {
        QSettingsStore store;
        EXPECT_EQ(store.Read("Confirm"), "0");
        EXPECT_EQ(store.Read("Last directory"), "/home/ana/CUT/");
        EXPECT_EQ(store.Read("New message Font"), "DejaVu Sans, Bold");
        EXPECT_TRUE(store.DeleteKey());
        EXPECT_FALSE(store.DeleteKey()); // nothing left to remove
    }
    QSettingsStore store;
    EXPECT_FALSE(store.Read("Confirm"));
    EXPECT_FALSE(store.Read("Last directory"));
}

TEST(QtPlatformPieces, FileSystemAsTheHandlersSeeIt) {
    QTemporaryDir dir;
    for (const char* name : {"b.CUT", "A.CUT", "C.cut", "a.txt"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("12345");
    }
    QDir(dir.path()).mkdir(QStringLiteral("Backup"));
    QtPlatform platform;
    const std::string folder = dir.path().toStdString();
    // Files only, letter case ignored when sorting.
    EXPECT_EQ(platform.ListDirectory(folder),
              (std::vector<std::string>{"A.CUT", "a.txt", "b.CUT", "C.cut"}));
    EXPECT_EQ(platform.FileLength(folder + "/A.CUT"), 5);
    EXPECT_FALSE(platform.FileLength(folder + "/missing.CUT"));
    EXPECT_FALSE(platform.FileLength(folder + "/Backup"));
    EXPECT_TRUE(platform.FolderExists(folder + "/Backup"));
    EXPECT_TRUE(platform.CreateFolder(folder + "/New"));
    EXPECT_FALSE(platform.CreateFolder(folder + "/New"));
    EXPECT_TRUE(platform.RenameFile(folder + "/A.CUT", folder + "/b.CUT")); // replaces it
    EXPECT_FALSE(platform.FileLength(folder + "/A.CUT"));
    EXPECT_TRUE(platform.DeleteFile(folder + "/b.CUT"));
    EXPECT_FALSE(platform.DeleteFile(folder + "/b.CUT"));
    EXPECT_TRUE(platform.ListDirectory(folder + "/missing").empty());
}

TEST(QtPlatformPieces, FontChooserOffersSizesStylesScriptsAndColour) {
    FontChoice initial;
    initial.face = "Arial";
    initial.pointSize = 30; // out of the offered range
    initial.weight = 600;
    initial.charset = 100; // a number the script table does not name
    FontChooser chooser(initial);
    EXPECT_EQ(chooser.Size()->minimum(), 8);
    EXPECT_EQ(chooser.Size()->maximum(), 24);
    EXPECT_EQ(chooser.Size()->value(), 24);
    EXPECT_EQ(chooser.Style()->currentText(), QStringLiteral("Bold"));

    FontChoice kept = chooser.Choice();
    EXPECT_EQ(kept.face, "Arial");
    EXPECT_EQ(kept.weight, 600); // a semibold face keeps its weight while it stays bold
    EXPECT_EQ(kept.charset, 100);

    chooser.Size()->setValue(14);
    chooser.Style()->setCurrentText(QStringLiteral("Bold Italic"));
    chooser.Strikeout()->setChecked(true);
    chooser.Script()->setCurrentIndex(chooser.Script()->findData(161));
    chooser.SetColour(0x0000FF);
    const FontChoice chosen = chooser.Choice();
    EXPECT_EQ(chosen.pointSize, 14);
    EXPECT_EQ(chosen.weight, 600);
    EXPECT_TRUE(chosen.italic);
    EXPECT_TRUE(chosen.strikeout);
    EXPECT_FALSE(chosen.underline);
    EXPECT_EQ(chosen.charset, 161);
    EXPECT_EQ(chosen.colour, 0x0000FFu);
    chooser.Style()->setCurrentText(QStringLiteral("Regular"));
    EXPECT_EQ(chooser.Choice().weight, 400);
}

TEST(QtPlatformPieces, KeysBecomeTheHandlersCodes) {
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        int code;
        int shift;
    };
    const Case cases[] = {
        {Qt::Key_A, Qt::ControlModifier, 65, 2},
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, 65, 3},
        {Qt::Key_Pause, Qt::NoModifier, 19, 0},
        {Qt::Key_Escape, Qt::NoModifier, 27, 0},
        {Qt::Key_F1, Qt::NoModifier, 112, 0},
        {Qt::Key_F5, Qt::AltModifier, 116, 4},
        {Qt::Key_F10, Qt::NoModifier, 121, 0},
        {Qt::Key_F12, Qt::ShiftModifier, 123, 1},
        {Qt::Key_Return, Qt::NoModifier, 13, 0},
        {Qt::Key_5, Qt::KeypadModifier, 101, 0},
        {Qt::Key_Eacute, Qt::NoModifier, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCodeOf(c.key, c.modifiers), c.code) << c.key;
        EXPECT_EQ(ShiftBitsOf(c.modifiers), c.shift) << c.key;
    }
}

} // namespace
} // namespace quillon::ui
