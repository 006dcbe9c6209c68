// The dialog's own focus record: which events notify which control, and above
// all which late window-system events notify nothing.

#include "FocusModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum class Kind { Arrived, Left, Activation, ChildStarted, ChildEnded, ChildEndedInactive, Forget };

struct Event {
    Kind kind;
    int id = 0;  // Arrived, Forget
};

Event Arrived(int id) { return {Kind::Arrived, id}; }
Event Forget(int id) { return {Kind::Forget, id}; }
const Event kLeft{Kind::Left};
const Event kActivation{Kind::Activation};
const Event kStarted{Kind::ChildStarted};
const Event kEnded{Kind::ChildEnded};
const Event kEndedInactive{Kind::ChildEndedInactive};

struct Row {
    const char* label;
    std::vector<Event> events;
    std::vector<std::string> notes;  // "+id" gained, "-id" lost
    int focused;
    bool hasFocus;
};

const Row kRows[] = {
    {"first arrival", {Arrived(1015)}, {"+1015"}, 1015, true},
    {"arrival moves the focus", {Arrived(1015), Arrived(1004)}, {"+1015", "-1015", "+1004"}, 1004, true},
    {"arrival at the same control", {Arrived(1000), Arrived(1000)}, {"+1000"}, 1000, true},
    {"modal child gives the focus back once",
     {Arrived(1000), kStarted, kEnded},
     {"+1000", "-1000", "+1000"},
     1000,
     true},
    {"arrivals inside a modal child are not the dialog's",
     {Arrived(1000), kStarted, Arrived(1004), kEnded},
     {"+1000", "-1000", "+1000"},
     1000,
     true},
    {"nested modal children: one return at the outer end",
     {Arrived(1000), kStarted, kStarted, kEnded, kEnded},
     {"+1000", "-1000", "+1000"},
     1000,
     true},
    {"late re-activation after a modal child",
     {Arrived(1000), kStarted, kEndedInactive, kActivation, Arrived(1000)},
     {"+1000", "-1000", "+1000"},
     1000,
     true},
    {"late focus-in before the activation event",
     {Arrived(1000), kStarted, kEnded, Arrived(1000), kActivation},
     {"+1000", "-1000", "+1000"},
     1000,
     true},
    {"leaving the application and coming back",
     {Arrived(1000), kActivation, kLeft, Arrived(1000)},
     {"+1000", "-1000", "+1000"},
     1000,
     true},
    {"left while away counts once", {Arrived(1000), kLeft, kLeft}, {"+1000", "-1000"}, 1000, false},
    {"closed window's deactivation ignored until activation",
     {Arrived(1000), kStarted, kEndedInactive, kLeft, Arrived(1000)},
     {"+1000", "-1000", "+1000"},
     1000,
     true},
    {"after the activation a deactivation is the user's",
     {Arrived(1000), kStarted, kEndedInactive, kLeft, kActivation, kLeft, Arrived(1000)},
     {"+1000", "-1000", "+1000", "-1000", "+1000"},
     1000,
     true},
    {"active owner after a modal child: leaving counts at once",
     {Arrived(1000), kStarted, kEnded, kLeft},
     {"+1000", "-1000", "+1000", "-1000"},
     1000,
     false},
    {"modal child after leaving: nothing to lose, focus back at the end",
     {Arrived(1000), kLeft, kStarted, kEnded},
     {"+1000", "-1000", "+1000"},
     1000,
     true},
    {"forgotten control: nothing to give back",
     {Arrived(1004), Forget(1004), kStarted, kEnded},
     {"+1004"},
     0,
     false},
    {"forgetting another control changes nothing", {Arrived(1004), Forget(1002)}, {"+1004"}, 1004, true},
    {"end without a start", {Arrived(1000), kEnded}, {"+1000"}, 1000, true},
    {"leaving before any focus", {kLeft}, {}, 0, false},
};

TEST(FocusModel, EventSequencesNotify)
{
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.label);
        std::vector<std::string> notes;
        FocusModel model([&notes](int id, bool gained) { notes.push_back((gained ? "+" : "-") + std::to_string(id)); });
        for (const Event& event : row.events) {
            switch (event.kind) {
            case Kind::Arrived:
                model.FocusArrived(event.id);
                break;
            case Kind::Left:
                model.ApplicationLeft();
                break;
            case Kind::Activation:
                model.ActivationArrived();
                break;
            case Kind::ChildStarted:
                model.ModalChildStarted();
                break;
            case Kind::ChildEnded:
                model.ModalChildEnded(true);
                break;
            case Kind::ChildEndedInactive:
                model.ModalChildEnded(false);
                break;
            case Kind::Forget:
                model.Forget(event.id);
                break;
            }
        }
        EXPECT_EQ(notes, row.notes);
        EXPECT_EQ(model.Focused(), row.focused);
        EXPECT_EQ(model.HasFocus(), row.hasFocus);
        EXPECT_FALSE(model.InModalChild());
    }
}

TEST(FocusModel, ModalChildEndedReturnsTheRememberedControl)
{
    int notified = 0;
    FocusModel model([&notified](int, bool) { ++notified; });
    model.FocusArrived(1000);
    model.ModalChildStarted();
    EXPECT_TRUE(model.InModalChild());
    EXPECT_FALSE(model.HasFocus());
    EXPECT_EQ(model.ModalChildEnded(false), 1000);
    EXPECT_EQ(notified, 3);
}

TEST(FocusModel, ResetForgetsEverything)
{
    std::vector<std::string> notes;
    FocusModel model([&notes](int id, bool gained) { notes.push_back((gained ? "+" : "-") + std::to_string(id)); });
    model.FocusArrived(1000);
    model.ModalChildStarted();
    model.Reset();
    EXPECT_FALSE(model.InModalChild());
    EXPECT_EQ(model.Focused(), 0);
    model.FocusArrived(1015);
    EXPECT_EQ(notes, (std::vector<std::string>{"+1000", "-1000", "+1015"}));
}

}  // namespace
