// TqbxCSVDataSet: a data set whose records are the rows of a CSV file, typed by what each column holds.
#pragma once

#include "formats/CsvReader.h"
#include "report/TqbxDataSets.h"

#include <memory>

namespace qbx {

// The types a column can have: every non-empty value an integer, a number, a date (YYYY-MM-DD with an
// optional time), or anything else (text). An empty cell is Null.
enum class TqbxCSVColumnType { Integer, Float, Date, Text };

// A component of a report's data page (or a host's). The file is read when the data set is
// initialised for a run: once to find the columns' types and the record count, then row by row.
class TqbxCSVDataSet : public TqbxDataSet
{
public:
    using TqbxDataSet::TqbxDataSet;
    ~TqbxCSVDataSet() override;
    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    std::string FileName;
    std::string Delimiter; // "," ";" or a tab; empty: found from the header line

    void Initialize() override;
    void Finalize() override;
    void First() override;
    void Next() override;
    void Prior() override;
    bool Eof() override;
    int RecordCount() override { return records_; }
    int FieldsCount() override { return static_cast<int>(columns_.size()); }
    void GetFieldList(std::vector<std::string>& list) override;
    Variant GetValue(const std::string& field) override;
    std::u16string GetDisplayText(const std::string& field) override;
    TqbxCSVColumnType ColumnType(const std::string& field) const;

private:
    int ColumnOf(const std::string& field) const; // -1 when there is none
    void OpenReader();

    std::unique_ptr<CsvReader> reader_;
    std::vector<std::string> columns_;
    std::vector<TqbxCSVColumnType> types_;
    CsvRow current_, previous_, ahead_; // ahead_: the row Prior stepped back from
    bool atEnd_ = true, hasPrevious_ = false, hasAhead_ = false;
    int records_ = 0;
};

} // namespace qbx
