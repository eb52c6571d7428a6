// The deterministic test platform.
#include "platform/fake/FakePlatform.h"

#include "base/Exceptions.h"
#include "platform/fake/RecordingCanvas.h"

namespace qbx::fake {

FakePlatform::FakePlatform()
    : previous_(InstallPlatform(this))
{
}

FakePlatform::~FakePlatform()
{
    InstallPlatform(previous_);
}

std::unique_ptr<Canvas> FakePlatform::CreateMeasuringCanvas(int dpi)
{
    return std::make_unique<RecordingCanvas>(dpi);
}

std::unique_ptr<BitmapCanvas> FakePlatform::CreateBitmapCanvas(int, int, int)
{
    throw ENotAvailable("The test platform has no bitmap canvas; use the Qt platform for pixels");
}

} // namespace qbx::fake
