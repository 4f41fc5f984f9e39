#pragma once

#include <QString>

class QWidget;

namespace Linewright::Gui {

// Every message box of the application goes through this interface, so that tests can answer
// them. Boxes are modal and titled with the application's title.
class MessageBoxes {
public:
    enum class Icon { Information, Warning, Question, Stop };
    enum class Buttons { Ok, OkCancel };
    enum class Answer { Ok, Cancel };

    virtual ~MessageBoxes() = default;
    // owner may be null. Closing the box without a button answers Cancel, or Ok when Ok is the
    // only button.
    virtual Answer Show(QWidget* owner, const QString& text, Icon icon, Buttons buttons) = 0;
};

// The boxes the user sees, made with QMessageBox.
class QtMessageBoxes : public MessageBoxes {
public:
    Answer Show(QWidget* owner, const QString& text, Icon icon, Buttons buttons) override;
};

}  // namespace Linewright::Gui
