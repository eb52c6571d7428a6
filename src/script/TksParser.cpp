// The script lexer's settings and read operations.
#include "script/TksParser.h"

#include "base/Unicode.h"

#include <algorithm>
#include <charconv>

namespace qbx {
namespace {

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigit(unsigned char c)
{
    return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int HexValue(unsigned char c)
{
    return IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10;
}

constexpr long long kSaturated = 1LL << 40; // far above any character code, far below overflow

} // namespace

TksParser::TksParser()
{
    ResetSettings();
}

void TksParser::SetSource(std::string_view text)
{
    text_.assign(text);
    text_.push_back('\0');
    position_ = tokenStart_ = 1;
    skippedFrom_ = skippedTo_ = 0;
    lineStarts_.assign(1, 0);
    for (int i = 1; i <= Size(); ++i)
        if (At(i) == '\n')
            lineStarts_.push_back(i);
}

void TksParser::ResetSettings()
{
    skippedFrom_ = skippedTo_ = 0;
    CommentLine1 = "//";
    CommentLine2.clear();
    BlockOpen1 = "{", BlockClose1 = "}";
    BlockOpen2 = "(*", BlockClose2 = "*)";
    Quote = '\'';
    HexPrefix = "$";
    IdentChars.reset();
    for (int c = 0; c < 256; ++c)
        IdentChars[static_cast<std::size_t>(c)]
            = IsDigit(static_cast<unsigned char>(c)) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    CaseSensitive = false;
    SkipEol = true;
    SkipChar = 0;
    SetKeywords({});
}

void TksParser::AddKeyword(const std::string& word)
{
    keywords_.push_back(word);
    upperKeywordsMade_ = false;
}

void TksParser::SetKeywords(const std::vector<std::string>& words)
{
    keywords_ = words;
    upperKeywordsMade_ = false;
}

bool TksParser::ApplySetting(std::string_view name, std::string_view value)
{
    skippedFrom_ = skippedTo_ = 0;
    auto block = [&](std::string& open, std::string& close) {
        std::size_t comma = value.find(',');
        open = std::string(value.substr(0, comma));
        close = comma == std::string_view::npos ? std::string() : std::string(value.substr(comma + 1));
    };
    if (name == "commentline1")
        CommentLine1 = value;
    else if (name == "commentline2")
        CommentLine2 = value;
    else if (name == "commentblock1")
        block(BlockOpen1, BlockClose1);
    else if (name == "commentblock2")
        block(BlockOpen2, BlockClose2);
    else if (name == "stringquotes")
        Quote = value.empty() ? '\'' : value[0];
    else if (name == "hexsequence")
        HexPrefix = value;
    else if (name == "identchars") {
        IdentChars.reset();
        for (unsigned char c : value)
            IdentChars[c] = true;
    } else if (name == "casesensitive")
        CaseSensitive = value == "1";
    else if (name == "skipeol")
        SkipEol = value != "0";
    else if (name == "skipchar")
        SkipChar = value.empty() ? 0 : value[0];
    else
        return false;
    return true;
}

void TksParser::AllowNationalChars()
{
    for (int c = 128; c < 256; ++c)
        IdentChars[static_cast<std::size_t>(c)] = true;
}

bool TksParser::StartsAt(int position, std::string_view text) const
{
    if (text.empty() || At(position) != static_cast<unsigned char>(text[0])
        || position - 1 + static_cast<int>(text.size()) > Size())
        return false;
    return std::string_view(text_).substr(static_cast<std::size_t>(position - 1), text.size()) == text;
}

// A comment at the cursor is stepped over: a line comment up to its LF, a block comment past its
// closing text (to the end when it is never closed). Comments do not nest. Where CR is significant
// (line-oriented languages) a line comment stops before it too: swallowing the CR of a CR LF would
// join the line after the comment to the statement before it.
bool TksParser::SkipComment()
{
    if (StartsAt(position_, CommentLine1) || StartsAt(position_, CommentLine2)) {
        while (position_ <= Size() && At(position_) != '\n' && (SkipEol || At(position_) != '\r'))
            ++position_;
        return true;
    }
    for (auto [open, close] : { std::pair { &BlockOpen1, &BlockClose1 }, std::pair { &BlockOpen2, &BlockClose2 } }) {
        if (!StartsAt(position_, *open))
            continue;
        position_ += static_cast<int>(close->size());
        while (position_ <= Size() && !StartsAt(position_, *close))
            ++position_;
        position_ = std::min(position_ + static_cast<int>(close->size()), Size() + 1);
        return true;
    }
    return false;
}

// Iterative, so that a long run of continuation characters cannot exhaust the stack: each one asks
// for the line end that follows it once the blanks after it are passed.
void TksParser::SkipBlanks()
{
    // The parser asks again at the same place after each failed alternative: the answer is kept.
    if (position_ == skippedFrom_ || position_ == skippedTo_) {
        position_ = tokenStart_ = skippedTo_;
        return;
    }
    skippedFrom_ = position_;
    int pendingLineEnds = 0;
    for (;;) {
        while (position_ <= Size() && IsBlank(At(position_)))
            ++position_;
        if (SkipChar != 0 && At(position_) == static_cast<unsigned char>(SkipChar)) {
            ++position_;
            ++pendingLineEnds;
            continue;
        }
        if (position_ < Size() && SkipComment())
            continue;
        if (pendingLineEnds > 0) {
            --pendingLineEnds;
            if (At(position_) == '\n' || At(position_) == '\r') {
                while (At(position_) == '\n' || At(position_) == '\r')
                    ++position_;
                continue;
            }
            pendingLineEnds = 0;
        }
        break;
    }
    tokenStart_ = skippedTo_ = position_;
}

bool TksParser::SkipLineEnds()
{
    SkipBlanks();
    if (At(position_) != '\n' && At(position_) != '\r')
        return false;
    while (At(position_) == '\n' || At(position_) == '\r')
        ++position_;
    return true;
}

std::string TksParser::ReadWord()
{
    SkipBlanks();
    unsigned char first = At(position_);
    if (!IdentChars[first] || IsDigit(first) || first == 0)
        return {};
    while (position_ <= Size() && IdentChars[At(position_)])
        ++position_;
    return text_.substr(static_cast<std::size_t>(tokenStart_ - 1), static_cast<std::size_t>(position_ - tokenStart_));
}

bool TksParser::IsKeyword(std::string_view word) const
{
    if (CaseSensitive)
        return std::find(keywords_.begin(), keywords_.end(), word) != keywords_.end();
    if (!upperKeywordsMade_) {
        upperKeywords_.clear();
        for (const std::string& k : keywords_)
            upperKeywords_.insert(AsciiUpper(k));
        upperKeywordsMade_ = true;
    }
    return upperKeywords_.count(AsciiUpper(word)) > 0;
}

std::string TksParser::ReadIdentifier()
{
    std::string word = ReadWord();
    return IsKeyword(word) ? std::string() : word;
}

std::string TksParser::ReadSymbol()
{
    unsigned char c = At(position_);
    bool punctuation = (c >= 33 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 126);
    if (!punctuation || position_ > Size())
        return {};
    ++position_;
    return std::string(1, static_cast<char>(c));
}

int TksParser::ScanInteger(int position, long long& value) const
{
    value = 0;
    int p = position;
    if (StartsAt(p, HexPrefix)) {
        int digits = p + static_cast<int>(HexPrefix.size());
        int q = digits;
        while (IsHexDigit(At(q)))
            value = std::min(kSaturated, value * 16 + HexValue(At(q++)));
        return q > digits ? q : position;
    }
    while (IsDigit(At(p)))
        value = std::min(kSaturated, value * 10 + (At(p++) - '0'));
    return p;
}

std::string TksParser::ReadNumber()
{
    SkipBlanks();
    long long value = 0;
    int p = ScanInteger(position_, value);
    if (p == position_)
        return {};
    // A point must have a digit after it, or the number ends before it (1..5 is 1, then two points).
    if (At(p) == '.' && IsDigit(At(p + 1))) {
        p += 1;
        while (IsDigit(At(p)))
            ++p;
    }
    if (At(p) == 'E' || At(p) == 'e') {
        int q = p + 1;
        if (At(q) == '+' || At(q) == '-')
            ++q;
        if (IsDigit(At(q))) {
            while (IsDigit(At(q)))
                ++q;
            p = q;
        }
    }
    std::string number = text_.substr(static_cast<std::size_t>(position_ - 1), static_cast<std::size_t>(p - position_));
    position_ = p;
    if (HexPrefix != "$" && !HexPrefix.empty())
        for (std::size_t at = number.find(HexPrefix); at != std::string::npos; at = number.find(HexPrefix, at + 1))
            number.replace(at, HexPrefix.size(), "$");
    return number;
}

// One quoted piece at the cursor into `value`; false (the cursor unmoved) when it does not end with
// its quote before a control character other than TAB.
bool TksParser::ReadQuotedPiece(std::string& value)
{
    const bool escapes = Quote == '"';
    const auto quote = static_cast<unsigned char>(Quote);
    std::string piece;
    int q = position_ + 1;
    auto control = [](unsigned char c) { return c < 32 && c != '\t'; };
    for (;;) {
        unsigned char c = At(q);
        if (control(c) || q > Size())
            return false;
        if (escapes && c == '\\') {
            unsigned char next = At(q + 1);
            if (control(next) || q + 1 > Size())
                return false;
            q += 2;
            if ((next | 0x20) == 'n') {
                piece += '\n';
            } else if ((next | 0x20) == 'r') {
                piece += '\r';
            } else if ((next | 0x20) == 'x') {
                int code = 0;
                bool any = false;
                while (IsHexDigit(At(q))) {
                    code = (code * 16 + HexValue(At(q++))) & 0xFFFF;
                    any = true;
                }
                if (any)
                    piece += static_cast<char>(code & 0xFF);
            } else {
                piece += static_cast<char>(next);
            }
            continue;
        }
        if (c == quote) {
            if (!escapes && At(q + 1) == quote) {
                piece += static_cast<char>(quote);
                q += 2;
                continue;
            }
            value += piece;
            position_ = q + 1;
            return true;
        }
        piece += static_cast<char>(c);
        ++q;
    }
}

std::string TksParser::ReadString()
{
    SkipBlanks();
    std::string value;
    int pieces = 0;
    for (;;) {
        if (At(position_) == static_cast<unsigned char>(Quote) && position_ <= Size()) {
            if (!ReadQuotedPiece(value))
                break;
        } else if (At(position_) == '#') {
            long long code = 0;
            int end = ScanInteger(position_ + 1, code);
            if (end == position_ + 1)
                break;
            value += static_cast<char>(code & 0xFF);
            position_ = end;
        } else {
            break;
        }
        ++pieces;
    }
    return pieces > 0 ? "'" + value + "'" : std::string();
}

std::string TksParser::ReadQbReference()
{
    int depth = 1, p = position_;
    bool single = false, doubled = false;
    for (; p <= Size(); ++p) {
        unsigned char c = At(p);
        if (!single && !doubled) {
            if (c == '<' || c == '[')
                ++depth;
            else if (c == '>' || c == ']')
                --depth;
            if (depth == 0)
                break;
        }
        if (c == '"' && !single)
            doubled = !doubled;
        else if (c == '\'' && !doubled)
            single = !single;
    }
    std::string reference
        = text_.substr(static_cast<std::size_t>(position_ - 1), static_cast<std::size_t>(p - position_));
    position_ = p;
    return reference;
}

std::string TksParser::PositionText() const
{
    std::string text;
    AppendPositionText(text);
    return text;
}

void TksParser::AppendPositionText(std::string& out) const
{
    auto below = std::lower_bound(lineStarts_.begin(), lineStarts_.end(), std::max(1, position_));
    int line = static_cast<int>(below - lineStarts_.begin());
    int column = std::max(1, position_) - *(below - 1);
    char buffer[32];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, line).ptr;
    *end++ = ':';
    end = std::to_chars(end, buffer + sizeof buffer, column).ptr;
    out.append(buffer, end);
}

int TksParser::PositionFromText(int line, int column) const
{
    if (line < 1 || line > static_cast<int>(lineStarts_.size()))
        return -1;
    return column + lineStarts_[static_cast<std::size_t>(line - 1)];
}

} // namespace qbx
