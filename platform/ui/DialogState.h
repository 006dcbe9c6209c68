#pragma once
// What the framework keeps for one dialog object, and its entry points from
// the window system. Internal to the framework.

#include "CDialog.h"
#include "CMenu.h"
#include "FocusModel.h"
#include "MessageMap.h"

#include <map>
#include <memory>
#include <vector>

class DialogWindow;
struct DialogTemplate;

struct DialogState {
    DialogState(CDialog& owner, UINT id, CWnd* parentWnd);

    CDialog& dialog;
    UINT templateId;
    CWnd* parent;
    DialogWindow* window = nullptr;
    std::map<int, std::unique_ptr<CWnd>> items;  // what GetDlgItem hands out
    std::vector<CWnd*> attached;                  // members bound by DDX_Control
    CMenu systemMenu;
    HICON bigIcon = nullptr;
    HICON smallIcon = nullptr;
    int updating = 0;
    FocusModel focus;

    struct Message {
        MessageKind kind;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Message> current;  // the messages being handled, innermost last
};

// A control notification or a command from a button or menu item. Dropped
// while UpdateData writes the controls.
void DispatchCommand(CDialog& dialog, int id, int code);
void DispatchSysCommand(CDialog& dialog, UINT command);
void DispatchPaint(CDialog& dialog);
// Places the sorted adds gathered by the dialog's list boxes.
void CommitLists(CDialog& dialog);
// The modal run's owner: the parent given, else the main window (never itself).
CDialog* OwnerOf(CDialog& dialog);
// Before and after a modal run owned by dialog (nullptr: none).
void BeginModalChild(CDialog* owner);
void EndModalChild(CDialog* owner);
