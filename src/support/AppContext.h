#pragma once

#include "support/Clock.h"
#include "support/EditionConfig.h"

#include <QLocale>
#include <QString>

namespace pafdm {

class Operator;

// The six values of the branding file.
struct BrandSettings {
    QString applicationName;
    QString phoneNumber;
    QString eMail;
    QString allowInternet = QStringLiteral("ON");
    QString para1;
    QString para2;

    // "ON" after upper-casing, exactly.
    bool IsInternetAllowed() const { return allowInternet.toUpper() == QLatin1String("ON"); }
};

// The process-wide values: data directory, brand settings, StageMarker, the
// edition's configuration, the locale, and the operator and clock everything
// shows and waits through. The program owns one; every test makes its own.
// The program's stateful classes are not found here: whoever needs one is
// handed it (see Program).
class AppContext {
public:
    AppContext(EditionConfig edition, Operator& op, Clock& clock);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    QString dataDirectory;
    BrandSettings brand;
    QString StageMarker;
    EditionConfig edition;
    // The operator's regional settings (date formats of the logs and the
    // date-order check). The system's at creation; tests put a fixed one here.
    QLocale locale = QLocale::system();

    Operator& ui() const { return *m_operator; }
    Clock& clock() const { return *m_clock; }

    // "<data directory><native separator><fileName>".
    QString DataPath(const QString& fileName) const;

private:
    Operator* m_operator;
    Clock* m_clock;
};

} // namespace pafdm
