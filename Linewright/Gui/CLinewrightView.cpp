#include "Linewright/Gui/CLinewrightView.h"

#include "Linewright/CLinewrightDoc.h"
#include "Linewright/FormContent.h"
#include "Linewright/LapComparison.h"
#include "Linewright/LapList.h"
#include "Linewright/LapPreview.h"
#include "Linewright/LpOutput.h"
#include "Linewright/TrackDirectoryLps.h"
#include "Linewright/Gui/BusyCursor.h"
#include "Linewright/Gui/ErrorGuard.h"
#include "Linewright/Gui/LapComparisonWidget.h"
#include "Linewright/Gui/LapListView.h"
#include "Linewright/Gui/LapPreviewWidget.h"
#include "Linewright/Gui/MessageBoxes.h"
#include "Linewright/Gui/Resources.h"
#include "Papy/Lp/LpFile.h"
#include "Papy/Replays/RpyFile.h"
#include "Util/Exception.h"
#include "Util/PathName.h"
#include "Util/ReplacingFile.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QUrl>

namespace Linewright::Gui {

using namespace Tessel;

namespace {

constexpr std::uint32_t MinRecords = 1;
constexpr std::uint32_t MaxRecords = 2000000000;

QListWidget* MakeListBox(QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return list;
}

QString NativePath(const std::string& path) { return QDir::toNativeSeparators(QString::fromStdString(path)); }

QLineEdit* MakeReadOnlyEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    // Top-aligned, the text sits where a centred one does in an edit of its natural height; centred,
    // QLineEdit places it by the text's bounding box, which wine's fonts report several lines tall,
    // and the text was drawn out of sight.
    edit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return edit;
}

}  // namespace

CLinewrightView::CLinewrightView(CLinewrightDoc& document, MessageBoxes& messages, QWidget* parent)
    : QWidget(parent), document(document), messages(messages) {
    // Created in the tab order of the form.
    trackEdit = AddControl(MakeReadOnlyEdit(this), Resources::TrackEdit);
    lpRecordsEdit = AddControl(MakeReadOnlyEdit(this), Resources::LpRecordsEdit);
    lpRecordsEdit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), lpRecordsEdit));
    m_lapList = AddControl(new LapListView(this), Resources::LapList);
    fastestButton = new QPushButton("&Fastest", this);
    fastestButton->setObjectName("fastest");
    fastestButton->setToolTip("Select the fastest complete lap");
    m_typeList = AddControl(MakeListBox(this), Resources::TypeList);
    convertButton = AddControl(new QPushButton("Convert", this), Resources::ConvertButton);
    preview = new LapPreviewWidget(this);
    comparisonView = new LapComparisonWidget(this);
    lapViews = new QStackedWidget(this);
    lapViews->addWidget(preview);
    lapViews->addWidget(comparisonView);
    comparison = new QLabel(this);
    comparison->setObjectName("comparison");
    comparison->setWordWrap(true);
    CreateLayout();
    connect(convertButton, &QPushButton::clicked, this, &CLinewrightView::OnConvert);
    connect(fastestButton, &QPushButton::clicked, this, &CLinewrightView::OnFastest);
    connect(m_lapList, &QTreeWidget::itemSelectionChanged, this, &CLinewrightView::OnSelectionChanged);
    connect(m_typeList, &QListWidget::itemSelectionChanged, this, &CLinewrightView::OnSelectionChanged);
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this, this, &CLinewrightView::OnConvert);
        enter->setContext(Qt::WidgetWithChildrenShortcut);
    }
    fastestButton->setEnabled(false);
    convertButton->setEnabled(false);
    DoDataExchange(false);
}

// The form's controls on the left, the lists taking the height and the lap list the spare
// width; the preview, beyond a splitter, takes the rest.
void CLinewrightView::CreateLayout() {
    auto* formPane = new QWidget(this);
    auto* form = new QGridLayout(formPane);
    form->setContentsMargins(0, 0, 0, 0);
    form->addWidget(new QLabel("Track", formPane), 0, 0);
    form->addWidget(trackEdit, 1, 0);
    form->addWidget(new QLabel("Lp Records", formPane), 2, 0);
    form->addWidget(lpRecordsEdit, 3, 0);
    form->addWidget(new QLabel("Lap", formPane), 0, 1);
    form->addWidget(m_lapList, 1, 1, 4, 1);
    form->addWidget(fastestButton, 5, 1);
    form->addWidget(new QLabel("Type", formPane), 0, 2);
    form->addWidget(m_typeList, 1, 2, 5, 1);
    form->addWidget(convertButton, 6, 0, 1, 3, Qt::AlignHCenter);
    form->setRowStretch(4, 1);
    form->setColumnStretch(1, 1);
    m_lapList->setMinimumSize(240, 90);
    m_typeList->setMinimumSize(90, 90);
    m_typeList->setMaximumWidth(120);
    m_typeList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    trackEdit->setMinimumWidth(80);
    lpRecordsEdit->setMinimumWidth(80);

    auto* lapPane = new QWidget(this);
    auto* lap = new QVBoxLayout(lapPane);
    lap->setContentsMargins(0, 0, 0, 0);
    lap->addWidget(lapViews, 1);
    lap->addWidget(comparison);

    splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName("splitter");
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(formPane);
    splitter->addWidget(lapPane);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 3);
    auto* whole = new QHBoxLayout(this);
    whole->addWidget(splitter);
}

template <class Control>
Control* CLinewrightView::AddControl(Control* control, int id) {
    control->setObjectName(QString::number(id));
    return control;
}

