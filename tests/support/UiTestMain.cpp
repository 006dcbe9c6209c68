// The main of every test binary that opens windows: the offscreen platform
// unless a display is asked for, and an application object whose name comes
// from the executable, as the program's does.

#include "CWinApp.h"
#include "ModalSeam.h"

#include <gtest/gtest.h>

#include <QByteArray>

namespace {
class TestApp : public CWinApp {};
TestApp theTestApp;
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static char programName[] = "/usr/bin/sorabun";
    static char* qtArgs[] = {programName, nullptr};
    int qtArgc = 1;
    AfxInitPlatform(qtArgc, qtArgs);
    modal_seam::SetStrict(true);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
