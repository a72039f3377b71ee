#include "shell/DefinitionsDownload.h"

#include "net/frmInternetAccessForm.h"
#include "support/AppContext.h"
#include "support/Logging.h"
#include "support/Operator.h"
#include "support/TextFiles.h"

#include <exception>

namespace pafdm {

namespace {

constexpr int kTimeOutSecs = 30;
constexpr qint64 kPathFileAccessError = 75;

void ShowFailure(AppContext& ctx)
{
    ctx.ui().ShowMessage(
        QStringLiteral("Failed to download!   Internet connection may be down or firewall blocking the communication"),
        MessageStyle::kOkOnly | MessageStyle::kInformation, ctx.brand.applicationName, false);
}

} // namespace

QString DefinitionsRequestAddress(const EditionConfig& edition)
{
    return edition.definitionsServer + QLatin1String("/GetDefinitions.aspx") + QLatin1String("?pv=")
        + QString::number(kDefinitionsPv) + QLatin1String("&co=") + QString::number(kDefinitionsCo);
}

DefinitionsOutcome DownloadApplicationDefinitions(AppContext& ctx, Transfers& transfers)
{
    Operator& ui = ctx.ui();
    const std::optional<int> answer = ui.ShowMessage(
        QStringLiteral("This will download the Application Definitions for the Quorly Postcode Desktop Software.  It "
                       "only takes a few seconds.  Continue?"),
        MessageStyle::kYesNo | MessageStyle::kQuestion, ctx.brand.applicationName, false);
    if (answer != MessageAnswer::kYes)
        return DefinitionsOutcome::kDeclined;

    const QString caption = ui.MainCaption();
    DefinitionsOutcome outcome = DefinitionsOutcome::kFailed;
    try {
        ctx.StageMarker = QStringLiteral("Definitions:Download:Stage 1");
        const QString address = DefinitionsRequestAddress(ctx.edition);
        ui.SetMainCaption(QStringLiteral("Downloading definitions,  please wait..."));
        ctx.StageMarker = QStringLiteral("Definitions:Download:Stage 2");
        const QString reply = FetchURLText(ctx, transfers, address, kTimeOutSecs);
        const QString path = ctx.DataPath(QStringLiteral("Definitions.xml"));
        ctx.StageMarker = QStringLiteral("Definitions:Download:Stage 3");
        if (reply.size() <= kMinimumDefinitionsLength) {
            ShowFailure(ctx);
        } else if (!WriteDownloadedFile(ctx.clock(), path, reply)) {
            // Saying "has been written" here would send the operator off to copy a file that is not there.
            LogError(ctx, QString(), Error{kPathFileAccessError, QStringLiteral("Path/File access error: ") + path});
            ui.ShowMessage(QStringLiteral("Unable to write the file ") + path,
                           MessageStyle::kOkOnly | MessageStyle::kExclamation, ctx.brand.applicationName, false);
        } else {
            ui.ShowMessage(QStringLiteral("The file ") + path
                               + QStringLiteral(" has been written, this may need copying to other computers if "
                                                "Quorly Postcode is installed on each computer."),
                           MessageStyle::kOkOnly | MessageStyle::kInformation, ctx.brand.applicationName, false);
            outcome = DefinitionsOutcome::kWritten;
        }
    } catch (const std::exception& e) {
        LogError(ctx, QString(), Error{0, QString::fromLocal8Bit(e.what())});
        ShowFailure(ctx);
        outcome = DefinitionsOutcome::kFailed;
    }
    ui.SetMainCaption(caption);
    return outcome;
}

} // namespace pafdm
