#include "main/SingleInstance.h"

#include "common/InstanceMessageHandler.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QLoggingCategory>
#include <QThread>

namespace kelvra {

// Silent unless asked for (QT_LOGGING_RULES="kelvra.startup.info=true").
Q_LOGGING_CATEGORY(lcStartup, "kelvra.startup", QtWarningMsg)

namespace {

const char* const InvalidDataStructureText = "Invalid data structure passed in WM_COPYDATA";

// Between attempts to reach a copy that is still setting up its socket.
constexpr int RetryIntervalMs = 50;
constexpr int ConnectAttemptMs = 250;

int remainingMs(const QDeadlineTimer& deadline)
{
    return int(qMax<qint64>(0, deadline.remainingTime()));
}

} // namespace

// ---- InstanceServer ----

InstanceServer::InstanceServer(QObject* parent) : QObject(parent)
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&m_server, &QLocalServer::newConnection, this, &InstanceServer::acceptConnections);
}

InstanceServer::~InstanceServer()
{
    // The sockets belong to m_server; drop them while this object is still whole.
    for (const QPointer<QLocalSocket>& socket : std::as_const(m_connections)) {
        if (socket) {
            socket->disconnect(this);
            delete socket.data();
        }
    }
    m_server.close();
}

bool InstanceServer::listen(const QString& serverName)
{
    QLocalServer::removeServer(serverName);
    if (m_server.listen(serverName))
        return true;
    qCWarning(lcStartup, "cannot listen on %s: %s", qUtf8Printable(serverName),
              qUtf8Printable(m_server.errorString()));
    return false;
}

QString InstanceServer::serverName() const
{
    return m_server.fullServerName();
}

void InstanceServer::setHandler(InstanceMessageHandler* handler)
{
    m_handler = handler;
    serveAll();
}

void InstanceServer::acceptConnections()
{
    m_connections.removeAll(nullptr);
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        m_connections.append(socket);
        connect(socket, &QLocalSocket::readyRead, this, &InstanceServer::serveAll);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
    serveAll();
}

void InstanceServer::serveAll()
{
    // A handler may run a nested event loop; requests arriving meanwhile are taken up here
    // afterwards, in order, instead of inside the handler.
    if (m_serving) {
        m_missed = true;
        return;
    }
    m_serving = true;
    do {
        m_missed = false;
        const auto connections = m_connections;
        for (const QPointer<QLocalSocket>& socket : connections)
            if (socket)
                serve(socket);
    } while (m_missed);
    m_serving = false;
}

void InstanceServer::serve(QLocalSocket* socket)
{
    const QPointer<QLocalSocket> guard(socket);
    while (guard && m_handler) {
        const FrameDecodeResult decoded = decodeFrame(socket->peek(socket->bytesAvailable()));
        if (decoded.status == FrameStatus::Incomplete)
            return;
        std::optional<qint32> answer;
        if (decoded.status == FrameStatus::Complete) {
            socket->skip(decoded.consumed);
            answer = dispatch(decoded.frame);
            if (!guard)
                return;
        }
        if (!answer) {
            qCWarning(lcStartup, "dropping a connection that sent garbage");
            socket->abort();
            socket->deleteLater();
            return;
        }
        socket->write(encodeAnswer(*answer));
        socket->flush();
    }
}

std::optional<qint32> InstanceServer::dispatch(const InstanceFrame& frame)
{
    if (frame.message == ShowInstanceMessage) {
        m_handler->showInstance();
        return 0;
    }
    if (frame.message == CopyDataMessage) {
        const std::optional<ParameterBlock> block = decodeCopyData(frame.payload);
        if (!block)
            return std::nullopt;
        if (block->tag != ParamBlockTag) {
            // Answer first: the sender must not wait on a modal box.
            reportLater(QString::fromLatin1(InvalidDataStructureText));
            return 0;
        }
        for (const QString& parameter : decodeParameterList(block->list)) {
            if (!m_handler)
                break;
            m_handler->processParam(parameter);
        }
        return 1;
    }
    const std::optional<QString> name = registeredMessageName(frame);
    if (!name)
        return std::nullopt;
    if (*name == restoreMessageName())
        m_handler->restoreApplication();
    return 0;
}

