#pragma once
// For programs that drive the windows themselves (the tests and benchmarks):
// the window system and an application object named "sorabun", as the
// program has them, on the offscreen platform unless QT_QPA_PLATFORM asks for
// another. A modal run without a queued script is cancelled, not waited on.
// The caller's application object (a CWinApp) must already exist.

void AfxInitScriptedPlatform();
