#include "FaultChild.h"
#include "GuiTest.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

int main(int argc, char* argv[]) {
    // Settings go to a folder of this run, never to the user's own (nor to the registry on Windows).
    QTemporaryDir configuration;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configuration.path());
    QStandardPaths::setTestModeEnabled(true);
    if (argc > 1 && std::strcmp(argv[1], FaultChildArgument) == 0)
        return RunFaultChild(argc, argv);
    QApplication application(argc, argv);
    GuiTest test;
    return QTest::qExec(&test, argc, argv);
}
