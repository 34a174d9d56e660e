#include "ado/LikePattern.h"

#include "ado/ServerText.h"

#include <string_view>

namespace ado {

namespace {

char16_t fold(char16_t c)
{
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
    return QChar(c).toCaseFolded().unicode();
}

// The folded UTF-16 units of a UTF-8 text, trailing blanks dropped; malformed bytes read as
// U+FFFD, as QString::fromUtf8 reads them. Returns the number of units written to out,
// which holds at least `size` units (UTF-8 never takes fewer bytes than UTF-16 units).
int foldUtf8(const char* text, int size, char16_t* out)
{
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    int n = 0;
    for (int i = 0; i < size;) {
        const unsigned char b = s[i];
        if (b < 0x80) {
            out[n++] = b >= 'A' && b <= 'Z' ? char16_t(b + 32) : char16_t(b);
            ++i;
            continue;
        }
        const int extra = b >= 0xF8 ? -1 : b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC2 ? 1 : -1;
        char32_t cp = extra == 3 ? b & 0x07 : extra == 2 ? b & 0x0F : b & 0x1F;
        bool ok = extra > 0;
        for (int k = 1; ok && k <= extra; ++k) {
            if (i + k >= size || (s[i + k] & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if (!ok || (extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp < 0xE000)) {
            // Anything unusual is read by Qt, so both paths agree; it never takes more units.
            const QString rest = QString::fromUtf8(text + i, size - i);
            for (const QChar c : rest)
                out[n++] = fold(c.unicode());
            break;
        }
        if (cp > 0xFFFF) {
            out[n++] = char16_t(0xD800 + ((cp - 0x10000) >> 10));
            out[n++] = char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out[n++] = fold(char16_t(cp));
        }
        i += extra + 1;
    }
    while (n > 0 && out[n - 1] == u' ')
        --n;
    return n;
}

// A pattern of letter runs between "%": each run found in turn, leftmost first, the first
// one at the start and the last one at the end unless "%" stands there.
template <class View, class Run>
bool runsMatch(View value, const std::vector<Run>& runs, bool anchoredStart, bool anchoredEnd)
{
    if (runs.empty())
        return !(anchoredStart && anchoredEnd) || value.empty();
    if (runs.size() == 1 && anchoredStart && anchoredEnd)
        return value == runs.front();
    std::size_t at = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Run& run = runs[i];
        if (i == 0 && anchoredStart) {
            if (!value.starts_with(run))
                return false;
            at = run.size();
        } else if (i + 1 == runs.size() && anchoredEnd) {
            return value.size() >= at + run.size() && value.ends_with(run);
        } else {
            const std::size_t found = value.find(run, at);
            if (found == View::npos)
                return false;
            at = found + run.size();
        }
    }
    return true;
}

} // namespace

LikePattern::LikePattern(const QString& pattern, QChar escape) : m_escape(escape)
{
    compile(pattern);
    findLiteralRuns();
}

void LikePattern::findLiteralRuns()
{
    for (const Token& t : m_tokens)
        if (t.kind != Token::AnyRun && t.kind != Token::Letter)
            return;
    m_literalRuns = true;
    m_anchoredStart = m_tokens.empty() || m_tokens.front().kind != Token::AnyRun;
    m_anchoredEnd = m_tokens.empty() || m_tokens.back().kind != Token::AnyRun;
    std::u16string run;
    for (const Token& t : m_tokens) {
        if (t.kind == Token::Letter) {
            run += t.letter;
        } else if (!run.empty()) {
            m_runs.push_back(run);
            run.clear();
        }
    }
    if (!run.empty())
        m_runs.push_back(run);
    for (const std::u16string& r : m_runs) {
        std::string ascii;
        for (const char16_t c : r) {
            if (c >= 0x80) {
                m_asciiRuns.clear();
                return;
            }
            ascii += char(c);
        }
        m_asciiRuns.push_back(ascii);
    }
}

void LikePattern::compile(const QString& pattern)
{
    const int n = int(pattern.size());
    int p = 0;
    while (p < n) {
        const QChar pc = pattern[p];
        if (pc == u'%') {
            m_tokens.push_back({Token::AnyRun});
            ++p;
        } else if (!m_escape.isNull() && pc == m_escape && p + 1 < n) {
            m_tokens.push_back({Token::Letter, fold(pattern[p + 1].unicode())});
            p += 2;
        } else if (pc == u'_') {
            m_tokens.push_back({Token::AnyOne});
            ++p;
        } else if (pc == u'[' && pattern.indexOf(u']', p + 2) > 0) {
            p = compileSet(pattern, p + 1);
            if (p > n)
                m_tokens.push_back({Token::Never});   // a set that ran past the end matches nothing
        } else {
            m_tokens.push_back({Token::Letter, fold(pc.unicode())});
            ++p;
        }
    }
}

// Reads the set that starts just after "["; returns the position after its "]".
int LikePattern::compileSet(const QString& pattern, int at)
{
    const int n = int(pattern.size());
    CharSet set;
    set.negate = at < n && pattern[at] == u'^';
    if (set.negate)
        ++at;
    bool first = true;
    while (at < n && (pattern[at] != u']' || first)) {
        first = false;
        const QChar low = pattern[at];
        if (at + 2 < n && pattern[at + 1] == u'-' && pattern[at + 2] != u']') {
            set.items.push_back({true, 0, ServerText::primaryWeight(low), ServerText::primaryWeight(pattern[at + 2])});
            at += 3;
        } else {
            set.items.push_back({false, fold(low.unicode()), 0, 0});
            ++at;
        }
    }
    m_sets.push_back(std::move(set));
    m_tokens.push_back({Token::Set, 0, int(m_sets.size()) - 1});
    return at + 1;
}

bool LikePattern::tokenMatches(const Token& token, char16_t folded) const
{
    switch (token.kind) {
    case Token::AnyOne: return true;
    case Token::Letter: return token.letter == folded;
    case Token::Set: {
        const CharSet& set = m_sets[std::size_t(token.set)];
        bool found = false;
        for (const SetItem& item : set.items) {
            if (item.range) {
                const int weight = ServerText::primaryWeight(QChar(folded));
                found = weight >= item.low && weight <= item.high;
            } else {
                found = item.folded == folded;
            }
            if (found)
                break;
        }
        return found != set.negate;
    }
    default: return false;
    }
}

// The runs of an all-ASCII pattern in an all-ASCII value: the same rule on bytes, lowered
// in place of folded (the two agree on ASCII). False in `ascii` when the value is not ASCII
// and must be read the long way.
bool LikePattern::matchAsciiRuns(const char* text, int size, bool& ascii) const
{
    thread_local std::string lowered;
    lowered.resize(std::size_t(size));
    unsigned char any = 0;
    for (int i = 0; i < size; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        any |= c;
        lowered[std::size_t(i)] = char(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    ascii = any < 0x80;
    if (!ascii)
        return false;
    std::size_t n = lowered.size();
    while (n > 0 && lowered[n - 1] == ' ')
        --n;
    return runsMatch(std::string_view(lowered.data(), n), m_asciiRuns, m_anchoredStart, m_anchoredEnd);
}

bool LikePattern::matchRuns(const char16_t* data, int size) const
{
    return runsMatch(std::u16string_view(data, std::size_t(size)), m_runs, m_anchoredStart, m_anchoredEnd);
}

bool LikePattern::matchFolded(const char16_t* value, int size) const
{
    if (m_literalRuns)
        return matchRuns(value, size);
    const int count = int(m_tokens.size());
    int v = 0, t = 0;
    int starT = -1, starV = 0;
    while (v < size) {
        if (t < count) {
            if (m_tokens[std::size_t(t)].kind == Token::AnyRun) {
                starT = ++t;
                starV = v;
                continue;
            }
            if (tokenMatches(m_tokens[std::size_t(t)], value[v])) {
                ++t;
                ++v;
                continue;
            }
        }
        if (starT < 0)
            return false;
        t = starT;
        v = ++starV;
    }
    while (t < count && m_tokens[std::size_t(t)].kind == Token::AnyRun)
        ++t;
    return t == count;
}

bool LikePattern::matches(QStringView value) const
{
    thread_local std::vector<char16_t> folded;
    folded.clear();
    for (const QChar c : value)
        folded.push_back(fold(c.unicode()));
    while (!folded.empty() && folded.back() == u' ')
        folded.pop_back();
    return matchFolded(folded.data(), int(folded.size()));
}

bool LikePattern::matchesUtf8(const char* text, int size) const
{
    if (!m_asciiRuns.empty()) {
        bool ascii = false;
        const bool matched = matchAsciiRuns(text, size, ascii);
        if (ascii)
            return matched;
    }
    thread_local std::vector<char16_t> folded;
    if (folded.size() < std::size_t(size) + 1)
        folded.resize(std::size_t(size) + 1);
    return matchFolded(folded.data(), foldUtf8(text, size, folded.data()));
}

} // namespace ado
