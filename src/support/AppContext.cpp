#include "support/AppContext.h"

#include <QDir>

namespace pafdm {

AppContext::AppContext(EditionConfig editionConfig, Operator& op, Clock& clock)
    : edition(std::move(editionConfig))
    , m_operator(&op)
    , m_clock(&clock)
{
    brand.applicationName = edition.defaultApplicationName;
    brand.phoneNumber = edition.defaultPhoneNumber;
}

AppContext::~AppContext() = default;

QString AppContext::DataPath(const QString& fileName) const
{
    return dataDirectory + QDir::separator() + fileName;
}

} // namespace pafdm
