#pragma once

#include <QDialog>

namespace Linewright::Gui {

// The modal about box: "Linewright Version 1.2" and an OK button.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace Linewright::Gui
