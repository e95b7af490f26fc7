#pragma once

// Input through the X server, as a user gives it: the toolkit's key table,
// its menus' keys and the splash window see exactly what they would see.
#include <wx/dialog.h>
#include <wx/eventfilter.h>
#include <wx/modalhook.h>
#include <functional>
#include <vector>

enum class KeyFocus { Give, AsItIs };

// Puts the pointer and (unless told to leave it) the keyboard focus on
// window, presses key with the modifiers (wxMOD_CONTROL, wxMOD_ALT,
// wxMOD_SHIFT) and handles what follows until arrived() says the key has come
// (or a while has passed without it).
void PressKey(wxWindow& window, int key, int modifiers, const std::function<bool()>& arrived,
              KeyFocus focus = KeyFocus::Give);

// Waits, handling events, until done() or the milliseconds have passed;
// returns done().
bool WaitUntil(const std::function<bool()>& done, long milliseconds = 2000);

// Answers every modal dialog, without showing it, through answer (Cancel
// when none is given), and keeps each in the order shown.
class DialogRecorder : public wxModalDialogHook {
  public:
    explicit DialogRecorder(std::function<int(wxDialog*)> answer = nullptr);
    ~DialogRecorder() override;

    // What each dialog was, as Describe() puts it.
    const std::vector<std::string>& Shown() const { return shown_; }
    void Forget() { shown_.clear(); }

    // A message box as "message: " and its text, a file dialog as "file
    // dialog", any other dialog by its class.
    static std::string Describe(wxDialog* dialog);

  protected:
    int Enter(wxDialog* dialog) override;
    void Exit(wxDialog*) override {}

  private:
    std::function<int(wxDialog*)> answer_;
    std::vector<std::string> shown_;
};

// Records the command of every menu event, whatever sends it; commands in
// swallowed are recorded and go no further.
class CommandRecorder : public wxEventFilter {
  public:
    explicit CommandRecorder(std::vector<int> swallowed = {});
    ~CommandRecorder() override;

    const std::vector<int>& Commands() const { return commands_; }
    void Forget() { commands_.clear(); }

    int FilterEvent(wxEvent& event) override;

  private:
    std::vector<int> swallowed_;
    std::vector<int> commands_;
};
