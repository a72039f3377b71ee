#pragma once

#include "net/frmInternetAccessForm.h"
#include "support/AppContext.h"
#include "support/Clock.h"
#include "testsupport/LocalHttpServer.h"
#include "testsupport/QtPrinters.h"
#include "testsupport/ScriptedOperator.h"
#include "testsupport/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace pafdm::test {

// Deterministic bytes that are not text.
inline QByteArray Binary(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 state = 12345;
    for (char& c : bytes) {
        state = state * 1103515245u + 12345u;
        c = static_cast<char>(state >> 24);
    }
    return bytes;
}

// A Quorly context on a fresh data directory, a local HTTP server and a
// scripted operator; the proxy file is looked for in the data directory.
class NetFixture : public ::testing::Test {
protected:
    NetFixture()
        : ctx(EditionConfig::Quorly(), op, clock)
    {
        ctx.dataDirectory = dir.path();
        Settings().proxyDirectory = dir.path();
    }

    TransferSettings& Settings() { return transfers.settings; }
    QString Url(const QString& path) const { return server.BaseUrl() + path; }

    QStringList Files() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    QByteArray Contents(const QString& name) const
    {
        QFile file(dir.File(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void Write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(dir.File(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    LocalHttpServer server;
    ScriptedOperator op;
    Clock clock;
    TempDir dir;
    AppContext ctx;
    Transfers transfers;
};

} // namespace pafdm::test
