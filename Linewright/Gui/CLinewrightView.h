#pragma once

#include <QWidget>

#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace Linewright {
class CLinewrightDoc;
struct FormContent;
}

namespace Linewright::Gui {

class LapListView;
class LapPreviewWidget;
class MessageBoxes;

// The application's one form: the track name, the record count of the game's LPs, the complete
// laps of the open replay (the fastest marked, and a button that selects it), the game's LP
// types, the Convert button (also Enter), and beside them the preview of the selected lap with
// a line on how it differs from the existing LP of the selected type. The controls follow the
// window's size; the window cannot shrink below what shows them all.
class CLinewrightView : public QWidget {
    Q_OBJECT
public:
    CLinewrightView(CLinewrightDoc& document, MessageBoxes& messages, QWidget* parent = nullptr);

    // Fills the form with what was read of the document after it opened a replay; the first
    // lap and "work" are selected.
    void OnInitialUpdate(const FormContent& content);
    // Selects the fastest complete lap.
    void OnFastest();
    // Converts the selected lap into a new LP of the selected type and writes it as
    // <track directory>/<type>.lp, asking before it replaces a file; errors are shown.
    void OnConvert();

    LapPreviewWidget& GetPreview() { return *preview; }

private:
    void CreateLayout();
    void Convert();
    // Recomputes the preview for the selected lap and type; a lap that cannot be converted
    // shows why in the preview's place.
    void UpdatePreview();
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
    QLabel* comparison;
};

}  // namespace Linewright::Gui
