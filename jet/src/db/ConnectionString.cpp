#include "db/ConnectionString.h"

#include <cctype>

namespace jet {
namespace {

std::string Trim(const std::string& s)
{
    size_t b = 0;
    size_t e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

std::string Lower(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

} // namespace

ConnectionString ConnectionString::Parse(const std::string& text)
{
    ConnectionString cs;
    size_t i = 0;
    while (i < text.size()) {
        const size_t eq = text.find('=', i);
        const size_t semi = text.find(';', i);
        if (eq == std::string::npos || (semi != std::string::npos && semi < eq)) {
            // A fragment without '=' carries no value.
            if (semi == std::string::npos)
                break;
            i = semi + 1;
            continue;
        }
        const std::string key = Lower(Trim(text.substr(i, eq - i)));
        size_t j = eq + 1;
        while (j < text.size() && (text[j] == ' ' || text[j] == '\t'))
            ++j;
        std::string value;
        if (j < text.size() && (text[j] == '"' || text[j] == '\'')) {
            const char quote = text[j++];
            while (j < text.size()) {
                if (text[j] == quote) {
                    if (j + 1 < text.size() && text[j + 1] == quote) {
                        value += quote;
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                value += text[j++];
            }
            const size_t end = text.find(';', j);
            i = end == std::string::npos ? text.size() : end + 1;
        } else {
            const size_t end = text.find(';', j);
            value = Trim(text.substr(j, end == std::string::npos ? std::string::npos : end - j));
            i = end == std::string::npos ? text.size() : end + 1;
        }
        if (!key.empty())
            cs.m_values[key] = value;
    }
    return cs;
}

std::optional<std::string> ConnectionString::Get(const std::string& key) const
{
    auto it = m_values.find(Lower(key));
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

} // namespace jet
