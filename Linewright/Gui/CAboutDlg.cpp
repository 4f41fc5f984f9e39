#include "Linewright/Gui/CAboutDlg.h"

#include "Linewright/Gui/Resources.h"
#include "Util/Version.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace Linewright::Gui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const QString title = Resources::AppTitle.text;
    setWindowTitle("About " + title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString("%1 Version %2.%3").arg(title).arg(Tessel::Util::VersionMajor).arg(Tessel::Util::VersionMinor), this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace Linewright::Gui
