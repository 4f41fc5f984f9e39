#pragma once

#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSplitter;
class QStackedWidget;

namespace Linewright {
class CLinewrightDoc;
struct FormContent;
struct LapRef;
struct SpeedUnit;
}

namespace Linewright::Gui {

class LapComparisonWidget;
class LapListView;
class LapPreviewWidget;
class MessageBoxes;

// The application's one form: the track name, the record count of the game's LPs, the complete
// laps of the open replay (the fastest marked, and a button that selects it), the game's LP
// types, the Convert button (also Enter), and beside them the preview of the selected lap with
// a line on how it differs from the existing LP of the selected type. A splitter divides the
// form from the preview; spare width goes to the lap list and the preview. Every change of the
// selected lap or type, by mouse, keyboard or call, redraws the preview. With several laps
// selected the preview gives way to the laps side by side, and Convert, which converts the
// first of them, names it.
class CLinewrightView : public QWidget {
    Q_OBJECT
public:
    CLinewrightView(CLinewrightDoc& document, MessageBoxes& messages, QWidget* parent = nullptr);

    // Fills the form with what was read of the document after it opened a replay; the fastest
    // lap and "work" are selected.
    void OnInitialUpdate(const FormContent& content);
    // Selects the fastest complete lap.
    void OnFastest();
    // Converts the selected lap into a new LP of the selected type and writes it as
    // <track directory>/<type>.lp, asking before it replaces a file, which is then kept as
    // <type>.lp.bak; errors are shown. Does nothing while no replay is open.
    void OnConvert();

    // Speeds on the preview and the laps side by side.
    void SetSpeedUnit(const SpeedUnit& unit);

    LapPreviewWidget& GetPreview() { return *preview; }
    LapComparisonWidget& GetComparisonView() { return *comparisonView; }
    QSplitter& GetSplitter() { return *splitter; }

private:
    void CreateLayout();
    void Convert();
    // The one path of every change of the selected lap or type: recomputes the preview for
    // them; a lap that cannot be converted shows why in the preview's place.
    void OnSelectionChanged();
    QString GetSelectedType() const;
    void ShowPreview(const LapRef& lap, const QString& type);
    void ShowComparison(const std::vector<LapRef>& laps, const QString& type);
    // "Convert", or with several laps selected "Convert <the first lap>".
    void NameConvertedLap(const std::vector<LapRef>& laps);
    // Says that the LP was written, and where, with an offer to open its folder.
    void TellWritten(const std::string& path, bool keptBackup);
    // Moves the members into the controls, or with saveAndValidate the controls into the
    // members; false, with the message shown, when the record count is out of range.
    bool DoDataExchange(bool saveAndValidate);
    template <class Control>
    Control* AddControl(Control* control, int id);

    CLinewrightDoc& document;
    MessageBoxes& messages;

    QListWidget* m_typeList;
    LapListView* m_lapList;
    std::uint32_t m_lpRecords = 1;
    std::string m_type;
    std::string m_track;
    QLineEdit* trackEdit;
    QLineEdit* lpRecordsEdit;
    QPushButton* fastestButton;
    QPushButton* convertButton;
    LapPreviewWidget* preview;
    LapComparisonWidget* comparisonView;
    QStackedWidget* lapViews;
    QLabel* comparison;
    QSplitter* splitter;
};

}  // namespace Linewright::Gui
