#include "FaultChild.h"
#include "GuiTest.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    // Settings go to a folder of this run, never to the user's own.
    QTemporaryDir configuration;
    ::setenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit().constData(), 1);
    QStandardPaths::setTestModeEnabled(true);
    if (argc > 1 && std::strcmp(argv[1], FaultChildArgument) == 0)
        return RunFaultChild(argc, argv);
    QApplication application(argc, argv);
    GuiTest test;
    return QTest::qExec(&test, argc, argv);
}
