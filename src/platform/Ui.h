// User-interface services the report core needs: message boxes, pending messages, timers, modal windows.
#pragma once

#include <functional>
#include <memory>
#include <string>

namespace qbx {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgButtons { mbOK, mbOKCancel, mbYesNo, mbYesNoCancel };
// Modal results, numbered as the system's dialogs return them.
enum TModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7
};

// A timer on the window thread; its handler runs from the message loop. Owned by whoever created it.
class Timer
{
public:
    virtual ~Timer() = default;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetInterval(int milliseconds) = 0;
    virtual int Interval() const = 0;
};

// A window the core shows modally (the preview, a dialog page, the password window).
class ModalWindow
{
public:
    virtual ~ModalWindow() = default;
    virtual TModalResult ShowModal() = 0;
};

// The progress window of long runs: a message and a cancel button. Owned by whoever created it.
class ProgressWindow
{
public:
    virtual ~ProgressWindow() = default;
    virtual void SetMessage(const std::string& text) = 0;
    // True once the user pressed cancel.
    virtual bool Cancelled() const = 0;
};

class Ui
{
public:
    virtual ~Ui() = default;

    // Shows a message and waits for the answer; headless, the text goes to standard error and the
    // first button's answer is returned.
    virtual TModalResult MessageBox(
        const std::string& text, const std::string& caption, TMsgDlgType type, TMsgDlgButtons buttons = mbOK)
        = 0;
    // Asks for a line of text (the password window); false when the user cancels.
    virtual bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value, bool secret) = 0;
    // Lets pending window messages run (repaints, clicks on a cancel button) in the middle of long work.
    virtual void ProcessMessages() = 0;
    // A new, disabled timer with the given interval (50 ms for asynchronous preparation).
    virtual std::unique_ptr<Timer> CreateTimer(std::function<void()> onTick, int intervalMs = 50) = 0;
    virtual TModalResult ShowModal(ModalWindow& window) { return window.ShowModal(); }
    // A shown progress window with the given caption.
    virtual std::unique_ptr<ProgressWindow> CreateProgressWindow(const std::string& caption) = 0;
    // True when there is no screen to show windows on.
    virtual bool IsHeadless() const = 0;
};

} // namespace qbx
