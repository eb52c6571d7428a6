// What the report asks of an attached preview control; the preview of the preview subsystem implements it.
#pragma once

#include "base/ObjectHandles.h"

#include <string>

namespace qbx {

class TqbxReport;

enum TqbxProgressType { ptRunning, ptExporting, ptPrinting };

// Not owned by the report: the report only references an attached preview, and the preview detaches
// itself (the report's removal notification) before it is destroyed.
class TqbxCustomPreview : public HandleTarget
{
public:
    // Binds the control to the report and its prepared pages and makes it ready to show them.
    virtual void Init(TqbxReport& report) = 0;
    virtual void ProgressStart(TqbxProgressType type) = 0;
    virtual void Progress(TqbxProgressType type, int value) = 0;
    virtual void ProgressStop(TqbxProgressType type) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
};

} // namespace qbx
