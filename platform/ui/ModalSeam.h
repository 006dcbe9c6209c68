#pragma once
// Every modal run (a dialog, a message box, the file-open dialog, the folder
// browser) passes through here, so a test can see what opened and act in it.

#include "CString.h"

#include <functional>
#include <vector>

class CWnd;
class QWidget;

enum class ModalKind { Dialog, MessageBox, FileOpen, FolderBrowser };

struct ModalRun {
    ModalKind kind = ModalKind::Dialog;
    unsigned templateId = 0;  // dialogs
    CString caption;
    CString text;             // message boxes: the message; browsers: the title
    CWnd* owner = nullptr;    // the framework window that owns the run
    QWidget* window = nullptr;  // the real window, shown and in its modal loop
    CString initialPath;      // file-open dialog and folder browser
};

namespace modal_seam {

// Acts in the next modal run: called once the window is shown, inside its
// modal loop. Scripts are taken in the order they were queued.
using Script = std::function<void(const ModalRun&)>;
void Expect(Script script);
// In strict mode a modal run with no queued script is a test fault: it is
// reported and the run is cancelled instead of waiting for a person.
void SetStrict(bool strict);
int PendingScripts();
const std::vector<ModalRun>& Log();
void ClearLog();

// Runs that found no script in strict mode (each was cancelled).
int UnscriptedRuns();

// The framework's side: records the run and hands out its script, if any.
bool Take(const ModalRun& run, Script& script);

}  // namespace modal_seam
