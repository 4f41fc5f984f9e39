#pragma once

#include "Linewright/LapList.h"

#include <QTreeWidget>

#include <optional>
#include <vector>

namespace Linewright::Gui {

// The form's lap list (control 1000): driver, lap number and lap time in columns, in the
// replay's order until a column header is clicked to sort by it (the Driver column restores
// the replay's order). The fastest complete lap is shown in bold. Ctrl and Shift with a click
// select several laps to compare, up to mostComparedLaps; the list keeps the order in which
// they were selected.
class LapListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit LapListView(QWidget* parent = nullptr);

    void Fill(const std::vector<LapListEntry>& laps);
    int count() const { return topLevelItemCount(); }
    // Rows as shown, after any sorting.
    int currentRow() const { return indexOfTopLevelItem(currentItem()); }
    void setCurrentRow(int row) { setCurrentItem(topLevelItem(row)); }
    // "<driver name> <lap time text>", as the list showed laps before it had columns.
    QString RowText(int row) const;
    // The lap of the selected row; empty when none. The selection, not the current row, names
    // the lap: a mouse press moves the current row before it selects.
    // With several selected, the first of them selected.
    std::optional<LapRef> GetSelectedLap() const;
    // The laps of the selected rows in the order they were selected.
    std::vector<LapRef> GetSelectedLaps() const;
    bool HasFastest() const { return fastest != nullptr; }
    void SelectFastest();

private:
    // Follows each change of the selection: rows newly selected join the end of the order, and
    // those beyond the most that are compared are deselected again.
    void KeepSelectionOrder();
    // The selected rows: those of the kept order first, then any others in the list's order
    // (a selection made while the list's signals were blocked).
    std::vector<QTreeWidgetItem*> OrderSelection() const;

    QTreeWidgetItem* fastest = nullptr;
    std::vector<QTreeWidgetItem*> selectionOrder;
};

}  // namespace Linewright::Gui
