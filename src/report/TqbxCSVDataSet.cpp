// CSV files as data sets: column types from a first pass, then the rows one by one.
#include "report/TqbxCSVDataSet.h"

#include "base/DateTime.h"
#include "base/Exceptions.h"
#include "base/FloatText.h"
#include "base/Unicode.h"
#include "report/ClassBuilder.h"

#include <cctype>

namespace qbx {
namespace {

bool IsInteger(const std::string& text)
{
    long long value = 0;
    return text.find_first_of(".,eExX$") == std::string::npos && TryTextToInt64(text, value);
}

// A number written with a point (a comma is a delimiter or text here).
bool IsFloat(const std::string& text)
{
    long double value = 0;
    return text.find(',') == std::string::npos && TryTextToFloat(text, value);
}

// YYYY-MM-DD, optionally followed by a blank or "T" and HH:MM or HH:MM:SS.
bool ParseDate(const std::string& text, TDateTime& serial)
{
    int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0;
    char rest = 0;
    int fields = std::sscanf(text.c_str(), "%4d-%2d-%2d%*[ T]%2d:%2d:%2d%c", &y, &m, &d, &h, &n, &s, &rest);
    bool shape = text.size() >= 10 && text[4] == '-' && text[7] == '-'
        && std::isdigit(static_cast<unsigned char>(text[0])) && (text.size() == 10 || fields >= 5) && fields != 7;
    TDateTime date = 0, time = 0;
    if (!shape || !TryEncodeDate(y, m, d, date) || (fields >= 5 && !TryEncodeTime(h, n, fields >= 6 ? s : 0, 0, time)))
        return false;
    serial = date + time;
    return true;
}

} // namespace

TqbxCSVDataSet::~TqbxCSVDataSet() = default;

const ClassInfo& TqbxCSVDataSet::StaticClassInfo()
{
    static const ClassInfo info = [] {
        using D = TqbxCSVDataSet;
        ClassInfo c("TqbxCSVDataSet", &TqbxDataSet::StaticClassInfo(),
            [](TqbxComponent* parent) -> TqbxComponent* { return new TqbxCSVDataSet(parent); });
        ClassBuilder<D>(c)
            .Field("Delimiter", TPropKind::String, "String", &D::Delimiter)
            .Field("FileName", TPropKind::String, "String", &D::FileName);
        return c;
    }();
    return info;
}

void TqbxCSVDataSet::OpenReader()
{
    if (!Delimiter.empty() && Delimiter != "," && Delimiter != ";" && Delimiter != "\t")
        throw EConvertError(Name() + ".Delimiter must be ',', ';' or a tab, not '" + Delimiter + "'");
    reader_ = std::make_unique<CsvReader>(FileName, Delimiter.empty() ? 0 : Delimiter[0]);
    columns_ = reader_->Header();
}

// The first pass: every column's type, and the number of records.
void TqbxCSVDataSet::Initialize()
{
    OpenReader();
    std::vector<bool> integer(columns_.size(), true), number(columns_.size(), true), date(columns_.size(), true);
    records_ = 0;
    CsvRow row;
    while (reader_->ReadRow(row)) {
        ++records_;
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            if (!row[i])
                continue;
            TDateTime serial = 0;
            integer[i] = integer[i] && IsInteger(*row[i]);
            number[i] = number[i] && IsFloat(*row[i]);
            date[i] = date[i] && ParseDate(*row[i], serial);
        }
    }
    types_.clear();
    for (std::size_t i = 0; i < columns_.size(); ++i)
        types_.push_back(integer[i] ? TqbxCSVColumnType::Integer
                : number[i]         ? TqbxCSVColumnType::Float
                : date[i]           ? TqbxCSVColumnType::Date
                                    : TqbxCSVColumnType::Text);
    reader_->Rewind();
    atEnd_ = true;
}

void TqbxCSVDataSet::Finalize()
{
    reader_.reset();
}

void TqbxCSVDataSet::First()
{
    if (!reader_)
        Initialize();
    TqbxDataSet::First();
    reader_->Rewind();
    hasPrevious_ = hasAhead_ = false;
    atEnd_ = !reader_->ReadRow(current_);
}

void TqbxCSVDataSet::Next()
{
    TqbxDataSet::Next();
    previous_ = current_;
    hasPrevious_ = !atEnd_;
    if (hasAhead_) {
        current_ = ahead_;
        hasAhead_ = false;
    } else {
        atEnd_ = atEnd_ || !reader_->ReadRow(current_);
    }
}

// One step back, to the row before (a group footer shows the last record of its group).
void TqbxCSVDataSet::Prior()
{
    if (!hasPrevious_)
        throw EConvertError(Name() + ": no record before this one");
    TqbxDataSet::Prior();
    ahead_ = current_;
    hasAhead_ = !atEnd_;
    current_ = previous_;
    hasPrevious_ = false;
    atEnd_ = false;
}

bool TqbxCSVDataSet::Eof()
{
    return atEnd_ || TqbxDataSet::Eof();
}

void TqbxCSVDataSet::GetFieldList(std::vector<std::string>& list)
{
    list = columns_;
}

int TqbxCSVDataSet::ColumnOf(const std::string& field) const
{
    for (std::size_t i = 0; i < columns_.size(); ++i)
        if (SameText(columns_[i], field))
            return static_cast<int>(i);
    return -1;
}

TqbxCSVColumnType TqbxCSVDataSet::ColumnType(const std::string& field) const
{
    int i = ColumnOf(field);
    return i < 0 ? TqbxCSVColumnType::Text : types_[static_cast<std::size_t>(i)];
}

Variant TqbxCSVDataSet::GetValue(const std::string& field)
{
    int i = ColumnOf(field);
    if (i < 0)
        throw EConvertError(Name() + ": no field '" + field + "' in " + FileName);
    const std::optional<std::string>& cell = current_[static_cast<std::size_t>(i)];
    if (atEnd_ || !cell)
        return Variant::Null();
    switch (types_[static_cast<std::size_t>(i)]) {
    case TqbxCSVColumnType::Integer:
        return Variant(static_cast<std::int64_t>(std::stoll(*cell)));
    case TqbxCSVColumnType::Float:
        return Variant(static_cast<double>(TextToFloat(*cell)));
    case TqbxCSVColumnType::Date: {
        TDateTime serial = 0;
        ParseDate(*cell, serial);
        return Variant::FromDate(serial);
    }
    case TqbxCSVColumnType::Text:
        return Variant(*cell);
    }
    return Variant(*cell);
}

std::u16string TqbxCSVDataSet::GetDisplayText(const std::string& field)
{
    return Utf8ToUtf16(GetValue(field).ToText());
}

} // namespace qbx
