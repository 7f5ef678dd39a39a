#pragma once

#include "common/InstanceMessageHandler.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

class QLocalSocket;

namespace kelvra::test {

// Records what the running copy was asked to do, as "show", "restore", "param:X" and
// "invalid:message".
class RecordingHandler final : public InstanceMessageHandler
{
public:
    void showInstance() override { m_calls.append(QStringLiteral("show")); }
    void restoreApplication() override { m_calls.append(QStringLiteral("restore")); }
    void processParam(const QString& parameter) override
    {
        m_calls.append(QStringLiteral("param:") + parameter);
    }
    void reportInvalidDataStructure(const QString& message) override
    {
        if (onReport)
            onReport();
        m_calls.append(QStringLiteral("invalid:") + message);
    }

    const QStringList& calls() const { return m_calls; }

    // Runs where the error box would come up.
    std::function<void()> onReport;

private:
    QStringList m_calls;
};

// The runtime folder the test run gives each test, created 0700 as the session would have it.
bool prepareRuntimeFolder();

// A socket file with nobody behind it, as a copy killed while listening leaves it.
bool makeStaleSocket(const QString& path);

// The answers to count requests on a connection of this process, running the event loop
// meanwhile so that a server here can answer; empty when they do not all come in time.
std::optional<QList<qint32>> readAnswers(QLocalSocket& socket, int count, int timeoutMs = 5000);

} // namespace kelvra::test
