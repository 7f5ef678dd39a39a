#include "InstanceTestKit.h"

#include "main/InstanceProtocol.h"
#include "main/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMutex>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <thread>

using namespace kelvra;

using Messages = QList<quint32>;

namespace {

enum class Reply
{
    Answer,
    HangUp,
    Silent
};

// A running copy on its own thread (the check blocks this one), answering the parameter
// block as told and 0 to everything else.
class ScriptedCopy final : public QThread
{
public:
    ScriptedCopy(QString name, Reply reply, qint32 answer)
        : m_name(std::move(name)), m_reply(reply), m_answer(answer)
    {
    }
    ~ScriptedCopy() override
    {
        quit();
        wait();
    }

    bool startListening()
    {
        start();
        return m_ready.tryAcquire(1, 5000) && m_listening;
    }
    Messages messages() const
    {
        QMutexLocker locker(&m_mutex);
        return m_messages;
    }
    QStringList parameters() const
    {
        QMutexLocker locker(&m_mutex);
        return m_parameters;
    }

protected:
    void run() override
    {
        QLocalServer server;
        m_listening = server.listen(m_name);
        QObject::connect(&server, &QLocalServer::newConnection, &server, [&] {
            QLocalSocket* socket = server.nextPendingConnection();
            QObject::connect(socket, &QLocalSocket::readyRead, socket,
                             [this, socket] { answer(*socket); });
        });
        m_ready.release();
        exec();
    }

private:
    void answer(QLocalSocket& socket)
    {
        forever
        {
            const FrameDecodeResult decoded = decodeFrame(socket.peek(socket.bytesAvailable()));
            if (decoded.status != FrameStatus::Complete)
                return;
            socket.skip(decoded.consumed);
            const bool isBlock = decoded.frame.message == CopyDataMessage;
            {
                QMutexLocker locker(&m_mutex);
                m_messages.append(decoded.frame.message);
                if (isBlock)
                    m_parameters = decodeParameterList(decodeCopyData(decoded.frame.payload)->list);
            }
            if (isBlock && m_reply == Reply::HangUp) {
                socket.abort();
                return;
            }
            if (isBlock && m_reply == Reply::Silent)
                continue;
            socket.write(encodeAnswer(isBlock ? m_answer : 0));
            socket.flush();
        }
    }

    const QString m_name;
    const Reply m_reply;
    const qint32 m_answer;
    QSemaphore m_ready;
    bool m_listening = false;
    mutable QMutex m_mutex;
    Messages m_messages;
    QStringList m_parameters;
};

} // namespace

Q_DECLARE_METATYPE(Reply)
Q_DECLARE_METATYPE(kelvra::StartupDecision)

class StartupCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstCopyHoldsLockAndServes_data();
    void firstCopyHoldsLockAndServes();
    void runningCopyDecides_data();
    void runningCopyDecides();
    void unreachableRunningCopy_data();
    void unreachableRunningCopy();
    void lockGivenUpWhileWaiting();
    void releasedCopyLetsTheNextOneBeFirst();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    InstanceNames m_names;
};

void StartupCheckTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_names = InstanceNames::inFolder(m_dir->path(), instanceKey("tester", ":1"));
}

void StartupCheckTest::cleanup()
{
    m_dir.reset();
}

void StartupCheckTest::firstCopyHoldsLockAndServes_data()
{
    QTest::addColumn<bool>("staleSocket");
    QTest::addColumn<QStringList>("parameters");

    QTest::newRow("nothing running") << false << QStringList{};
    QTest::newRow("nothing running, with parameters") << false << QStringList{"A", "B"};
    QTest::newRow("socket left by a killed copy") << true << QStringList{};
}

void StartupCheckTest::firstCopyHoldsLockAndServes()
{
    QFETCH(bool, staleSocket);
    QFETCH(QStringList, parameters);
    if (staleSocket)
        QVERIFY(test::makeStaleSocket(m_names.serverName));

    test::RecordingHandler handler;
    {
        StartupCheck check(m_names);
        QCOMPARE(check.run(parameters), StartupDecision::First);
        QVERIFY(check.server());
        check.server()->setHandler(&handler);

        QLockFile other(m_names.lockFilePath);
        QVERIFY(!other.tryLock(0));

        QLocalSocket client;
        client.connectToServer(m_names.serverName);
        QVERIFY(client.waitForConnected(5000));
        client.write(encodeFrame(showInstanceFrame()));
        QCOMPARE(test::readAnswers(client, 1), QList<qint32>{0});
        QCOMPARE(handler.calls(), QStringList{"show"});
    }
    // A normal end gives both up.
    QVERIFY(!QFile::exists(m_names.serverName));
    QLockFile next(m_names.lockFilePath);
    QVERIFY(next.tryLock(0));
}

