#include "shell/BrandSettings.h"

#include "support/AppContext.h"
#include "support/TagText.h"
#include "support/TextFiles.h"

namespace pafdm {

namespace {

QString Tagged(const QString& text, const char* tag)
{
    return GetTagValue(QStringLiteral("<") + QLatin1String(tag) + QStringLiteral(">"), text,
                       QStringLiteral("</") + QLatin1String(tag) + QStringLiteral(">"));
}

} // namespace

Expected<Done> GetBrandSettings(AppContext& ctx)
{
    ctx.brand.allowInternet = QStringLiteral("ON");
    const QString path = ctx.DataPath(QStringLiteral("Brand.xml"));
    const Expected<bool> exists = FileExists(path);
    if (!exists)
        return exists.error();
    if (!exists.value())
        return Done{};
    const QString text = ReadTextFile(ctx.clock(), path, QString(), false);
    BrandSettings& brand = ctx.brand;
    brand.applicationName = Tagged(text, "ApplicationName");
    brand.phoneNumber = Tagged(text, "PhoneNumber");
    brand.eMail = Tagged(text, "eMail");
    brand.allowInternet = Tagged(text, "allowInternet");
    brand.para1 = Tagged(text, "para1");
    brand.para2 = Tagged(text, "para2");
    return Done{};
}

} // namespace pafdm
