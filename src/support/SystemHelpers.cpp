#include "support/SystemHelpers.h"

#include "support/AppContext.h"
#include "support/Operator.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <algorithm>
#include <optional>

#include <cerrno>
#include <limits>

#include <pwd.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace pafdm {

namespace {

constexpr qsizetype kNameBufferLength = 255;

// What the system's name queries return: the characters before the first NUL,
// no more than the buffer holds.
QString NameFromBuffer(const QString& name)
{
    const qsizetype nul = name.indexOf(QChar(0));
    return name.left(nul < 0 ? kNameBufferLength : std::min(nul, kNameBufferLength));
}

} // namespace

int NeutralAnswer(int style)
{
    switch (style & 0x0F) {
    case MessageStyle::kOkCancel:
    case MessageStyle::kYesNoCancel: return MessageAnswer::kCancel;
    case MessageStyle::kYesNo: return MessageAnswer::kNo;
    default: return MessageAnswer::kOk;
    }
}

int ShowTopMessage(AppContext& ctx, const QString& prompt, int buttons, const QString& title)
{
    const int style = buttons == -99 ? MessageStyle::kOkOnly : buttons;
    const QString shownTitle = title.isEmpty() ? ctx.brand.applicationName : title;
    if (const std::optional<int> answer = ctx.ui().ShowMessage(prompt, style, shownTitle, true))
        return *answer;
    ctx.ui().Beep();
    return ctx.ui().ShowMessage(prompt, style, shownTitle, false).value_or(NeutralAnswer(style));
}

void MakeTopMost(Operator& op)
{
    op.SetProgressTopMost(true);
}

QString GetComputerNameText()
{
    return NameFromBuffer(QSysInfo::machineHostName());
}

std::optional<qint64> FreeSpaceAt(const QString& path)
{
    QString at = QFileInfo(path.isEmpty() ? QStringLiteral(".") : path).absoluteFilePath();
    for (;;) {
        struct statvfs stats { };
        int result = 0;
        do {
            result = ::statvfs(QFile::encodeName(at).constData(), &stats);
        } while (result != 0 && errno == EINTR);
        if (result == 0) {
            // f_bavail blocks of f_frsize bytes, held below qint64's range.
            const unsigned long long block = stats.f_frsize != 0 ? stats.f_frsize : stats.f_bsize;
            const unsigned long long limit = static_cast<unsigned long long>(std::numeric_limits<qint64>::max());
            if (block != 0 && stats.f_bavail > limit / block)
                return std::numeric_limits<qint64>::max();
            return static_cast<qint64>(stats.f_bavail * block);
        }
        // A path not made yet is measured where it will be made.
        if (errno != ENOENT && errno != ENOTDIR)
            return std::nullopt;
        const QString parent = QFileInfo(at).path();
        if (parent == at)
            return std::nullopt;
        at = parent;
    }
}

QString GetUserNameText()
{
    for (const char* variable : {"USER", "LOGNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return NameFromBuffer(name);
    }
    if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_name != nullptr)
        return NameFromBuffer(QString::fromLocal8Bit(entry->pw_name));
    return {};
}

QString ReadRegistryText(const QString&, const QString&, const QString&, const QString& defaultValue)
{
    return defaultValue;
}

bool IsKeyDown(Operator& op, int virtualKey)
{
    return op.IsKeyDown(virtualKey);
}

void OpenWebPage(AppContext& ctx, const QString& urlOrPath)
{
    if (ctx.ui().OpenUrl(urlOrPath))
        return;
    const QString prompt =
        QCoreApplication::translate("OpenWebPage", "Unable to open web page '") + urlOrPath + QLatin1Char('\'');
    ShowTopMessage(ctx, prompt, MessageStyle::kOkOnly, ctx.brand.applicationName);
}

} // namespace pafdm
