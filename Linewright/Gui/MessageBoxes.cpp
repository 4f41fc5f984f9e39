#include "Linewright/Gui/MessageBoxes.h"

#include "Linewright/Gui/Resources.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace Linewright::Gui {

namespace {

QMessageBox::Icon ToQt(MessageBoxes::Icon icon) {
    switch (icon) {
    case MessageBoxes::Icon::Information: return QMessageBox::Information;
    case MessageBoxes::Icon::Warning: return QMessageBox::Warning;
    case MessageBoxes::Icon::Question: return QMessageBox::Question;
    case MessageBoxes::Icon::Stop: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageBoxes::Answer QtMessageBoxes::Show(QWidget* owner, const Message& message) {
    const bool asks = message.buttons == Buttons::OkCancel;
    QMessageBox box(ToQt(message.icon), Resources::AppTitle.text, message.text,
                    asks ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, owner);
    box.setInformativeText(message.detail);
    box.setDefaultButton(asks ? QMessageBox::Cancel : QMessageBox::Ok);
    box.setEscapeButton(asks ? QMessageBox::Cancel : QMessageBox::Ok);
    const QPushButton* action = message.action.isEmpty() ? nullptr : box.addButton(message.action, QMessageBox::ActionRole);
    box.exec();
    if (action && box.clickedButton() == action)
        return Answer::Action;
    return box.clickedButton() == box.button(QMessageBox::Ok) ? Answer::Ok : Answer::Cancel;
}

QString QtMessageBoxes::ChooseFileToOpen(QWidget* owner, const QString& caption, const QString& folder,
                                         const QString& filter) {
    return QFileDialog::getOpenFileName(owner, caption, folder, filter);
}

}  // namespace Linewright::Gui
