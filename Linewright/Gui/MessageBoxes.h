#pragma once

#include <QString>

class QWidget;

namespace Linewright::Gui {

// Every message box and file dialog of the application goes through this interface, so that tests
// can answer them. Boxes are modal and titled with the application's title.
class MessageBoxes {
public:
    enum class Icon { Information, Warning, Question, Stop };
    // OkCancel boxes ask before something is replaced: Cancel is their default button, so that
    // Enter never replaces anything.
    enum class Buttons { Ok, OkCancel };
    enum class Answer { Ok, Cancel, Action };

    struct Message {
        explicit Message(QString text, Icon icon = Icon::Information, Buttons buttons = Buttons::Ok)
            : text(std::move(text)), icon(icon), buttons(buttons) {}

        QString text;    // the system's own text
        Icon icon;
        Buttons buttons;
        QString detail;  // below it: the file concerned, or what the text means; may be empty
        QString action;  // a further button ("Open Folder"), answered with Action; empty for none
    };

    virtual ~MessageBoxes() = default;
    // owner may be null. Closing the box without a button answers Cancel, or Ok when Ok is the
    // only button.
    virtual Answer Show(QWidget* owner, const Message& message) = 0;
    // The file to open that the user chose, starting in folder and offering filter; empty when
    // the dialog was cancelled.
    virtual QString ChooseFileToOpen(QWidget* owner, const QString& caption, const QString& folder,
                                     const QString& filter) = 0;
};

// The boxes the user sees, made with QMessageBox; the file dialogs are the system's own.
class QtMessageBoxes : public MessageBoxes {
public:
    Answer Show(QWidget* owner, const Message& message) override;
    QString ChooseFileToOpen(QWidget* owner, const QString& caption, const QString& folder,
                             const QString& filter) override;
};

}  // namespace Linewright::Gui
