// The Qt implementation of the platform layer, and the start-up every qbx program shares.
#pragma once

#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/Ui.h"

#include <memory>

class QApplication;

namespace qbx {

// Message boxes, input, timers and pending messages on Qt Widgets. Headless (the offscreen or minimal
// platform plugin) message boxes print "caption: text" to standard error and answer with the first button.
class QtUi : public Ui
{
public:
    TModalResult MessageBox(
        const std::string& text, const std::string& caption, TMsgDlgType type, TMsgDlgButtons buttons = mbOK) override;
    bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value, bool secret) override;
    void ProcessMessages() override;
    std::unique_ptr<Timer> CreateTimer(std::function<void()> onTick, int intervalMs = 50) override;
    bool IsHeadless() const override;
    // Headless, progress messages go to standard error when it is a terminal, one line rewritten.
    std::unique_ptr<ProgressWindow> CreateProgressWindow(const std::string& caption) override;
};

class QtFontCatalog : public FontCatalog
{
public:
    std::string ResolvedFamily(const std::string& requested) override;
};

// Owned by the program's main routine; installs itself on construction and uninstalls on destruction.
class QtPlatform : public Platform
{
public:
    QtPlatform();
    ~QtPlatform() override;
    Ui& GetUi() override { return ui_; }
    FontCatalog& Fonts() override { return fonts_; }
    std::unique_ptr<Canvas> CreateMeasuringCanvas(int dpi) override;
    std::unique_ptr<BitmapCanvas> CreateBitmapCanvas(int width, int height, int dpi = 96) override;

private:
    QtUi ui_;
    QtFontCatalog fonts_;
    Platform* previous_;
};

// Points fontconfig at the project's configuration (fonts.conf beside the executable, or in
// ../share/qbx/) unless FONTCONFIG_FILE is already set. Must run before the Qt application exists.
void UseProjectFontConfig();

// Chooses the offscreen platform plugin when there is no display and QT_QPA_PLATFORM is unset.
void ChooseHeadlessWhenNoDisplay();

// Both of the above, then the application object.
std::unique_ptr<QApplication> CreateApplication(int& argc, char** argv);

} // namespace qbx
