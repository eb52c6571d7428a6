// Writing XML items and the document with its deferred loading.
#include "formats/TqbxXML.h"
#include "platform/Files.h"

#include <cstdio>
#include <istream>
#include <ostream>

namespace qbx {

TqbxXMLWriter::TqbxXMLWriter(std::ostream& out, bool autoIndent)
    : out_(out)
    , autoIndent_(autoIndent)
{
}

TqbxXMLWriter::~TqbxXMLWriter()
{
    Flush();
}

void TqbxXMLWriter::Flush()
{
    out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    buffer_.clear();
}

void TqbxXMLWriter::WriteLine(int level, const std::string& line)
{
    if (autoIndent_)
        buffer_.append(2 * static_cast<std::size_t>(level), ' ');
    buffer_ += line;
    if (autoIndent_)
        buffer_ += "\r\n";
    if (buffer_.size() > 4096)
        Flush();
}

void TqbxXMLWriter::WriteHeader(const std::string& header)
{
    WriteLine(0, header);
}

void TqbxXMLWriter::WriteItem(TqbxXMLItem& item, int level)
{
    bool reloaded = !item.Loaded && item.Unloadable && item.Source;
    if (reloaded)
        ReloadXMLItem(item);
    std::string line = "<" + item.Name;
    if (!item.Text.empty())
        line += item.Text.front() == ' ' ? item.Text : " " + item.Text;
    if (item.Unloadable)
        line += " ld=\"0\"";
    line += item.Count() > 0 ? ">" : "/>";
    WriteLine(level, line);
    if (item.Count() > 0) {
        for (int i = 0; i < item.Count(); ++i)
            WriteItem(*item.Items(i), level + 1);
        WriteLine(level, "</" + item.Name + ">");
    }
    if (reloaded)
        item.Clear();
}

void ReloadXMLItem(TqbxXMLItem& item)
{
    if (item.Loaded || !item.Unloadable || !item.Source)
        return;
    std::istream& in = *item.Source;
    in.clear();
    in.seekg(item.Offset);
    TqbxXMLReader reader(in);
    std::string text = item.Text;
    item.Clear();
    reader.ReadItem(item, false);
    item.Text = text; // the marker-free text the item had, not the one read again
    item.Unloadable = true;
    item.Loaded = true;
}

TqbxXMLDocument::TqbxXMLDocument()
    : root_(std::make_unique<TqbxXMLItem>())
{
}

TqbxXMLDocument::~TqbxXMLDocument()
{
    root_.reset();
    DeleteTempFile();
}

void TqbxXMLDocument::DeleteTempFile()
{
    temp_.reset();
    if (!tempName_.empty())
        std::remove(tempName_.c_str());
    tempName_.clear();
}

void TqbxXMLDocument::Clear()
{
    root_->Clear();
    root_->Name.clear();
    root_->Text.clear();
    DeleteTempFile();
    source_.reset();
}

void TqbxXMLDocument::LoadFromStream(std::istream& in)
{
    Clear();
    root_->Offset = 0;
    TqbxXMLReader reader(in);
    reader.ReadHeader();
    reader.ReadItem(*root_, false);
    complete_ = !reader.Truncated();
}

void TqbxXMLDocument::LoadFromStream(std::unique_ptr<std::istream> in, bool allowPartialLoading)
{
    Clear();
    root_->Offset = 0;
    if (allowPartialLoading)
        source_ = std::move(in);
    std::istream& stream = allowPartialLoading ? *source_ : *in;
    TqbxXMLReader reader(stream);
    reader.KeepDeferredMarkers = KeepDeferredMarkers;
    reader.ReadHeader();
    reader.ReadItem(*root_, allowPartialLoading);
    complete_ = !reader.Truncated();
}

void TqbxXMLDocument::SaveToStream(std::ostream& out)
{
    TqbxXMLWriter writer(out, AutoIndent);
    writer.WriteHeader();
    writer.WriteItem(*root_);
}

void TqbxXMLDocument::LoadItem(TqbxXMLItem& item)
{
    ReloadXMLItem(item);
}

void TqbxXMLDocument::UnloadItem(TqbxXMLItem& item)
{
    if (!item.Loaded || !item.Unloadable)
        return;
    if (!temp_) {
        tempName_ = CreateTempFile("qb", TempDir);
        temp_ = std::make_unique<std::fstream>(
            tempName_, std::ios::in | std::ios::out | std::ios::binary | std::ios::trunc);
        if (!*temp_)
            throw EFileError("Cannot open the temporary file " + tempName_);
    }
    temp_->clear();
    temp_->seekp(0, std::ios::end);
    std::int64_t offset = temp_->tellp();
    {
        TqbxXMLWriter writer(*temp_, false);
        writer.WriteItem(item);
    }
    temp_->flush();
    if (!*temp_)
        throw EFileError("Cannot write the temporary file " + tempName_);
    item.Offset = offset;
    item.Source = temp_.get();
    item.Clear();
}

} // namespace qbx