void CLinewrightView::OnInitialUpdate(const FormContent& content) {
    {
        // The lists are refilled without a preview for each row they pass through.
        const QSignalBlocker lapsQuiet(m_lapList);
        const QSignalBlocker typesQuiet(m_typeList);
        m_lapList->Fill(content.laps);
        m_typeList->clear();
        for (const auto& type : content.lps.types)
            m_typeList->addItem(QString::fromStdString(type));
        m_track = content.track;
        m_type = content.lps.types.empty() ? std::string() : workLpType;
        if (!content.lps.types.empty())
            m_lpRecords = content.lps.records;
        m_lapList->SelectFastest();
        DoDataExchange(false);
    }
    fastestButton->setEnabled(m_lapList->HasFastest());
    convertButton->setEnabled(document.GetRpy() != nullptr);
    OnSelectionChanged();
}

void CLinewrightView::SetSpeedUnit(const SpeedUnit& unit) {
    preview->SetSpeedUnit(unit);
    comparisonView->SetSpeedUnit(unit);
}

void CLinewrightView::OnFastest() { m_lapList->SelectFastest(); }

QString CLinewrightView::GetSelectedType() const {
    const auto selected = m_typeList->selectedItems();
    return selected.isEmpty() ? QString() : selected.front()->text();
}

void CLinewrightView::OnSelectionChanged() {
    const std::vector<LapRef> laps = m_lapList->GetSelectedLaps();
    const QString type = GetSelectedType();
    comparison->clear();
    NameConvertedLap(laps);
    lapViews->setCurrentWidget(preview);
    if (laps.empty() || type.isEmpty()) {
        preview->SetMessage(document.GetRpy() ? "Choose a lap and an LP type to see the line." : QString());
        return;
    }
    try {
        BusyCursor busy;
        laps.size() > 1 ? ShowComparison(laps, type) : ShowPreview(laps.front(), type);
    } catch (const Util::Exception& error) {
        preview->SetMessage(QString::fromStdString(error.GetMessageText()));
    } catch (const std::exception& error) {
        preview->SetMessage(QString::fromLocal8Bit(error.what()));
    }
}

void CLinewrightView::ShowPreview(const LapRef& lap, const QString& type) {
    LapPreview shown = MakeLapPreview(*document.RequireTrackFactory(), *document.GetRpy(), lap, type.toStdString(),
                                      document.GetTrackFile());
    comparison->setText(QString::fromStdString(shown.comparison));
    preview->SetPreview(std::move(shown));
}

void CLinewrightView::ShowComparison(const std::vector<LapRef>& laps, const QString& type) {
    comparisonView->SetComparison(CompareLaps(*document.RequireTrackFactory(), *document.GetRpy(), laps,
                                              type.toStdString(), 500, document.GetTrackFile()));
    lapViews->setCurrentWidget(comparisonView);
}

void CLinewrightView::NameConvertedLap(const std::vector<LapRef>& laps) {
    if (laps.size() < 2) {
        convertButton->setText("Convert");
        return;
    }
    const auto& replay = *document.GetRpy();
    const LapRef& first = laps.front();
    convertButton->setText(QString::fromStdString(
        "Convert " + replay.GetDriverName(first.driver) + " " +
        LapTimeText(replay.GetLapTime(first.table, first.driver, first.lap))));
}

void CLinewrightView::OnConvert() {
    if (document.GetRpy())
        RunGuarded(messages, this, [this] { Convert(); });
}

void CLinewrightView::Convert() {
    DoDataExchange(true);
    const auto lap = m_lapList->GetSelectedLap();
    if (!lap)
        return;
    if (m_type.empty()) {
        messages.Show(this, MessageBoxes::Message(Resources::ChooseType.text, MessageBoxes::Icon::Warning));
        return;
    }
    const auto factory = document.RequireTrackFactory();
    const std::string path = GetLpOutputPath(*factory, m_type);
    const auto lp = ConvertToNewLp(*factory, *document.GetRpy(), *lap, m_type, document.GetTrackFile());
    m_lpRecords = lp->GetRecordCount();
    const bool exists = Util::ReplacingFile::TargetExists(path);
    MessageBoxes::Message question(Resources::OverwriteQuestion.text, MessageBoxes::Icon::Question,
                                   MessageBoxes::Buttons::OkCancel);
    question.detail = NativePath(path);
    if (exists && messages.Show(this, question) != MessageBoxes::Answer::Ok)
        return;
    const bool keptBackup = exists && KeepBackup(path);
    WriteLpFile(*lp, path, exists);
    OnSelectionChanged();  // the file written is now the existing LP
    TellWritten(path, keptBackup);
}

void CLinewrightView::TellWritten(const std::string& path, bool keptBackup) {
    MessageBoxes::Message written(Resources::LpFileCreated.text);
    written.detail = NativePath(path);
    if (keptBackup)
        written.detail += "\nThe file it replaced is kept as " + NativePath(GetBackupPath(path)) + ".";
    written.action = Resources::OpenFolder;
    if (messages.Show(this, written) == MessageBoxes::Answer::Action)
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(QString::fromStdString(path)).absolutePath()));
}

bool CLinewrightView::DoDataExchange(bool saveAndValidate) {
    if (!saveAndValidate) {
        // No count is shown before a replay tells the game.
        lpRecordsEdit->setText(document.GetRpy() ? QString::number(m_lpRecords) : QString());
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
        messages.Show(this, MessageBoxes::Message(QString(Resources::IntegerRange.text).arg(MinRecords).arg(MaxRecords),
                                                  MessageBoxes::Icon::Warning));
        return false;
    }
    m_lpRecords = static_cast<std::uint32_t>(records);
    const auto selected = m_typeList->selectedItems();
    m_type = selected.isEmpty() ? std::string() : selected.front()->text().toStdString();
    m_track = trackEdit->text().toStdString();
    return true;
}

}  // namespace Linewright::Gui
