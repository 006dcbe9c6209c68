#pragma once
// The framework's own record of which control of a dialog has the keyboard
// focus. Focus notifications come from here, not from the window system's
// activation timing: when a modal run owned by the dialog ends, the focus is
// given back at once (before the run's caller continues), and the window
// system's re-activation that follows later raises nothing, because the
// model's focus did not move.

#include <functional>

class FocusModel {
public:
    // gained: the control got the focus; otherwise it lost it.
    using Notify = std::function<void(int id, bool gained)>;

    explicit FocusModel(Notify notify) : m_notify(std::move(notify)) {}

    // The toolkit's keyboard focus is now on control id.
    void FocusArrived(int id);
    // The user went to another application.
    void ApplicationLeft();
    // The window system activated the window.
    void ActivationArrived();
    void ModalChildStarted();
    // The remembered control, which has the focus again (notified).
    int ModalChildEnded(bool windowActive);
    // A control that can no longer have the focus (disabled, destroyed).
    void Forget(int id);
    // A new window: nothing focused yet.
    void Reset();

    int Focused() const { return m_focused; }
    bool HasFocus() const { return m_active && m_focused != 0; }
    bool InModalChild() const { return m_modalChildren > 0; }

private:
    Notify m_notify;
    int m_focused = 0;
    bool m_active = false;
    int m_modalChildren = 0;
    // After a modal run the window system re-activates the owner on its own
    // time; a deactivation seen before that is the closed window's, not the user's.
    bool m_awaitingActivation = false;
};
