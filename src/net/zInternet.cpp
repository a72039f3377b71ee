#include "net/zInternet.h"

#include "net/frmInternetAccessForm.h"
#include "support/AppContext.h"
#include "support/TagText.h"

namespace pafdm {

zInternet::zInternet(AppContext& ctx, Transfers& transfers)
    : ServerURL(ctx.edition.serverUrl)
    , m_ctx(ctx)
    , m_transfers(transfers)
{ }

zInternet::~zInternet() = default;

QString zInternet::GetDataFromHTTPRequest(const QString& url, int timeOutSecs)
{
    return frmInternetAccessForm::FetchText(m_ctx, m_transfers, url, timeOutSecs);
}

QString zInternet::GetUpdateList(const QString& dateOfFullData, const QString& dateOfStreetDate,
                                 const QString& dateOfPostZonData)
{
    const QString request = ServerURL + QLatin1String("/xmlservice/UpdateDataList.aspx") + QLatin1String("?f=")
        + dateOfFullData + QLatin1String("&t=") + dateOfStreetDate + QLatin1String("&z=") + dateOfPostZonData;
    const QString reply = GetDataFromHTTPRequest(request, 30);
    const QString confirm = GetTagValue(QStringLiteral("<Confirm>"), reply, QStringLiteral("</Confirm>"));
    if (!confirm.isEmpty())
        return GetTagValue(QStringLiteral("<list>"), reply, QStringLiteral("</list>"));
    return QStringLiteral("FAILED");
}

Expected<bool> zInternet::GetHTTPFile(const QString& url, const QString& destinationPath, const QString& title,
                                      int timeOutSecs)
{
    std::unique_ptr<frmInternetAccessForm>& window = m_transfers.window;
    if (!window)
        window = std::make_unique<frmInternetAccessForm>(m_ctx, m_transfers.settings);
    if (window->IsInUse())
        return false;
    window->SetRequestTimeout(timeOutSecs);
    window->Show();
    window->SetOnTop();
    Expected<bool> result = window->GetHTTPFile(title, url, destinationPath);
    window->Close();
    window.reset();
    return result;
}

} // namespace pafdm
