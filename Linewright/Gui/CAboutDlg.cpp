#include "Linewright/Gui/CAboutDlg.h"

#include "Linewright/Gui/Resources.h"
#include "Util/BuildInfo.h"
#include "Util/Version.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace Linewright::Gui {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    const QString title = Resources::AppTitle.text;
    setWindowTitle("About " + title);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QString("%1 Version %2").arg(title, Tessel::Util::VersionText), this));
    layout->addWidget(new QLabel(QString("Built %1 from commit %2").arg(Tessel::Util::BuildDate, Tessel::Util::BuildCommit), this));
    auto* licence = new QLabel(Tessel::Util::LicenceText, this);
    licence->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(licence);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace Linewright::Gui
