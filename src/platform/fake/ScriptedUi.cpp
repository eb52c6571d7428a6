// The scripted test UI.
#include "platform/fake/ScriptedUi.h"

#include <algorithm>

namespace qbx::fake {

struct ScriptedUi::ManualTimer : Timer
{
    ManualTimer(ScriptedUi& ui, std::function<void()> tick, int interval)
        : Owner(ui)
        , Tick(std::move(tick))
        , IntervalMs(interval)
    {
    }
    ~ManualTimer() override { std::erase(Owner.timers_, this); }
    void SetEnabled(bool enabled) override { IsEnabled = enabled; }
    bool Enabled() const override { return IsEnabled; }
    void SetInterval(int milliseconds) override { IntervalMs = milliseconds; }
    int Interval() const override { return IntervalMs; }

    ScriptedUi& Owner;
    std::function<void()> Tick;
    int IntervalMs;
    bool IsEnabled = false;
};

TModalResult ScriptedUi::MessageBox(
    const std::string& text, const std::string& caption, TMsgDlgType type, TMsgDlgButtons)
{
    Messages.push_back({ text, caption, type });
    if (MessageAnswers.empty())
        return mrOk;
    TModalResult answer = MessageAnswers.front();
    MessageAnswers.pop_front();
    return answer;
}

bool ScriptedUi::InputQuery(const std::string&, const std::string& prompt, std::string& value, bool)
{
    Queries.push_back(prompt);
    if (QueryAnswers.empty())
        return false;
    std::string answer = QueryAnswers.front();
    QueryAnswers.pop_front();
    if (answer == "\x18")
        return false;
    value = answer;
    return true;
}

void ScriptedUi::ProcessMessages()
{
    ++ProcessMessagesCalls;
}

std::unique_ptr<Timer> ScriptedUi::CreateTimer(std::function<void()> onTick, int intervalMs)
{
    auto timer = std::make_unique<ManualTimer>(*this, std::move(onTick), intervalMs);
    timers_.push_back(timer.get());
    return timer;
}

namespace {

struct RecordingProgressWindow : ProgressWindow
{
    explicit RecordingProgressWindow(ScriptedUi& ui)
        : Owner(ui)
    {
        ++Owner.ProgressWindowsOpened;
        ++Owner.ProgressWindowsOpen;
    }
    ~RecordingProgressWindow() override { --Owner.ProgressWindowsOpen; }
    void SetMessage(const std::string& text) override { Owner.ProgressMessages.push_back(text); }
    bool Cancelled() const override { return Owner.CancelProgress; }
    ScriptedUi& Owner;
};

} // namespace

std::unique_ptr<ProgressWindow> ScriptedUi::CreateProgressWindow(const std::string&)
{
    return std::make_unique<RecordingProgressWindow>(*this);
}

void ScriptedUi::FireTimers()
{
    std::vector<ManualTimer*> due = timers_;
    for (ManualTimer* t : due)
        if (std::find(timers_.begin(), timers_.end(), t) != timers_.end() && t->IsEnabled)
            t->Tick();
}

} // namespace qbx::fake
