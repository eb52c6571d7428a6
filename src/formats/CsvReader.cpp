// Reading CSV files through libcsv.
#include "formats/CsvReader.h"

#include "base/Exceptions.h"

#include <algorithm>
#include <csv.h>

namespace qbx {
namespace {

constexpr std::size_t kChunk = 65536;

extern "C" void OnField(void* text, std::size_t length, void* reader)
{
    static_cast<CsvReader*>(reader)->AddField(static_cast<const char*>(text), length);
}

extern "C" void OnRowEnd(int, void* reader)
{
    static_cast<CsvReader*>(reader)->EndRow();
}

// The delimiter of the header line: the most frequent of ',', ';' and tab outside quotes.
char DetectDelimiter(const std::string& line)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            ++comma;
        else if (!quoted && c == ';')
            ++semicolon;
        else if (!quoted && c == '\t')
            ++tab;
    }
    return tab > comma && tab > semicolon ? '\t' : semicolon > comma ? ';' : ',';
}

} // namespace

CsvReader::CsvReader(std::string fileName, char delimiter)
    : fileName_(std::move(fileName))
    , parser_(new csv_parser())
{
    in_.open(fileName_, std::ios::binary);
    if (!in_)
        throw EFileError("Cannot open the data file " + fileName_);
    std::string first;
    std::getline(in_, first);
    if (first.rfind("\xEF\xBB\xBF", 0) == 0)
        first.erase(0, 3);
    delimiter_ = delimiter ? delimiter : DetectDelimiter(first);
    Start();
    CsvRow header;
    if (!ReadRow(header))
        throw EConvertError(Where(1, 1) + "the file has no header row");
    for (std::size_t i = 0; i < header.size(); ++i)
        header_.push_back(header[i].value_or("Field" + std::to_string(i + 1)));
    headerRead_ = true;
}

CsvReader::~CsvReader() = default;

void CsvReader::ParserFree::operator()(csv_parser* p) const
{
    csv_free(p);
    delete p;
}

void CsvReader::Start()
{
    in_.clear();
    in_.seekg(0);
    char bom[3] = {};
    in_.read(bom, 3);
    if (!(in_.gcount() == 3 && bom[0] == '\xEF' && bom[1] == '\xBB' && bom[2] == '\xBF')) {
        in_.clear();
        in_.seekg(0);
    }
    if (parser_->entry_buf)
        csv_free(parser_.get());
    csv_init(parser_.get(), CSV_STRICT | CSV_STRICT_FINI | CSV_APPEND_NULL);
    csv_set_delim(parser_.get(), static_cast<unsigned char>(delimiter_));
    ready_.clear();
    next_ = 0;
    building_.clear();
    rowLine_ = chunkLine_ = 1;
    lineBreaksInRow_ = 0;
    ended_ = false;
    error_.clear();
}

void CsvReader::Rewind()
{
    Start();
    CsvRow header;
    bool wasRead = headerRead_;
    headerRead_ = false;
    ReadRow(header); // the header again
    headerRead_ = wasRead;
}

void CsvReader::AddField(const char* text, std::size_t length)
{
    std::string value(text ? text : "", text ? length : 0);
    lineBreaksInRow_ += std::count(value.begin(), value.end(), '\n');
    building_.push_back(value.empty() ? std::nullopt : std::optional<std::string>(std::move(value)));
}

void CsvReader::EndRow()
{
    ready_.push_back({ rowLine_, std::move(building_) });
    building_.clear();
    rowLine_ += 1 + lineBreaksInRow_;
    lineBreaksInRow_ = 0;
}

// Errors are only noted inside the parser's callbacks (an exception must not cross the C library) and
// raised once it has returned. A position is the line a cell starts on and the cell's number.
bool CsvReader::Fill()
{
    if (ended_)
        return false;
    std::string chunk(kChunk, '\0');
    in_.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    chunk.resize(static_cast<std::size_t>(in_.gcount()));
    if (chunk.empty()) {
        ended_ = true;
        if (csv_fini(parser_.get(), OnField, OnRowEnd, this) != 0)
            error_ = Where(rowLine_ + lineBreaksInRow_, static_cast<long>(building_.size()) + 1)
                + "a quoted cell is not closed before the end of the file";
    } else if (csv_parse(parser_.get(), chunk.data(), chunk.size(), OnField, OnRowEnd, this) < chunk.size()
        && error_.empty()) {
        error_ = Where(rowLine_ + lineBreaksInRow_, static_cast<long>(building_.size()) + 1)
            + csv_strerror(csv_error(parser_.get()));
    }
    if (!error_.empty())
        throw EConvertError(error_);
    return !chunk.empty() || !ready_.empty();
}

bool CsvReader::ReadRow(CsvRow& row)
{
    while (next_ >= ready_.size()) {
        ready_.clear();
        next_ = 0;
        if (!Fill() && ready_.empty())
            return false;
    }
    ParsedRow& parsed = ready_[next_++];
    if (headerRead_ && parsed.Cells.size() > header_.size())
        throw EConvertError(Where(parsed.Line, static_cast<long>(header_.size()) + 1) + "the row has "
            + std::to_string(parsed.Cells.size()) + " cells, the header " + std::to_string(header_.size()));
    if (headerRead_)
        parsed.Cells.resize(header_.size());
    row = std::move(parsed.Cells);
    return true;
}

std::string CsvReader::Where(long line, long cell) const
{
    return fileName_ + ":" + std::to_string(line) + ":" + std::to_string(cell) + ": ";
}

} // namespace qbx
