#pragma once

#include <map>
#include <optional>
#include <string>

namespace jet {

// The key/value pairs of an OLE DB connection string. Keys are compared
// without regard to case and surrounding blanks; values may be quoted with
// double or single quotes (a doubled quote inside stands for one).
class ConnectionString {
public:
    static ConnectionString Parse(const std::string& text);

    // Value of `key`, nullopt when absent. The last occurrence wins.
    std::optional<std::string> Get(const std::string& key) const;

private:
    std::map<std::string, std::string> m_values; // lower-case keys
};

} // namespace jet