void StartupCheckTest::runningCopyDecides_data()
{
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<qint32>("answer");
    QTest::addColumn<StartupDecision>("decision");
    QTest::addColumn<Messages>("messages");

    const Messages blockOnly{CopyDataMessage};
    QTest::newRow("no parameters: show it and end")
        << QStringList{} << Reply::Answer << 1 << StartupDecision::End
        << Messages{ShowInstanceMessage};
    QTest::newRow("block taken: show it and end")
        << QStringList{"A", "B"} << Reply::Answer << 1 << StartupDecision::End
        << Messages{CopyDataMessage, ShowInstanceMessage};
    QTest::newRow("answer 0") << QStringList{"A", "B"} << Reply::Answer << 0
                              << StartupDecision::Second << blockOnly;
    QTest::newRow("answer 2") << QStringList{"A", "B"} << Reply::Answer << 2
                              << StartupDecision::Second << blockOnly;
    QTest::newRow("answer -1") << QStringList{"A", "B"} << Reply::Answer << -1
                               << StartupDecision::Second << blockOnly;
    QTest::newRow("hangs up") << QStringList{"A", "B"} << Reply::HangUp << 0
                              << StartupDecision::Second << blockOnly;
    QTest::newRow("never answers")
        << QStringList{"A", "B"} << Reply::Silent << 0 << StartupDecision::Second << blockOnly;
}

void StartupCheckTest::runningCopyDecides()
{
    QFETCH(QStringList, parameters);
    QFETCH(Reply, reply);
    QFETCH(qint32, answer);
    QFETCH(StartupDecision, decision);
    QFETCH(Messages, messages);

    QLockFile held(m_names.lockFilePath);
    QVERIFY(held.tryLock(0));
    ScriptedCopy copy(m_names.serverName, reply, answer);
    QVERIFY(copy.startListening());

    StartupCheck check(m_names, {2000, 500});
    QCOMPARE(check.run(parameters), decision);
    QVERIFY(!check.server());
    QCOMPARE(copy.messages(), messages);
    if (!parameters.isEmpty())
        QCOMPARE(copy.parameters(), parameters);
}

void StartupCheckTest::unreachableRunningCopy_data()
{
    QTest::addColumn<bool>("staleSocket");

    QTest::newRow("no socket") << false;
    QTest::newRow("socket nobody listens on") << true;
}

void StartupCheckTest::unreachableRunningCopy()
{
    QFETCH(bool, staleSocket);
    QLockFile held(m_names.lockFilePath);
    QVERIFY(held.tryLock(0));
    if (staleSocket)
        QVERIFY(test::makeStaleSocket(m_names.serverName));

    StartupCheck check(m_names, {300, 500});
    QCOMPARE(check.run({"A"}), StartupDecision::Second);
    QVERIFY(!check.server());
    // Only the lock holder may replace the socket.
    QCOMPARE(QFile::exists(m_names.serverName), staleSocket);
}

void StartupCheckTest::lockGivenUpWhileWaiting()
{
    // The running copy is ending: it has closed its socket and is about to drop the lock.
    QLockFile held(m_names.lockFilePath);
    QVERIFY(held.tryLock(0));
    std::thread ending([&held] {
        QThread::msleep(200);
        held.unlock();
    });

    StartupCheck check(m_names, {10000, 500});
    const StartupDecision decision = check.run({});
    ending.join();
    QCOMPARE(decision, StartupDecision::First);
    QVERIFY(check.server());
}

void StartupCheckTest::releasedCopyLetsTheNextOneBeFirst()
{
    // A copy restarting itself gives both up while it is still running.
    StartupCheck closing(m_names);
    QCOMPARE(closing.run({}), StartupDecision::First);
    closing.release();
    QVERIFY(!closing.server());

    StartupCheck next(m_names, {500, 500});
    QCOMPARE(next.run({"A"}), StartupDecision::First);
    QVERIFY(next.server());
}

QTEST_GUILESS_MAIN(StartupCheckTest)
#include "StartupCheckTest.moc"
