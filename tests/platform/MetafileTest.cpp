// Recorded vector pictures play back stretched into another canvas.
#include "platform/Metafile.h"

#include "platform/fake/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace qbx {
namespace {

TEST(Metafile, PlaybackStretchesCoordinatesPensAndText)
{
    fake::RecordingCanvas measuring;
    MetafileCanvas recorder({ 100, 50 }, measuring);
    recorder.Pen.Width = 2;
    recorder.Brush = { clRed, bsSolid };
    recorder.Rectangle({ 10, 10, 50, 30 });
    recorder.MoveTo(0, 0);
    recorder.LineTo(100, 50);
    recorder.Font.Height = -10;
    recorder.TextOut(5, 5, u"ab");

    fake::RecordingCanvas target;
    target.Brush = { clWhite, bsSolid };
    target.DrawMetafile({ 100, 100, 300, 200 }, recorder.Picture());
    EXPECT_EQ(target.Log(),
        (std::vector<std::string> {
            "SaveClip",
            "IntersectClip 100,100,300,200",
            "Rectangle 120,120,200,160 pen=000000/4/0 brush=0000FF/0",
            "Line 100,100 300,200 pen=000000/4/0",
            "TextOut 110,110 \"ab\" font=Arial/-20/0/000000",
            "RestoreClip",
        }));
    // The recorded advances (5 and 5 in the test font at height 10) are scaled, not measured again.
    EXPECT_EQ(target.Commands()[4].Advances, (std::vector<int> { 10, 10 }));
    EXPECT_EQ(target.Brush.Color, clWhite);
}

} // namespace
} // namespace qbx
