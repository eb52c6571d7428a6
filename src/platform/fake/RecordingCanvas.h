// A canvas for tests that records every call and measures text with the deterministic test font.
#pragma once

#include "platform/Metafile.h"

#include <string>
#include <vector>

namespace qbx::fake {

class RecordingCanvas : public MetafileCanvas
{
public:
    explicit RecordingCanvas(int dpi = 96, bool printer = false, TSize size = { 794, 1123 });

    TFontMetrics FontMetrics() override;
    std::vector<int> CharAdvances(std::u16string_view text) override;

    // One line per recorded call, as DescribeCommand writes it.
    std::vector<std::string> Log() const;
    const std::vector<CanvasCommand>& Commands() const { return Picture().Commands; }
};

} // namespace qbx::fake
