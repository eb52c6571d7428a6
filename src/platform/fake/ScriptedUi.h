// A UI for tests: it records what it is asked and answers what the test scripted.
#pragma once

#include "platform/Ui.h"

#include <deque>
#include <string>
#include <vector>

namespace qbx::fake {

class ScriptedUi : public Ui
{
public:
    struct Message
    {
        std::string Text, Caption;
        TMsgDlgType Type;
    };
    struct ManualTimer;

    // Answers are taken in order; with none left a message box answers mrOk and a query is cancelled.
    std::deque<TModalResult> MessageAnswers;
    std::deque<std::string> QueryAnswers; // an answer "\x18" (CAN) cancels the query
    std::vector<Message> Messages;
    std::vector<std::string> Queries; // the prompts asked
    int ProcessMessagesCalls = 0;
    std::vector<std::string> ProgressMessages; // every message any progress window showed
    int ProgressWindowsOpened = 0;
    int ProgressWindowsOpen = 0;
    bool CancelProgress = false; // what the progress windows' cancel buttons report

    TModalResult MessageBox(
        const std::string& text, const std::string& caption, TMsgDlgType type, TMsgDlgButtons buttons = mbOK) override;
    bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value, bool secret) override;
    void ProcessMessages() override;
    std::unique_ptr<Timer> CreateTimer(std::function<void()> onTick, int intervalMs = 50) override;
    bool IsHeadless() const override { return true; }
    std::unique_ptr<ProgressWindow> CreateProgressWindow(const std::string& caption) override;

    // Runs the handler of every enabled timer once, as if their interval had passed.
    void FireTimers();

private:
    std::vector<ManualTimer*> timers_;
};

} // namespace qbx::fake
