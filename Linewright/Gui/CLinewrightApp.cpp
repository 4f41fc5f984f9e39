#include "Linewright/Gui/CLinewrightApp.h"

#include "Linewright/Gui/CMainFrame.h"
#include "Linewright/Gui/Resources.h"
#include "Util/AbortHandler.h"
#include "Util/Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>

namespace Linewright::Gui {

namespace {

const QString CurrentDirectoryKey = "Settings/CurrentDirectory";
constexpr int MaxPath = 260;

}  // namespace

CLinewrightApp::CLinewrightApp(MessageBoxes& messages) : messages(messages), abortHandler(messages) {}

CLinewrightApp::~CLinewrightApp() = default;

void CLinewrightApp::DescribeCommandLine(QCommandLineParser& parser) {
    QCoreApplication::setOrganizationName(Resources::CompanyKey);
    QCoreApplication::setApplicationName(Resources::AppTitle.text);
    QCoreApplication::setApplicationVersion(Tessel::Util::VersionText);
    parser.setApplicationDescription(
        "Linewright: turns a lap of a racing-simulation replay into an LP file, in a window.\n"
        "Open a replay, pick a complete lap and an LP type, and press Convert to write\n"
        "<track folder>/<type>.lp.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("replay", "A replay to open at start-up.", "[replay]");
}

bool CLinewrightApp::InitInstance(const QStringList& arguments) {
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    frame = std::make_unique<CMainFrame>(document, messages);
    parser.process(arguments);
    const auto replays = parser.positionalArguments();
    if (!replays.isEmpty() && !frame->OpenDocumentFile(replays.front()))
        return false;

    const auto directory = QSettings().value(CurrentDirectoryKey).toString();
    if (!directory.isEmpty())
        QDir::setCurrent(directory);
    frame->show();
    return true;
}

int CLinewrightApp::Run() {
    Tessel::Util::AbortHandlerScope scope(abortHandler);
    return QApplication::exec();
}

void CLinewrightApp::ExitInstance() {
    const auto directory = QDir::toNativeSeparators(QDir::currentPath());
    if (!directory.isEmpty() && directory.size() < MaxPath)
        QSettings().setValue(CurrentDirectoryKey, directory);
}

}  // namespace Linewright::Gui
