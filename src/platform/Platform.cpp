// The process-wide pointer to the installed platform layer.
#include "platform/Platform.h"

#include "base/Exceptions.h"

namespace qbx {
namespace {

Platform* gPlatform = nullptr;

} // namespace

Platform* InstallPlatform(Platform* platform)
{
    Platform* previous = gPlatform;
    gPlatform = platform;
    return previous;
}

Platform& CurrentPlatform()
{
    if (!gPlatform)
        throw ENotAvailable("No platform layer is installed");
    return *gPlatform;
}

bool HasPlatform()
{
    return gPlatform != nullptr;
}

} // namespace qbx
