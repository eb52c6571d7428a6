// The recording test canvas.
#include "platform/fake/RecordingCanvas.h"

#include "platform/fake/TestFont.h"

namespace qbx::fake {

RecordingCanvas::RecordingCanvas(int dpi, bool printer, TSize size)
    : MetafileCanvas(size, dpi, printer)
{
}

TFontMetrics RecordingCanvas::FontMetrics()
{
    return TestFontMetrics(Font);
}

std::vector<int> RecordingCanvas::CharAdvances(std::u16string_view text)
{
    return TestFontAdvances(Font, text);
}

std::vector<std::string> RecordingCanvas::Log() const
{
    std::vector<std::string> lines;
    for (const CanvasCommand& c : Commands())
        lines.push_back(DescribeCommand(c));
    return lines;
}

} // namespace qbx::fake
