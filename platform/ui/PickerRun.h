#pragma once
// The modal run of a file-open dialog or a folder browser. Internal to the
// framework.
//
// Where the seam decides the run (tests), a plain stand-in window takes the
// place of the Qt dialog, which no test can drive, and the script's pick is
// the answer; otherwise the real dialog runs. Either way the owner's focus
// model is suspended meanwhile and its focus given back before this returns.

#include "ModalSeam.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QDialog;
class QWidget;

struct PickerWindow {
    // The real dialog, owned by parent (nullptr: none).
    std::function<std::unique_ptr<QDialog>(QWidget* parent)> build;
    // What the accepted real dialog holds, as native paths.
    std::function<std::vector<std::string>(QDialog& dialog)> read;
};

// A picker's run as the seam sees it: its title is both caption and text.
ModalRun PickerRunOf(ModalKind kind, const CString& title, CWnd* owner, const CString& initialPath);

// run carries kind, owner, caption, text and initialPath. The picked native
// paths, or nullopt when the run was cancelled.
std::optional<std::vector<std::string>> RunPicker(ModalRun run, const PickerWindow& real);
