// The main of every test binary that opens windows: the offscreen platform
// unless a display is asked for, and an application object whose name comes
// from the executable, as the program's does.

#include "CWinApp.h"
#include "ModalSeam.h"
#include "ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace {
class TestApp : public CWinApp {};
TestApp theTestApp;

// A test that failed before its modal runs came leaves their scripts queued;
// they would otherwise act in the next test's windows and fail it too.
class DropLeftoverScripts : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override { modal_seam::DropScripts(); }
};
}  // namespace

int main(int argc, char** argv)
{
    AfxInitScriptedPlatform();
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new DropLeftoverScripts);
    return RUN_ALL_TESTS();
}
