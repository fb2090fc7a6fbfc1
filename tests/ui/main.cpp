// The window tests' main(): offscreen unless a display is given, the build tree
// as working directory, one application object for every test.

#include <gtest/gtest.h>

#include <QDir>
#include <QStandardPaths>
#include <QString>
#include <cstdio>

#include "ui/urlapok.h"

namespace {

// The offscreen platform reports every window operation it cannot do; those
// lines say nothing about our windows.
QtMessageHandler alap = nullptr;

void uzenetek(QtMsgType tipus, const QMessageLogContext& hely, const QString& szoveg) {
    if (szoveg.startsWith("This plugin does not support")) return;
    if (szoveg.startsWith("QStandardPaths:")) return;
    if (alap)
        alap(tipus, hely, szoveg);
    else
        std::fprintf(stderr, "%s\n", qPrintable(szoveg));
}

}  // namespace

int main(int argc, char** argv) {
    // A large screen, so a maximised window has room to grow.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ULTI_UI_TEST_DIR "/nagy_kepernyo.json");
    testing::InitGoogleTest(&argc, argv);
    // Death tests re-run this program instead of forking a running Qt application.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QDir::setCurrent(QString::fromUtf8(ULTI_BUILD_DIR));
    alap = qInstallMessageHandler(uzenetek);
    // Even the program's own settings file would be a test folder's, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    UltiAlkalmazas app(argc, argv);
    return RUN_ALL_TESTS();
}
