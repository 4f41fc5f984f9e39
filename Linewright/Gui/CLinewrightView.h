#pragma once

#include <QWidget>

#include <cstdint>
#include <string>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace Linewright {
class CLinewrightDoc;
}

namespace Linewright::Gui {

class MessageBoxes;

// The application's one form: the track name, the record count of the game's LPs, the complete
// laps of the open replay, the game's LP types, and the Convert button.
class CLinewrightView : public QWidget {
    Q_OBJECT
public:
    CLinewrightView(CLinewrightDoc& document, MessageBoxes& messages, QWidget* parent = nullptr);

    // Fills the form from the document after it opened a replay (or from nothing at start-up).
    // An error is shown, and what was filled before it stays; the first lap and "work" are
    // selected either way.
    void OnInitialUpdate();
    // Converts the selected lap into a new LP of the selected type and writes it as
    // <track directory>/<type>.lp, asking before it replaces a file; errors are shown.
    void OnConvert();

private:
    void FillLists();
    void Convert();
    // Moves the members into the controls, or with saveAndValidate the controls into the
    // members; false, with the message shown, when the record count is out of range.
    bool DoDataExchange(bool saveAndValidate);
    // A rectangle in the dialog units of the form's font.
    QRect FromDialogUnits(int x, int y, int width, int height) const;
    template <class Control>
    Control* AddControl(Control* control, int id, QRect place);

    CLinewrightDoc& document;
    MessageBoxes& messages;

    QListWidget* m_typeList;
    QListWidget* m_lapList;
    std::uint32_t m_lpRecords = 1;
    std::string m_type;
    std::string m_track;
    QLineEdit* trackEdit;
    QLineEdit* lpRecordsEdit;
};

}  // namespace Linewright::Gui
