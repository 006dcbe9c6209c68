#pragma once
// Every modal run (a dialog, a message box, the file-open dialog, the folder
// browser) passes through here, so a test can see what opened and act in it.

#include "CString.h"

#include <functional>
#include <string>
#include <vector>

class CWnd;
class QWidget;

enum class ModalKind { Dialog, MessageBox, FileOpen, FolderBrowser };

// What a person picks in a file-open dialog or a folder browser: native
// paths ("/" separators), as the real dialog reports them. In a test a script
// fills it in the stand-in window, then confirms it (Enter) or cancels (Escape).
struct ModalPick {
    std::vector<std::string> paths;
};

struct ModalRun {
    ModalKind kind = ModalKind::Dialog;
    unsigned templateId = 0;  // dialogs
    CString caption;
    CString text;             // message boxes: the message; browsers: the title
    CWnd* owner = nullptr;    // the framework window that owns the run
    QWidget* window = nullptr;  // the real window, shown and in its modal loop
    CString initialPath;      // file-open dialog and folder browser
    ModalPick* pick = nullptr;  // file-open dialog and folder browser; valid during the run only
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
// Forgets the queued scripts, so one a test left behind cannot act in the
// runs of the next test.
void DropScripts();
const std::vector<ModalRun>& Log();
void ClearLog();

// Runs that found no script in strict mode (each was cancelled).
int UnscriptedRuns();

// Whether the next modal run is decided here (a queued script, or strict
// mode) rather than by a person: windows a test cannot drive, such as the
// file dialogs, then run as stand-ins.
bool NextRunScripted();

// The framework's side: records the run and hands out its script, if any.
bool Take(const ModalRun& run, Script& script);

}  // namespace modal_seam
