// The project window: one line per .CUT file of the folder with its counts, a progress bar
// and the work file it was read from; the folder's total below.
#include "ui/WorkWindows.h"

#include "ui/MirrorWidgets.h"
#include "ui/UiText.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QProgressBar>
#include <QShortcut>
#include <QStyledItemDelegate>

#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace quillon::ui {

namespace {

enum Column {
    kFile,
    kMessages,
    kTranslated,
    kUnchanged,
    kBlank,
    kInvalid,
    kLayout,
    kProgress,
    kReadFrom,
    kColumns
};
constexpr int kPercentRole = Qt::UserRole + 1;

// The progress column: a bar with the share of translated messages written on it.
class ProgressDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, QModelIndex());
        const int percent = index.data(kPercentRole).toInt();
        QStyleOptionProgressBar bar;
        bar.rect = option.rect.adjusted(2, 2, -2, -2);
        bar.minimum = 0;
        bar.maximum = 100;
        bar.progress = percent;
        bar.text = QStringLiteral("%1 %").arg(percent);
        bar.textVisible = true;
        bar.state = option.state | QStyle::State_Horizontal;
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ProgressBar, &bar, painter, widget);
    }
};

class ProjectListMirror : public Mirror {
public:
    ProjectListMirror(const ProjectWindow& project, QTreeWidget* tree)
        : project_(project), tree_(tree) {}

    void Sync() override {
        if (version_ != project_.RowsVersion) {
            version_ = project_.RowsVersion;
            Rebuild();
        }
        const int selected = project_.SelectedRow;
        if (selected >= 0 && selected < tree_->topLevelItemCount() &&
            tree_->currentItem() != tree_->topLevelItem(selected)) {
            QSignalBlocker block(tree_);
            tree_->setCurrentItem(tree_->topLevelItem(selected));
            tree_->scrollToItem(tree_->currentItem());
        }
    }

private:
    void Rebuild() {
        QSignalBlocker block(tree_);
        tree_->clear();
        QList<QTreeWidgetItem*> items;
        for (const ProjectRow& row : project_.Rows) {
            auto* item = new QTreeWidgetItem;
            item->setText(kFile, FromProgramText(row.name));
            item->setText(kMessages, FromProgramText(row.withText));
            item->setText(kTranslated, FromProgramText(row.translated));
            item->setText(kUnchanged, FromProgramText(row.unchanged));
            item->setText(kBlank, FromProgramText(row.blank));
            item->setText(kInvalid, FromProgramText(row.invalid));
            item->setText(kLayout, FromProgramText(row.layoutWarned));
            item->setData(kProgress, kPercentRole, row.percent);
            item->setText(kReadFrom, FromProgramText(row.readFrom));
            item->setToolTip(kReadFrom, FromNativePath(row.readFromTip));
            for (int column : {kMessages, kTranslated, kUnchanged, kBlank, kInvalid, kLayout})
                item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
            if (!row.invalidList.empty()) {
                item->setForeground(kInvalid, QColor(255, 0, 0));
                item->setToolTip(kInvalid,
                                 QStringLiteral("Invalid: ") + FromProgramText(row.invalidList));
            }
            if (!row.layoutList.empty()) {
                item->setForeground(kLayout, QColor(192, 0, 0));
                item->setToolTip(kLayout, QStringLiteral("Shown otherwise in the game: ") +
                                              FromProgramText(row.layoutList));
            }
            if (!row.error.empty()) item->setForeground(kReadFrom, QColor(255, 0, 0));
            if (row.openFile) {
                QFont bold = item->font(kFile);
                bold.setBold(true);
                item->setFont(kFile, bold);
            }
            items.push_back(item);
        }
        tree_->addTopLevelItems(items);
    }

    const ProjectWindow& project_;
    QTreeWidget* tree_;
    int version_ = -1;
};

} // namespace

AuxWindow BuildProjectView(ProjectWindow& project, const Runner& run, QWidget* owner) {
    AuxWindow aux;
    TopWindow* window = aux.Open(project.Window, TopWindow::Placement::CentreOfOwner, owner);
    std::shared_ptr<bool> alive = aux.alive;
    window->CloseRequested = aux.Guarded(run, [&project] { project.OnCloseClicked(); });
    // Esc closes it like any tool window; the main window then has the keys again.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(escape, &QShortcut::activated, window,
                     [close = window->CloseRequested] { close(); });

    auto label = [&](Label& source) {
        auto* widget = new QLabel(window);
        widget->setTextInteractionFlags(Qt::TextSelectableByMouse);
        aux.mirrors.push_back(std::make_unique<LabelMirror>(source, widget));
        aux.widgets[&source] = widget;
        return widget;
    };
    auto button = [&](CommandButton& source, int width) {
        WrapButton* widget = aux.AddButton(source, run);
        widget->setMinimumSize(width, 26);
        return widget;
    };

    auto* tree = new QTreeWidget(window);
    tree->setColumnCount(kColumns);
    tree->setHeaderLabels({QStringLiteral("File"), QStringLiteral("Messages"),
                           QStringLiteral("Translated"), QStringLiteral("Unchanged"),
                           QStringLiteral("Blank"), QStringLiteral("Invalid"),
                           QStringLiteral("Layout warnings"), QStringLiteral("Progress"),
                           QStringLiteral("Read from")});
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setAlternatingRowColors(true);
    tree->setItemDelegateForColumn(kProgress, new ProgressDelegate(tree));
    tree->header()->setStretchLastSection(true);
    tree->setColumnWidth(kFile, 90);
    // Each count is as wide as its heading needs, at least 70 px.
    const QFontMetrics metrics(tree->header()->font());
    for (int column : {kMessages, kTranslated, kUnchanged, kBlank, kInvalid, kLayout})
        tree->setColumnWidth(
            column, std::max(70, metrics.horizontalAdvance(tree->headerItem()->text(column)) + 16));
    tree->setColumnWidth(kProgress, 110);
    QObject::connect(tree, &QTreeWidget::itemDoubleClicked, window,
                     [&project, tree, run, alive](QTreeWidgetItem* item, int) {
                         const int index = tree->indexOfTopLevelItem(item);
                         if (*alive) run([&project, index] { project.OnRowDoubleClicked(index); });
                     });
    aux.mirrors.push_back(std::make_unique<ProjectListMirror>(project, tree));

    auto* total = new QProgressBar(window);
    aux.mirrors.push_back(std::make_unique<ProgressMirror>(project.ProgressTotal, total));
    total->setTextVisible(true);
    total->setFormat(QStringLiteral("%p %"));

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(label(project.LabelFolder));
    layout->addWidget(tree, 1);
    layout->addWidget(label(project.LabelTotal));
    layout->addWidget(total);
    auto* work = new QHBoxLayout;
    QLabel* workFolder = label(project.LabelWorkFolder);
    workFolder->setWordWrap(true);
    work->addWidget(workFolder, 1);
    work->addWidget(button(project.btnWorkFolder, 160));
    layout->addLayout(work);
    auto* bottom = new QHBoxLayout;
    QLabel* status = label(project.LabelStatus);
    status->setWordWrap(true);
    bottom->addWidget(status, 1);
    bottom->addWidget(button(project.btnRefresh, 90));
    bottom->addWidget(button(project.btnClose, 90));
    layout->addLayout(bottom);
    return aux;
}

} // namespace quillon::ui
