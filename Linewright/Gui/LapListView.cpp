#include "Linewright/Gui/LapListView.h"

#include "Linewright/LapComparison.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include <algorithm>

namespace Linewright::Gui {

namespace {

enum Column { DriverColumn, LapColumn, TimeColumn };
constexpr int CodeRole = Qt::UserRole;
constexpr int SortRole = Qt::UserRole + 1;

// Sorts by number: the list position, the lap index, the lap time.
class LapItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget()->sortColumn();
        return data(column, SortRole).toDouble() < other.data(column, SortRole).toDouble();
    }
};

}  // namespace

LapListView::LapListView(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(3);
    setHeaderLabels({"Driver", "Lap", "Time"});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    header()->setSortIndicator(-1, Qt::AscendingOrder);  // the replay's order until asked
    setSortingEnabled(true);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(DriverColumn, QHeaderView::Stretch);
    header()->setSectionResizeMode(LapColumn, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(TimeColumn, QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::itemSelectionChanged, this, &LapListView::KeepSelectionOrder);
}

void LapListView::Fill(const std::vector<LapListEntry>& laps) {
    clear();
    fastest = nullptr;
    selectionOrder.clear();
    const auto fastestIndex = FindFastestLap(laps);
    for (std::size_t index = 0; index < laps.size(); ++index) {
        const LapListEntry& entry = laps[index];
        auto* item = new LapItem(QStringList{QString::fromStdString(entry.driverName), QString::number(entry.lap.lap),
                                             QString::fromStdString(LapTimeText(entry.time))});
        item->setData(DriverColumn, CodeRole, entry.Code());
        item->setData(DriverColumn, SortRole, static_cast<double>(index));
        item->setData(LapColumn, SortRole, static_cast<double>(entry.lap.lap));
        item->setData(TimeColumn, SortRole, entry.time);
        item->setTextAlignment(LapColumn, Qt::AlignRight);
        item->setTextAlignment(TimeColumn, Qt::AlignRight);
        addTopLevelItem(item);
        if (fastestIndex == index) {
            fastest = item;
            QFont bold = item->font(DriverColumn);
            bold.setBold(true);
            for (int column = 0; column < columnCount(); ++column) {
                item->setFont(column, bold);
                item->setToolTip(column, "Fastest complete lap");
            }
        }
    }
}

QString LapListView::RowText(int row) const {
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(DriverColumn) + " " + item->text(TimeColumn) : QString();
}

std::optional<LapRef> LapListView::GetSelectedLap() const {
    const std::vector<LapRef> laps = GetSelectedLaps();
    return laps.empty() ? std::nullopt : std::optional(laps.front());
}

std::vector<LapRef> LapListView::GetSelectedLaps() const {
    std::vector<LapRef> laps;
    for (const QTreeWidgetItem* item : OrderSelection())
        if (const auto lap = DecodeLapItem(item->data(DriverColumn, CodeRole).toUInt()))
            laps.push_back(*lap);
    return laps;
}

std::vector<QTreeWidgetItem*> LapListView::OrderSelection() const {
    std::vector<QTreeWidgetItem*> ordered;
    std::copy_if(selectionOrder.begin(), selectionOrder.end(), std::back_inserter(ordered),
                 [](const QTreeWidgetItem* item) { return item->isSelected(); });
    for (int row = 0; row < topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = topLevelItem(row);
        if (item->isSelected() && std::find(ordered.begin(), ordered.end(), item) == ordered.end())
            ordered.push_back(item);
    }
    return ordered;
}

void LapListView::KeepSelectionOrder() {
    selectionOrder = OrderSelection();
    const QSignalBlocker quiet(this);
    while (selectionOrder.size() > mostComparedLaps) {
        selectionOrder.back()->setSelected(false);
        selectionOrder.pop_back();
    }
}

void LapListView::SelectFastest() {
    if (!fastest)
        return;
    setCurrentItem(fastest);
    scrollToItem(fastest);
}

}  // namespace Linewright::Gui
