// The installed platform layer: the one place the core asks for canvases, fonts and UI services.
#pragma once

#include "platform/Canvas.h"

#include <memory>

namespace qbx {

class FontCatalog;
class RasterImage;
class Ui;

// A canvas over an image of its own, whose pixels can be read back.
class BitmapCanvas : public Canvas
{
public:
    virtual RasterImage Snapshot() const = 0;
};

// Implemented once per platform (Qt for the programs, a deterministic fake for core tests) and installed
// at start-up with InstallPlatform; it is not owned by the core and must outlive every use.
class Platform
{
public:
    virtual ~Platform() = default;
    virtual Ui& GetUi() = 0;
    virtual FontCatalog& Fonts() = 0;
    // A canvas that draws nowhere and measures text at `dpi` (600 for the text engine).
    virtual std::unique_ptr<Canvas> CreateMeasuringCanvas(int dpi) = 0;
    // A white image canvas of the given size at `dpi`.
    virtual std::unique_ptr<BitmapCanvas> CreateBitmapCanvas(int width, int height, int dpi = 96) = 0;
};

// Installs the platform (nullptr removes it). The previous one is returned so that tests can restore it.
Platform* InstallPlatform(Platform* platform);

// The installed platform; raises ENotAvailable "No platform layer is installed" when there is none.
Platform& CurrentPlatform();
bool HasPlatform();

} // namespace qbx
