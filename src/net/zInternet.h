#pragma once

#include "support/Error.h"

#include <QString>

namespace pafdm {

class AppContext;
struct Transfers;

// The client of the update service: asks which data updates follow the local
// data dates and downloads the listed archives. Each request runs on the
// transfer window of `transfers`, which FetchURLText shares: while one
// request waits, another finds the window in use. The program keeps one.
class zInternet {
public:
    // ServerURL starts as the edition's update server.
    zInternet(AppContext& ctx, Transfers& transfers);
    ~zInternet();
    zInternet(const zInternet&) = delete;
    zInternet& operator=(const zInternet&) = delete;

    // Base URL of the update server: scheme and host, no trailing "/".
    QString ServerURL;

    // The text at `url`, fetched with a request time-out of `timeOutSecs`.
    // "" when a request of this client is still running, TimeOutMessage()
    // on a time-out, a transfer error or a cancel, otherwise the reply.
    QString GetDataFromHTTPRequest(const QString& url, int timeOutSecs);

    // The content of the <list> element of the update service's reply for
    // the three data dates (sent as given, "" for a missing date): "" when
    // there is nothing to fetch, "FAILED" when the reply has no non-empty
    // <Confirm> element (whatever the reason).
    QString GetUpdateList(const QString& dateOfFullData, const QString& dateOfStreetDate,
                          const QString& dateOfPostZonData);

    // Downloads `url` into the directory `destinationPath` under the URL's
    // last segment, on a top-most progress window captioned `title`. False
    // when a request of this client is still running or the operator
    // cancelled; otherwise as frmInternetAccessForm::GetHTTPFile.
    Expected<bool> GetHTTPFile(const QString& url, const QString& destinationPath, const QString& title,
                               int timeOutSecs);

private:
    AppContext& m_ctx;
    Transfers& m_transfers;
};

} // namespace pafdm
