#include "Linewright/Gui/MessageBoxes.h"

#include "Linewright/Gui/Resources.h"

#include <QMessageBox>

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

MessageBoxes::Answer QtMessageBoxes::Show(QWidget* owner, const QString& text, Icon icon, Buttons buttons) {
    const auto standardButtons = buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Ok | QMessageBox::Cancel;
    QMessageBox box(ToQt(icon), Resources::AppTitle.text, text, standardButtons, owner);
    box.setEscapeButton(buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

}  // namespace Linewright::Gui
