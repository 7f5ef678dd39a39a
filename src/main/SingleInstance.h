#pragma once

#include "main/InstanceNames.h"
#include "main/InstanceProtocol.h"

#include <QLocalServer>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>
#include <optional>

class QLocalSocket;
class QLockFile;

namespace kelvra {

class InstanceMessageHandler;

// The running copy's side: takes requests from later starts and hands them to the main window.
// Requests that arrive before there is a handler wait for one.
class InstanceServer final : public QObject
{
    Q_OBJECT

public:
    explicit InstanceServer(QObject* parent = nullptr);
    ~InstanceServer() override;

    // Removes a socket left by a copy that died, then listens. Call only while holding the lock.
    bool listen(const QString& serverName);
    QString serverName() const;
    void setHandler(InstanceMessageHandler* handler);

private:
    void acceptConnections();
    void serveAll();
    void serve(QLocalSocket* socket);
    // Empty when the frame is not something a copy of the program would send.
    std::optional<qint32> dispatch(const InstanceFrame& frame);
    void reportLater(const QString& message);

    QLocalServer m_server;
    QList<QPointer<QLocalSocket>> m_connections;
    InstanceMessageHandler* m_handler = nullptr;
    bool m_serving = false;
    bool m_missed = false;
};

// The later start's side: one connection to the running copy, each request waiting for its answer.
class InstanceClient
{
public:
    InstanceClient();
    ~InstanceClient();
    InstanceClient(const InstanceClient&) = delete;
    InstanceClient& operator=(const InstanceClient&) = delete;

    bool connectTo(const QString& serverName, int timeoutMs);
    // The answer, or empty when it does not come in time or the connection breaks.
    std::optional<qint32> send(const InstanceFrame& frame, int timeoutMs);

private:
    std::unique_ptr<QLocalSocket> m_socket;
};

struct StartupTimeouts
{
    // A copy that took the lock a moment ago may not be listening yet.
    int connectMs = 3000;
    // The running copy answers once its main window exists.
    int answerMs = 10000;
};

enum class StartupDecision
{
    First,  // holds the lock and listens; starts normally
    Second, // a running copy did not take the request; starts normally, on its own
    End,    // a running copy took the request; this process ends
};

// Decides whether this process starts, before anything else is created.
class StartupCheck
{
public:
    explicit StartupCheck(InstanceNames names, StartupTimeouts timeouts = {});
    ~StartupCheck();
    StartupCheck(const StartupCheck&) = delete;
    StartupCheck& operator=(const StartupCheck&) = delete;

    StartupDecision run(const QStringList& parameters);
    // Stops listening and gives the lock up, so that a copy started now becomes the first.
    void release();
    // The first copy's server; null for the other decisions.
    InstanceServer* server() const { return m_server.get(); }

private:
    bool takeLock();
    StartupDecision becomeFirst();
    StartupDecision handOver(InstanceClient& client, const QStringList& parameters);

    InstanceNames m_names;
    StartupTimeouts m_timeouts;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<InstanceServer> m_server;
};

} // namespace kelvra
