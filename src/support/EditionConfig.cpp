#include "support/EditionConfig.h"

#include <QtGlobal>

namespace pafdm {

EditionConfig EditionConfig::Vell()
{
    EditionConfig c;
    c.edition = Edition::kVell;
    c.editionName = QStringLiteral("Vell");
    c.defaultApplicationName = QStringLiteral("Postcode Vell");
    c.defaultPhoneNumber = QStringLiteral("0845 000 0101");
    c.serverUrl = QStringLiteral("http://update.postcodevell.example");
    c.definitionsServer = QStringLiteral("http://admin.quorly.example");
    c.webSite = QStringLiteral("http://www.postcodevell.example");
    c.lookupComponentClass = QStringLiteral("IPostCodeVell.PostCode");
    c.desktopProgram = QStringLiteral("PostCodeVellDesktop.exe");
    c.hidesStatusAndDefinitionsMenus = true;
    c.offersWaitingUpdates = false;
    return c;
}

EditionConfig EditionConfig::Quorly()
{
    EditionConfig c;
    c.edition = Edition::kQuorly;
    c.editionName = QStringLiteral("Quorly");
    c.defaultApplicationName = QStringLiteral("Quorly Postcode");
    c.defaultPhoneNumber = QStringLiteral("0845 000 0202");
    c.serverUrl = QStringLiteral("http://admin.quorly.example");
    c.definitionsServer = QStringLiteral("http://admin.quorly.example");
    c.webSite = QStringLiteral("http://www.quorly.example");
    c.lookupComponentClass = QStringLiteral("IQuorlyPostCodeCOMClass.QuorlyPostCode");
    c.desktopProgram.clear();
    c.hidesStatusAndDefinitionsMenus = false;
    c.offersWaitingUpdates = true;
    return c;
}

EditionConfig EditionConfig::BuildDefault()
{
#if defined(PAFDM_EDITION_Quorly)
    return Quorly();
#else
    return Vell();
#endif
}

namespace {

void Override(QString& target, const char* variable)
{
    if (!qEnvironmentVariableIsSet(variable))
        return;
    QString value = qEnvironmentVariable(variable).trimmed();
    while (value.endsWith(QLatin1Char('/')))
        value.chop(1);
    if (!value.isEmpty())
        target = value;
}

} // namespace

EditionConfig EditionConfig::WithEnvironmentOverrides() const
{
    EditionConfig c = *this;
    Override(c.serverUrl, "PAFDM_SERVER_URL");
    Override(c.definitionsServer, "PAFDM_DEFINITIONS_SERVER");
    Override(c.webSite, "PAFDM_WEB_SITE");
    return c;
}

} // namespace pafdm
