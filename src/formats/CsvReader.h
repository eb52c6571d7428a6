// CsvReader: the rows of a CSV file, one at a time, through libcsv: RFC 4180 quoting, line breaks inside
// quotes, UTF-8 with or without a byte-order mark, and a delimiter (',', ';' or tab) found from the header.
#pragma once

#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct csv_parser;

namespace qbx {

// One row: a cell per column; an empty cell has no value.
using CsvRow = std::vector<std::optional<std::string>>;

// Owns its file and parser; reads forward, and from the first data row again after Rewind.
class CsvReader
{
public:
    // Opens the file and reads the header row. `delimiter` 0 finds it from the header line. Raises
    // EFileError for a file that cannot be read, EConvertError "FILE:LINE:CELL: what" for bad text (the
    // line the cell starts on, and the cell's number in its row).
    explicit CsvReader(std::string fileName, char delimiter = 0);
    ~CsvReader();
    CsvReader(const CsvReader&) = delete;
    CsvReader& operator=(const CsvReader&) = delete;

    const std::vector<std::string>& Header() const { return header_; }
    char Delimiter() const { return delimiter_; }
    // The next row; false after the last. A row with more cells than the header raises EConvertError.
    bool ReadRow(CsvRow& row);
    void Rewind();

    // Callbacks of the parser (public for the C interface only).
    void AddField(const char* text, std::size_t length);
    void EndRow();

private:
    void Start();
    bool Fill(); // parses the next chunk; false at the end of the file
    std::string Where(long line, long cell) const; // "FILE:LINE:CELL: "

    std::string fileName_;
    std::ifstream in_;
    struct ParserFree
    {
        void operator()(csv_parser* p) const; // csv_free, then the struct itself
    };
    std::unique_ptr<csv_parser, ParserFree> parser_;
    char delimiter_ = ',';
    std::vector<std::string> header_;
    struct ParsedRow
    {
        long Line = 0; // where the row starts
        CsvRow Cells;
    };
    std::vector<ParsedRow> ready_; // rows parsed and not yet read, oldest first
    std::size_t next_ = 0; // the next of ready_ to hand out
    CsvRow building_;
    long rowLine_ = 1; // the line the row being built started on
    long lineBreaksInRow_ = 0;
    long chunkLine_ = 1; // the line the chunk being parsed starts on
    bool headerRead_ = false, ended_ = false;
    std::string error_; // noted while the parser runs, raised when it returns
};

} // namespace qbx
