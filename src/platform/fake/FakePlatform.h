// The deterministic platform for core tests: recording canvases, the test font and a scripted UI.
#pragma once

#include "platform/Fonts.h"
#include "platform/Platform.h"
#include "platform/fake/ScriptedUi.h"

namespace qbx::fake {

// Installs itself on construction and restores the previous platform on destruction.
class FakePlatform : public Platform, public FontCatalog
{
public:
    FakePlatform();
    ~FakePlatform() override;

    ScriptedUi TestUi;

    Ui& GetUi() override { return TestUi; }
    FontCatalog& Fonts() override { return *this; }
    std::string ResolvedFamily(const std::string& requested) override { return requested; }
    std::unique_ptr<Canvas> CreateMeasuringCanvas(int dpi) override;
    // Raises ENotAvailable: the test platform draws no pixels; pixel tests use the Qt platform.
    std::unique_ptr<BitmapCanvas> CreateBitmapCanvas(int width, int height, int dpi = 96) override;

private:
    Platform* previous_;
};

} // namespace qbx::fake
