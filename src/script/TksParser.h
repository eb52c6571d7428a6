// TksParser: the character-level reader every script language shares. It keeps a cursor over the
// source and, asked for one kind of token at a time (a word, a symbol, a number, a string), either
// consumes it and returns its text or returns an empty text; the grammar-driven parser backtracks by
// setting Position.
#pragma once

#include <bitset>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace qbx {

class TksParser
{
public:
    TksParser();

    // Stores the text (a NUL follows it, so look-ahead past the end reads NUL), puts the cursor on the
    // first character and rebuilds LineStarts.
    void SetSource(std::string_view text);
    const std::string& SourceText() const { return text_; } // with the NUL
    int Size() const { return static_cast<int>(text_.size()) - 1; }

    // 1-based index of the next character; TokenStart is where the last token began (after blanks).
    int Position() const { return position_; }
    void SetPosition(int position) { position_ = position; }
    int TokenStart() const { return tokenStart_; }
    // 0, then the 1-based index of every LF of the source.
    const std::vector<int>& LineStarts() const { return lineStarts_; }

    // The settings a language grammar supplies, and its keywords.
    std::string CommentLine1, CommentLine2;
    std::string BlockOpen1, BlockClose1, BlockOpen2, BlockClose2;
    char Quote = '\'';
    std::string HexPrefix;
    std::bitset<256> IdentChars;
    bool CaseSensitive = false;
    bool SkipEol = true; // off: CR is not a blank (line-oriented languages)
    char SkipChar = 0; // line continuation; 0 for none

    const std::vector<std::string>& Keywords() const { return keywords_; }
    void AddKeyword(const std::string& word);
    void SetKeywords(const std::vector<std::string>& words);

    // Every setting back to its default, and no keywords.
    void ResetSettings();
    // One setting by its grammar name (commentline1, commentline2, commentblock1, commentblock2,
    // stringquotes, hexsequence, identchars, casesensitive, skipeol, skipchar); false for another name.
    bool ApplySetting(std::string_view name, std::string_view value);
    // Characters 128..255 become identifier characters (scripts that allow national characters).
    void AllowNationalChars();

    // Past blanks, line continuations and comments; sets TokenStart.
    void SkipBlanks();
    // The character a token read here would start with (after blanks), the cursor left where it is.
    unsigned char NextNonBlank()
    {
        int saved = position_;
        SkipBlanks();
        unsigned char c = At(position_);
        position_ = saved;
        return c;
    }
    // An end of line: true (and the whole run of CR and LF consumed) when one follows the blanks.
    bool SkipLineEnds();
    std::string ReadWord();
    // A word that is not a keyword ("" for a keyword; the cursor stays after it).
    std::string ReadIdentifier();
    bool IsKeyword(std::string_view word) const;
    // One printable ASCII punctuation character, blanks not skipped.
    std::string ReadSymbol();
    // An integer or real literal; a hexadecimal prefix other than "$" is written as "$".
    std::string ReadNumber();
    // A string literal of quoted pieces and #codes, returned in single quotes.
    std::string ReadString();
    // With the cursor after an opening "<": the text up to the bracket that closes it (not consumed).
    std::string ReadQbReference();

    // "LINE:COLUMN" of the cursor, both 1-based.
    std::string PositionText() const;
    void AppendPositionText(std::string& out) const;
    // The character index of a line and column; -1 when the line does not exist.
    int PositionFromText(int line, int column) const;

private:
    unsigned char At(int position) const
    {
        return position >= 1 && position <= Size() ? static_cast<unsigned char>(text_[position - 1]) : 0;
    }
    bool StartsAt(int position, std::string_view text) const;
    bool IsBlank(unsigned char c) const { return c <= 32 && (SkipEol || c != '\r'); }
    bool SkipComment();
    // Digits of an integer at `position` (the hex prefix and hex digits, or decimal digits); returns the
    // position after them, or `position` when there are none. `value` gets the number (saturated).
    int ScanInteger(int position, long long& value) const;
    bool ReadQuotedPiece(std::string& value);

    std::string text_ = std::string(1, '\0');
    int position_ = 1, tokenStart_ = 1;
    int skippedFrom_ = 0, skippedTo_ = 0; // the last SkipBlanks: where it started and where it ended
    std::vector<int> lineStarts_ { 0 };
    std::vector<std::string> keywords_;
    // The keywords upper-cased, for the lookup without case (made on first use).
    mutable std::unordered_set<std::string> upperKeywords_;
    mutable bool upperKeywordsMade_ = false;
};

} // namespace qbx
