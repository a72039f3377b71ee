#include "net/zInternet.h"

#include "net/frmInternetAccessForm.h"
#include "support/AppContext.h"
#include "support/TagText.h"

namespace pafdm {

zInternet::zInternet(AppContext& ctx)
    : ServerURL(ctx.edition.serverUrl)
    , m_ctx(ctx)
{
}

zInternet::~zInternet() = default;

QString zInternet::GetDataFromHTTPRequest(const QString& url, int timeOutSecs)
{
    return frmInternetAccessForm::FetchText(m_ctx, m_window, url, timeOutSecs);
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
    if (!m_window)
        m_window = std::make_unique<frmInternetAccessForm>(m_ctx);
    if (m_window->IsInUse())
        return false;
    m_window->SetRequestTimeout(timeOutSecs);
    m_window->Show();
    m_window->SetOnTop();
    Expected<bool> result = m_window->GetHTTPFile(title, url, destinationPath);
    m_window->Close();
    m_window.reset();
    return result;
}

} // namespace pafdm
