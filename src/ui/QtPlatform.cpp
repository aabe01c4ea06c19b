// Qt's side of the Platform interface.
#include "ui/QtPlatform.h"

#include "ui/Colours.h"
#include "ui/FontChooser.h"
#include "ui/TopWindow.h"
#include "ui/UiText.h"

#include "base/Utf8Path.h"
#include "project/FolderOverview.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

#include <algorithm>

namespace quillon::ui {
namespace {

QString PatternsWithCase(const QString& patterns, bool caseVariants) {
    QStringList out;
    for (const QString& pattern :
         patterns.split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts)) {
        if (!out.contains(pattern)) out << pattern;
        if (!caseVariants) continue;
        for (const QString& variant : {pattern.toLower(), pattern.toUpper()})
            if (!out.contains(variant)) out << variant;
    }
    return out.join(QLatin1Char(' '));
}

QMessageBox::Icon QtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QString QtNameFilters(const std::string& filter, bool caseVariants) {
    const QStringList parts = FromProgramText(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i],
                                                 PatternsWithCase(parts[i + 1], caseVariants));
    return filters.join(QStringLiteral(";;"));
}

std::unique_ptr<QMessageBox> MakeMessageBox(const MessageBoxCall& call, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(QtIcon(call.icon), FromProgramText(call.title),
                                             FromProgramLines(call.text), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

QtPlatform::QtPlatform() : settings_(std::make_unique<QSettingsStore>()) {}

QtPlatform::~QtPlatform() = default;

QWidget* QtPlatform::DialogParent() const {
    if (dialogParent_ && dialogParent_->isVisible()) return dialogParent_;
    return nullptr;
}

std::optional<std::string> QtPlatform::ShowFileDialog(const FileDialogRequest& request) {
    if (!request.save && presetOpen_) {
        auto answer = std::move(*presetOpen_);
        presetOpen_.reset();
        return answer;
    }
    return AskFile(request);
}

std::optional<std::string> QtPlatform::AskFile(const FileDialogRequest& request) {
    PrepareDialog();
    QFileDialog dialog(DialogParent(), FromProgramText(request.title));
    FollowOnTop(dialog, DialogParent());
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The editor asks about replacing files itself, when the user wants it to.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QString filters = QtNameFilters(request.filter, true);
    if (!filters.isEmpty()) dialog.setNameFilter(filters);
    if (!request.initialDir.empty()) dialog.setDirectory(FromNativePath(request.initialDir));
    // A full path as the name opens its own folder, as the shared dialog always did.
    if (!request.fileName.empty()) dialog.selectFile(FromNativePath(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return ToNativePath(dialog.selectedFiles().constFirst());
}

std::optional<std::uint32_t> QtPlatform::ChooseColour() {
    PrepareDialog();
    // A window of the main window, so the window manager never puts it behind it.
    QColorDialog dialog(Qt::white, DialogParent());
    dialog.setWindowTitle(QStringLiteral("Background colour"));
    FollowOnTop(dialog, DialogParent());
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QColor colour = dialog.selectedColor();
    if (!colour.isValid()) return std::nullopt;
    return FromQColor(colour);
}

FontChooserResult QtPlatform::ChooseFont(const FontChoice& initial) {
    PrepareDialog();
    FontChooser dialog(initial, DialogParent());
    FollowOnTop(dialog, DialogParent());
    FontChooserResult result;
    if (dialog.exec() == QDialog::Accepted) {
        result.chosen = true;
        result.font = dialog.Choice();
    }
    return result;
}

void QtPlatform::ShowMessageBox(const MessageBoxCall& call) {
    PrepareDialog();
    auto box = MakeMessageBox(call, DialogParent());
    FollowOnTop(*box, DialogParent());
    box->exec();
}

std::vector<std::string> QtPlatform::ListDirectory(const std::string& dir) {
    std::vector<std::string> names;
    const QDir folder(FromNativePath(dir));
    if (!folder.exists()) return names;
    for (const QString& name : folder.entryList(QDir::Files, QDir::NoSort))
        names.push_back(ToProgramText(name));
    std::sort(names.begin(), names.end(), ListedBefore);
    return names;
}

std::optional<std::int64_t> QtPlatform::FileLength(const std::string& path) {
    const QFileInfo info(FromNativePath(path));
    if (!info.exists() || !info.isFile()) return std::nullopt;
    return info.size();
}

bool QtPlatform::FolderExists(const std::string& path) {
    return QFileInfo(FromNativePath(path)).isDir();
}

bool QtPlatform::CreateFolder(const std::string& path) {
    return QDir().mkdir(FromNativePath(path));
}

std::string QtPlatform::ProgramFolder() {
    if (!programFolder_) {
        // Read as wide characters on Windows: getenv would give the ANSI code page's bytes.
        const std::string home = ToNativePath(qEnvironmentVariable("QUILLON_HOME"));
        const std::string exe = ToNativePath(QCoreApplication::applicationDirPath());
        const std::string user =
            ToNativePath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        programFolder_ = ChooseProgramFolder(home.empty() ? nullptr : home.c_str(), exe, user);
        // The per-user folder may not exist yet; its CUT and Backup folders go inside it.
        if (!programFolder_->empty()) QDir().mkpath(FromNativePath(*programFolder_));
    }
    return *programFolder_;
}

void QtPlatform::Quit() {
    quitRequested_ = true;
    // Queued, so the handler that asked finishes first; dropped if the platform goes first.
    QMetaObject::invokeMethod(
        &quitGuard_, [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
}

std::optional<std::string> QtPlatform::ChooseFolder(const std::string& title,
                                                    const std::string& startFolder) {
    PrepareDialog();
    const QString chosen = QFileDialog::getExistingDirectory(DialogParent(), FromProgramText(title),
                                                             FromNativePath(startFolder));
    if (chosen.isEmpty()) return std::nullopt;
    return ToNativePath(chosen);
}

bool QtPlatform::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(FromProgramText(url)));
}

} // namespace quillon::ui
