#include "db/Query.h"

#include <cctype>
#include <cstdlib>

namespace jet {
namespace {

class Lexer {
public:
    explicit Lexer(const std::string& text)
        : m_text(text)
    { }

    void SkipBlanks()
    {
        while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos])))
            ++m_pos;
    }
    bool AtEnd()
    {
        SkipBlanks();
        return m_pos >= m_text.size();
    }
    // Consumes `word` (letters compared without case) when it comes next as a whole word.
    bool Keyword(const char* word)
    {
        SkipBlanks();
        size_t n = 0;
        while (word[n] != 0) {
            if (m_pos + n >= m_text.size() || std::tolower(static_cast<unsigned char>(m_text[m_pos + n])) != word[n])
                return false;
            ++n;
        }
        if (m_pos + n < m_text.size() && IsNameChar(m_text[m_pos + n]))
            return false;
        m_pos += n;
        return true;
    }
    bool Symbol(char c)
    {
        SkipBlanks();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }
    // A bracketed name or a plain word.
    std::optional<std::string> Name()
    {
        SkipBlanks();
        if (m_pos >= m_text.size())
            return std::nullopt;
        if (m_text[m_pos] == '[') {
            const size_t end = m_text.find(']', m_pos + 1);
            if (end == std::string::npos || end == m_pos + 1)
                return std::nullopt;
            std::string name = m_text.substr(m_pos + 1, end - m_pos - 1);
            m_pos = end + 1;
            return name;
        }
        const size_t start = m_pos;
        while (m_pos < m_text.size() && IsNameChar(m_text[m_pos]))
            ++m_pos;
        if (m_pos == start)
            return std::nullopt;
        return m_text.substr(start, m_pos - start);
    }
    std::optional<Value> Literal()
    {
        SkipBlanks();
        if (m_pos >= m_text.size())
            return std::nullopt;
        const char c = m_text[m_pos];
        if (c == '\'' || c == '"') {
            std::string text;
            size_t i = m_pos + 1;
            for (;;) {
                if (i >= m_text.size())
                    return std::nullopt;
                if (m_text[i] == c) {
                    if (i + 1 < m_text.size() && m_text[i + 1] == c) {
                        text += c;
                        i += 2;
                        continue;
                    }
                    break;
                }
                text += m_text[i++];
            }
            m_pos = i + 1;
            return Value::FromUtf8(text);
        }
        const size_t start = m_pos;
        if (c == '-' || c == '+')
            ++m_pos;
        bool digits = false;
        bool fraction = false;
        while (m_pos < m_text.size()
               && (std::isdigit(static_cast<unsigned char>(m_text[m_pos])) || (m_text[m_pos] == '.' && !fraction))) {
            fraction = fraction || m_text[m_pos] == '.';
            digits = digits || m_text[m_pos] != '.';
            ++m_pos;
        }
        if (!digits)
            return std::nullopt;
        const std::string number = m_text.substr(start, m_pos - start);
        const double v = std::strtod(number.c_str(), nullptr);
        if (!fraction && v >= -2147483648.0 && v <= 2147483647.0)
            return Value(static_cast<int32_t>(v));
        return Value(v);
    }

private:
    static bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || (c & 0x80); }

    const std::string& m_text;
    size_t m_pos = 0;
};

Status SyntaxError()
{
    return Errors::SyntaxError("FROM");
}

} // namespace

Result<QuerySource> ParseQuerySource(const std::string& source)
{
    Lexer lex(source);
    QuerySource q;
    if (!lex.Keyword("select")) {
        auto name = lex.Name();
        lex.Symbol(';');
        if (!name || !lex.AtEnd())
            return SyntaxError();
        q.table = Utf8ToUtf16(*name);
        return q;
    }
    if (!lex.Symbol('*') || !lex.Keyword("from"))
        return SyntaxError();
    auto table = lex.Name();
    if (!table)
        return SyntaxError();
    q.table = Utf8ToUtf16(*table);
    if (lex.Keyword("where")) {
        auto column = lex.Name();
        if (!column || !lex.Symbol('='))
            return Errors::SyntaxError("WHERE");
        auto literal = lex.Literal();
        if (!literal)
            return Errors::SyntaxError("WHERE");
        q.filter = QuerySource::Filter{Utf8ToUtf16(*column), std::move(*literal)};
    }
    lex.Symbol(';');
    if (!lex.AtEnd())
        return SyntaxError();
    return q;
}

} // namespace jet
