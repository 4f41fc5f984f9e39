#pragma once

#include <QDialog>

namespace Linewright::Gui {

// The modal about box: "Linewright Version 1.2.1.1", the build's date and commit, the licence and
// an OK button.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent);
};

}  // namespace Linewright::Gui
