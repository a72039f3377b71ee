#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <ostream>

// Readable GoogleTest failure output for the Qt values the tests compare.
// Include before the assertions that compare such values.

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os)
{
    *os << '"' << bytes.toStdString() << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[';
    for (qsizetype i = 0; i < list.size(); ++i)
        *os << (i == 0 ? "" : ", ") << '"' << list[i].toStdString() << '"';
    *os << ']';
}

inline void PrintTo(const QDateTime& when, std::ostream* os)
{
    *os << when.toString(Qt::ISODateWithMs).toStdString();
}
