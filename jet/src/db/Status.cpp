#include <jet/Status.h>

namespace jet {

std::string Status::ToString() const
{
    if (ok())
        return "OK";
    return std::to_string(m_number) + ": " + m_description;
}

} // namespace jet
