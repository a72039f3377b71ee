#include "dataset/DataKind.h"

namespace pafdm {

const std::array<DataKind, 3>& DataKinds()
{
    static const std::array<DataKind, 3> kinds = {{
        {QLatin1Char('F'), QStringLiteral("PAF_FULL.dat"), QStringLiteral("PAF_FULLAddress"),
         QStringLiteral("FT_PostCode"), QStringLiteral("Full PAF")},
        {QLatin1Char('T'), QStringLiteral("PAF_THOURGHFARE.dat"), QStringLiteral("PAF_StreetAddress"),
         QStringLiteral("FT_PostCode"), QStringLiteral("Thourghfare PAF")},
        {QLatin1Char('Z'), QStringLiteral("PAF_POSTZON.dat"), QStringLiteral("PAF_PostZon"),
         QStringLiteral("PZ_Postcode"), QStringLiteral("PostZon Data")},
    }};
    return kinds;
}

std::optional<DataKind> FindDataKind(const QString& letter)
{
    for (const DataKind& kind : DataKinds()) {
        if (letter == QString(kind.letter))
            return kind;
    }
    return std::nullopt;
}

QString DatabasePassword()
{
    return QStringLiteral("tallowmere");
}

QString ConnectionString(const QString& path)
{
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;") + QStringLiteral("Data Source=") + path
        + QStringLiteral(";") + QStringLiteral("Jet OLEDB:Database Password=") + DatabasePassword();
}

} // namespace pafdm
