#include "Linewright/Gui/CLinewrightView.h"

#include "Linewright/CLinewrightDoc.h"
#include "Linewright/LapList.h"
#include "Linewright/LpOutput.h"
#include "Linewright/TrackLp.h"
#include "Linewright/Gui/BusyCursor.h"
#include "Linewright/Gui/ErrorGuard.h"
#include "Linewright/Gui/MessageBoxes.h"
#include "Linewright/Gui/Resources.h"
#include "Papy/Lp/LpFile.h"
#include "Papy/Replays/RpyFile.h"
#include "Util/ReplacingFile.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace Linewright::Gui {

using namespace Tessel;

namespace {

constexpr int FormWidth = 314;
constexpr int FormHeight = 212;
constexpr std::uint32_t MinRecords = 1;
constexpr std::uint32_t MaxRecords = 2000000000;

QListWidget* MakeListBox(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return list;
}

QLineEdit* MakeReadOnlyEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    return edit;
}

}  // namespace

CLinewrightView::CLinewrightView(CLinewrightDoc& document, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent), document(document), messages(messages) {
    // Created in the tab order of the form.
    AddControl(new QLabel("Track", this), 0, FromDialogUnits(7, 18, 20, 8));
    trackEdit = AddControl(MakeReadOnlyEdit(this), Resources::TrackEdit, FromDialogUnits(7, 31, 51, 14));
    AddControl(new QLabel("Lp Records", this), 0, FromDialogUnits(7, 50, 38, 8));
    lpRecordsEdit = AddControl(MakeReadOnlyEdit(this), Resources::LpRecordsEdit, FromDialogUnits(7, 63, 40, 14));
    lpRecordsEdit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), lpRecordsEdit));
    AddControl(new QLabel("Lap", this), 0, FromDialogUnits(66, 18, 13, 8));
    m_lapList = AddControl(MakeListBox(this), Resources::LapList, FromDialogUnits(86, 7, 146, 172));
    AddControl(new QLabel("Type", this), 0, FromDialogUnits(237, 18, 17, 8));
    m_typeList = AddControl(MakeListBox(this), Resources::TypeList, FromDialogUnits(259, 7, 48, 172));
    auto* convert = AddControl(new QPushButton("Convert", this), Resources::ConvertButton,
                               FromDialogUnits(131, 191, 50, 14));
    connect(convert, &QPushButton::clicked, this, &CLinewrightView::OnConvert);
    setFixedSize(FromDialogUnits(0, 0, FormWidth, FormHeight).size());
    DoDataExchange(false);
}

template <class Control>
Control* CLinewrightView::AddControl(Control* control, int id, QRect place) {
    if (id != 0)
        control->setObjectName(QString::number(id));
    control->setGeometry(place);
    return control;
}

QRect CLinewrightView::FromDialogUnits(int x, int y, int width, int height) const {
    // A dialog unit is a quarter of the font's average letter width and an eighth of its height.
    const QFontMetrics metrics(font());
    const int letters = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int baseX = (letters / 26 + 1) / 2;
    const int baseY = metrics.height();
    return {x * baseX / 4, y * baseY / 8, width * baseX / 4, height * baseY / 8};
}

void CLinewrightView::OnInitialUpdate() {
    window()->resize(window()->size().boundedTo(window()->sizeHint()));
    m_lapList->clear();
    m_typeList->clear();
    RunGuarded(messages, this, [this] {
        BusyCursor busy;  // the track opens here
        FillLists();
    });
    if (m_lapList->count() > 0)
        m_lapList->setCurrentRow(0);
    DoDataExchange(false);
}

void CLinewrightView::FillLists() {
    const auto rpy = document.GetRpy();
    if (!rpy)
        return;
    for (const auto& entry : ListCompleteLaps(*rpy)) {
        auto* item = new QListWidgetItem(QString::fromStdString(entry.Text()), m_lapList);
        item->setData(Qt::UserRole, entry.Code());
    }
    const auto summary = SummarizeTrackLps(*document.GetTrackFactory());
    m_track = rpy->GetTrackName();
    for (const auto& type : summary.types)
        m_typeList->addItem(QString::fromStdString(type));
    m_type = workLpType;
    m_lpRecords = summary.records;
}

void CLinewrightView::OnConvert() {
    RunGuarded(messages, this, [this] { Convert(); });
}

void CLinewrightView::Convert() {
    DoDataExchange(true);
    const auto selected = m_lapList->selectedItems();
    const auto lap = DecodeLapItem(selected.isEmpty() ? 0u : selected.front()->data(Qt::UserRole).toUInt());
    if (!lap)
        return;
    if (m_type.empty()) {
        messages.Show(this, Resources::ChooseType.text, MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
        return;
    }
    const auto factory = document.GetTrackFactory();
    const std::string path = GetLpOutputPath(*factory, m_type);
    const auto lp = ConvertToNewLp(*factory, *document.GetRpy(), *lap, m_type);
    m_lpRecords = lp->GetRecordCount();
    const bool exists = Util::ReplacingFile::TargetExists(path);
    if (exists && messages.Show(this, Resources::OverwriteQuestion.text, MessageBoxes::Icon::Question,
                                MessageBoxes::Buttons::OkCancel) != MessageBoxes::Answer::Ok)
        return;
    WriteLpFile(*lp, path, exists);
    messages.Show(this, Resources::LpFileCreated.text, MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok);
}

bool CLinewrightView::DoDataExchange(bool saveAndValidate) {
    if (!saveAndValidate) {
        lpRecordsEdit->setText(QString::number(m_lpRecords));
        const auto types = m_typeList->findItems(QString::fromStdString(m_type), Qt::MatchExactly);
        m_typeList->setCurrentItem(types.isEmpty() ? nullptr : types.front());
        if (types.isEmpty())
            m_typeList->clearSelection();
        trackEdit->setText(QString::fromStdString(m_track));
        return true;
    }
    bool isNumber = false;
    const auto records = lpRecordsEdit->text().toULongLong(&isNumber);
    if (!isNumber || records < MinRecords || records > MaxRecords) {
        messages.Show(this, QString(Resources::IntegerRange.text).arg(MinRecords).arg(MaxRecords),
                      MessageBoxes::Icon::Warning, MessageBoxes::Buttons::Ok);
        return false;
    }
    m_lpRecords = static_cast<std::uint32_t>(records);
    const auto selected = m_typeList->selectedItems();
    m_type = selected.isEmpty() ? std::string() : selected.front()->text().toStdString();
    m_track = trackEdit->text().toStdString();
    return true;
}

}  // namespace Linewright::Gui