void InstanceServer::reportLater(const QString& message)
{
    QMetaObject::invokeMethod(
        this,
        [this, message] {
            if (m_handler)
                m_handler->reportInvalidDataStructure(message);
        },
        Qt::QueuedConnection);
}

// ---- InstanceClient ----

InstanceClient::InstanceClient() : m_socket(std::make_unique<QLocalSocket>()) {}

InstanceClient::~InstanceClient() = default;

bool InstanceClient::connectTo(const QString& serverName, int timeoutMs)
{
    m_socket->abort();
    m_socket->connectToServer(serverName);
    return m_socket->waitForConnected(timeoutMs);
}

std::optional<qint32> InstanceClient::send(const InstanceFrame& frame, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    const QByteArray data = encodeFrame(frame);
    if (m_socket->write(data) != data.size())
        return std::nullopt;
    while (m_socket->bytesToWrite() > 0) {
        if (deadline.hasExpired() || !m_socket->waitForBytesWritten(remainingMs(deadline)))
            return std::nullopt;
    }
    while (m_socket->bytesAvailable() < AnswerSize) {
        if (deadline.hasExpired() || m_socket->state() != QLocalSocket::ConnectedState)
            return std::nullopt;
        m_socket->waitForReadyRead(remainingMs(deadline));
    }
    return decodeAnswer(m_socket->read(AnswerSize));
}

// ---- StartupCheck ----

StartupCheck::StartupCheck(InstanceNames names, StartupTimeouts timeouts)
    : m_names(std::move(names)), m_timeouts(timeouts)
{
}

StartupCheck::~StartupCheck() = default;

StartupDecision StartupCheck::run(const QStringList& parameters)
{
    if (takeLock())
        return becomeFirst();

    InstanceClient client;
    const QDeadlineTimer deadline(m_timeouts.connectMs);
    forever
    {
        if (client.connectTo(m_names.serverName, qMin(ConnectAttemptMs, remainingMs(deadline))))
            return handOver(client, parameters);
        // The running copy may have just ended and given the lock up.
        if (takeLock())
            return becomeFirst();
        if (deadline.hasExpired())
            break;
        QThread::msleep(qMin(RetryIntervalMs, remainingMs(deadline)));
    }
    qCInfo(lcStartup, "starting as a second copy: the running copy cannot be reached");
    return StartupDecision::Second;
}

void StartupCheck::release()
{
    m_server.reset();
    if (m_lock)
        m_lock->unlock();
}

bool StartupCheck::takeLock()
{
    if (!m_lock) {
        QDir().mkpath(QFileInfo(m_names.lockFilePath).absolutePath());
        m_lock = std::make_unique<QLockFile>(m_names.lockFilePath);
        // Held for the whole run; only a dead owner (the lock's PID check) frees it.
        m_lock->setStaleLockTime(0);
    }
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() != QLockFile::LockFailedError)
        qCWarning(lcStartup, "cannot create the lock %s", qUtf8Printable(m_names.lockFilePath));
    return false;
}

StartupDecision StartupCheck::becomeFirst()
{
    m_server = std::make_unique<InstanceServer>();
    m_server->listen(m_names.serverName);
    qCInfo(lcStartup, "starting as the first copy, listening on %s",
           qUtf8Printable(m_names.serverName));
    return StartupDecision::First;
}

StartupDecision StartupCheck::handOver(InstanceClient& client, const QStringList& parameters)
{
    if (!parameters.isEmpty()) {
        const std::optional<qint32> answer = client.send(
            copyDataFrame({ParamBlockTag, encodeParameterBlock(parameters)}), m_timeouts.answerMs);
        if (answer != 1) {
            qCInfo(lcStartup, "starting as a second copy: the running copy answered %s",
                   answer ? qPrintable(QString::number(*answer)) : "nothing");
            return StartupDecision::Second;
        }
    }
    client.send(showInstanceFrame(), m_timeouts.answerMs);
    qCInfo(lcStartup, "a running copy took over; ending");
    return StartupDecision::End;
}

} // namespace kelvra
