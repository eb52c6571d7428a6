// The second step of PDF export: the drawn file is rewritten with its document information, bookmarks,
// link annotations, a deterministic file identifier and, for PDF/A-2b, XMP metadata and an sRGB output
// intent. Positions are in sheet pixels (96 per inch from the paper's top-left corner).
#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qbx {

// A place in the file: a page (0-based, -1 when not in the file) and a height on it.
struct PdfTarget
{
    int Page = -1;
    long double Top = 0;
};

// A clickable area of a page: an external address, or a place in the file.
struct PdfLink
{
    int Page = 0;
    TRect Area;
    std::string Uri; // empty for an internal link
    PdfTarget Target;
};

struct PdfOutlineEntry
{
    std::string Title;
    PdfTarget Target;
    std::vector<PdfOutlineEntry> Children;
};

struct PdfInfo
{
    std::string Title, Author, Subject;
    std::int64_t Created = 0, Modified = 0; // seconds since 1970 (UTC)
    bool PdfA = false;
};

struct PdfContent
{
    PdfInfo Info;
    std::vector<PdfLink> Links;
    std::vector<PdfOutlineEntry> Outline;
};

// Writes `output` (atomically) from the drawn file. Raises EFileError naming a file that cannot be
// read or written.
void FinishPdf(const std::string& drawn, const std::string& output, const PdfContent& content);

} // namespace qbx
