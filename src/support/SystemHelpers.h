#pragma once

#include <QString>

#include <optional>

namespace pafdm {

class AppContext;
class Operator;

// The answer to a message of `style` that nobody answered (no window could
// show it, or it was closed): the choice that commits to nothing, OK, No or
// Cancel, whichever the buttons offer.
int NeutralAnswer(int style);

// Shows a message above every other window and returns the answer. Buttons
// -99 mean an OK button alone; an empty title means the application name.
// Falls back to a beep and an ordinary message when the top-most window
// cannot be used; the caller always gets an answer (when no message could be
// shown at all: OK, No or Cancel, whichever the buttons offer that commits to
// nothing).
int ShowTopMessage(AppContext& ctx, const QString& prompt, int buttons, const QString& title);

// Keeps the progress window above every other window.
void MakeTopMost(Operator& op);

// The host name, at most 255 characters.
QString GetComputerNameText();
// The logged-on user: USER, else LOGNAME, else the account of the effective
// user id; at most 255 characters, empty when none is known.
QString GetUserNameText();

// Bytes an unprivileged process may still write on the file system that
// holds `path`, asked of that file system itself (statvfs on the path, or on
// its nearest existing parent), so the answer needs no mount table. Nothing
// when even that fails.
std::optional<qint64> FreeSpaceAt(const QString& path);

// There is no registry here: always `defaultValue`.
QString ReadRegistryText(const QString& root, const QString& subKey, const QString& valueName,
                         const QString& defaultValue);

bool IsKeyDown(Operator& op, int virtualKey);

// Hands a URL or document path to the desktop; on failure tells the operator
// "Unable to open web page '<url>'" through ShowTopMessage.
void OpenWebPage(AppContext& ctx, const QString& urlOrPath);

} // namespace pafdm
