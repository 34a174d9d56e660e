#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <vector>

namespace ado {

// A T-SQL LIKE pattern read once and matched against many values under the server's
// collation (ServerText): letter case ignored, accents kept, trailing blanks of the value
// ignored. % any run, _ one character, [abc] [a-z] [^a-z] sets, an optional escape
// character. A statement's LIKE compiles its pattern once and tests every row with it.
class LikePattern {
public:
    explicit LikePattern(const QString& pattern, QChar escape = QChar());
    QChar escape() const { return m_escape; }
    bool matches(QStringView value) const;
    bool matchesUtf8(const char* text, int size) const;

private:
    struct SetItem {
        bool range;
        char16_t folded;        // a single letter
        int low, high;          // a range, in primary weights
    };
    struct CharSet {
        bool negate = false;
        std::vector<SetItem> items;
    };
    struct Token {
        enum Kind { AnyRun, AnyOne, Letter, Set, Never } kind;
        char16_t letter = 0;    // folded
        int set = -1;
    };

    void compile(const QString& pattern);
    void findLiteralRuns();
    bool matchRuns(const char16_t* value, int size) const;
    bool matchAsciiRuns(const char* value, int size, bool& ascii) const;
    int compileSet(const QString& pattern, int at);
    bool tokenMatches(const Token& token, char16_t folded) const;
    bool matchFolded(const char16_t* value, int size) const;

    QChar m_escape;
    std::vector<Token> m_tokens;
    std::vector<CharSet> m_sets;
    // A pattern of letters and "%" only (the usual '%text%') is matched by finding its runs
    // of letters in turn, leftmost first.
    bool m_literalRuns = false;
    std::vector<std::u16string> m_runs;
    std::vector<std::string> m_asciiRuns;   // the same runs when every letter is ASCII
    bool m_anchoredStart = false;
    bool m_anchoredEnd = false;
};

} // namespace ado
