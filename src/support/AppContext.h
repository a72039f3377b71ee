#pragma once

#include "support/Clock.h"
#include "support/EditionConfig.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>

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
// edition's configuration and the single shared instances of the program's
// stateful classes. The program owns one; every test makes its own.
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

    // The single instance of T for this context, created on first use with
    // T(AppContext&) and kept until the context ends.
    template <typename T>
    T& Shared()
    {
        auto it = m_shared.find(std::type_index(typeid(T)));
        if (it == m_shared.end()) {
            auto holder = std::shared_ptr<void>(new T(*this), [](void* p) { delete static_cast<T*>(p); });
            it = m_shared.emplace(std::type_index(typeid(T)), std::move(holder)).first;
        }
        return *static_cast<T*>(it->second.get());
    }

private:
    Operator* m_operator;
    Clock* m_clock;
    std::unordered_map<std::type_index, std::shared_ptr<void>> m_shared;
};

} // namespace pafdm
