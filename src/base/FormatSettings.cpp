// The process-wide format settings.
#include "base/FormatSettings.h"

namespace qbx {

FormatSettings& SystemFormatSettings()
{
    static FormatSettings settings;
    return settings;
}

} // namespace qbx
