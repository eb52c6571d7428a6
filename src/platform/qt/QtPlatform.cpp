// Qt-backed UI services, font lookup and canvas factories.
#include "platform/qt/QtPlatform.h"

#include "platform/Files.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtConvert_p.h"

#include <cstdlib>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QFontInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>

namespace qbx {
namespace {

class QtTimer : public Timer
{
public:
    QtTimer(std::function<void()> onTick, int intervalMs)
    {
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [tick = std::move(onTick)] { tick(); });
    }
    void SetEnabled(bool enabled) override
    {
        if (enabled)
            timer_.start();
        else
            timer_.stop();
    }
    bool Enabled() const override { return timer_.isActive(); }
    void SetInterval(int milliseconds) override { timer_.setInterval(milliseconds); }
    int Interval() const override { return timer_.interval(); }

private:
    QTimer timer_;
};

class TerminalProgress : public ProgressWindow
{
public:
    ~TerminalProgress() override
    {
        if (shown_)
            std::cerr << "\n";
    }
    void SetMessage(const std::string& text) override
    {
        if (!::isatty(2))
            return;
        std::cerr << "\r" << text << "\x1b[K" << std::flush;
        shown_ = true;
    }
    bool Cancelled() const override { return false; }

private:
    bool shown_ = false;
};

class DialogProgress : public ProgressWindow
{
public:
    explicit DialogProgress(const std::string& caption)
    {
        dialog_.setWindowTitle(ToQString(caption));
        dialog_.setRange(0, 0);
        dialog_.setMinimumDuration(0);
        dialog_.show();
    }
    void SetMessage(const std::string& text) override { dialog_.setLabelText(ToQString(text)); }
    bool Cancelled() const override { return dialog_.wasCanceled(); }

private:
    QProgressDialog dialog_;
};

TModalResult FirstAnswer(TMsgDlgButtons buttons)
{
    switch (buttons) {
    case mbOK:
    case mbOKCancel:
        return mrOk;
    case mbYesNo:
    case mbYesNoCancel:
        return mrYes;
    }
    return mrOk;
}

QMessageBox::StandardButtons ToQtButtons(TMsgDlgButtons buttons)
{
    switch (buttons) {
    case mbOK:
        return QMessageBox::Ok;
    case mbOKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case mbYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case mbYesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon ToQtIcon(TMsgDlgType type)
{
    switch (type) {
    case mtWarning:
        return QMessageBox::Warning;
    case mtError:
        return QMessageBox::Critical;
    case mtInformation:
        return QMessageBox::Information;
    case mtConfirmation:
        return QMessageBox::Question;
    case mtCustom:
        return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

TModalResult FromQtButton(int button)
{
    switch (button) {
    case QMessageBox::Ok:
        return mrOk;
    case QMessageBox::Yes:
        return mrYes;
    case QMessageBox::No:
        return mrNo;
    default:
        return mrCancel;
    }
}

} // namespace

TModalResult QtUi::MessageBox(
    const std::string& text, const std::string& caption, TMsgDlgType type, TMsgDlgButtons buttons)
{
    if (IsHeadless()) {
        std::string lines = text;
        for (std::size_t at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at))
            lines.erase(at, 1); // one error per terminal line
        while (!lines.empty() && lines.back() == '\n')
            lines.pop_back();
        std::cerr << caption << ": " << lines << std::endl;
        return FirstAnswer(buttons);
    }
    QMessageBox box(ToQtIcon(type), ToQString(caption), ToQString(text), ToQtButtons(buttons));
    return FromQtButton(box.exec());
}

bool QtUi::InputQuery(const std::string& caption, const std::string& prompt, std::string& value, bool secret)
{
    if (IsHeadless()) {
        std::cerr << caption << ": " << prompt << " (no display to ask on; cancelled)" << std::endl;
        return false;
    }
    bool ok = false;
    QString answer = QInputDialog::getText(nullptr, ToQString(caption), ToQString(prompt),
        secret ? QLineEdit::Password : QLineEdit::Normal, ToQString(value), &ok);
    if (ok)
        value = answer.toStdString();
    return ok;
}

std::unique_ptr<ProgressWindow> QtUi::CreateProgressWindow(const std::string& caption)
{
    if (IsHeadless())
        return std::make_unique<TerminalProgress>();
    return std::make_unique<DialogProgress>(caption);
}

void QtUi::ProcessMessages()
{
    QCoreApplication::processEvents();
}

std::unique_ptr<Timer> QtUi::CreateTimer(std::function<void()> onTick, int intervalMs)
{
    return std::make_unique<QtTimer>(std::move(onTick), intervalMs);
}

bool QtUi::IsHeadless() const
{
    QString name = QGuiApplication::platformName();
    return name == "offscreen" || name == "minimal" || name.isEmpty();
}

std::string QtFontCatalog::ResolvedFamily(const std::string& requested)
{
    return QFontInfo(QFont(ToQString(requested))).family().toStdString();
}

QtPlatform::QtPlatform()
    : previous_(InstallPlatform(this))
{
}

QtPlatform::~QtPlatform()
{
    InstallPlatform(previous_);
}

std::unique_ptr<Canvas> QtPlatform::CreateMeasuringCanvas(int dpi)
{
    return std::make_unique<QtCanvas>(1, 1, dpi);
}

std::unique_ptr<BitmapCanvas> QtPlatform::CreateBitmapCanvas(int width, int height, int dpi)
{
    return std::make_unique<QtCanvas>(width, height, dpi);
}

void UseProjectFontConfig()
{
    if (std::getenv("FONTCONFIG_FILE"))
        return;
    std::string folder = ExecutableFolder();
    for (const std::string& candidate : { folder + "/fonts.conf", folder + "/../share/qbx/fonts.conf" }) {
        if (FileExists(candidate)) {
            ::setenv("FONTCONFIG_FILE", candidate.c_str(), 1);
            return;
        }
    }
}

void ChooseHeadlessWhenNoDisplay()
{
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!std::getenv("QT_QPA_PLATFORM") && !(display && *display) && !(wayland && *wayland))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

std::unique_ptr<QApplication> CreateApplication(int& argc, char** argv)
{
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        // Qt wants a private runtime folder; without one it makes its own and warns on every start.
        std::string runtime = SystemTempFolder() + "/qbx-runtime-" + std::to_string(::getuid());
        ::mkdir(runtime.c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    UseProjectFontConfig();
    ChooseHeadlessWhenNoDisplay();
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace qbx
