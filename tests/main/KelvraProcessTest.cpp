#include "InstanceTestKit.h"

#include "main/InstanceNames.h"
#include "main/InstanceProtocol.h"
#include "main/SingleInstance.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvra;

namespace {

// Generous: a copy on a loaded machine needs a while for its main window.
constexpr int ProcessWaitMs = 30000;

// One start of the real program, killed at the end if it is still running.
class KelvraRun
{
public:
    KelvraRun(const QString& workingFolder, const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                           QStringLiteral("kelvra.startup.info=true"));
        m_process.setProcessEnvironment(environment);
        m_process.setWorkingDirectory(workingFolder);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(QStringLiteral(KELVRA_EXE), arguments);
    }
    ~KelvraRun()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    QProcess& process() { return m_process; }
    bool isRunning() const { return m_process.state() != QProcess::NotRunning; }
    QByteArray output()
    {
        m_output += m_process.readAll();
        return m_output;
    }
    // Both run the event loop, so that a running copy in the test process can answer.
    bool waitForOutput(const char* text)
    {
        return QTest::qWaitFor([&] { return output().contains(text); }, ProcessWaitMs);
    }
    bool waitForEnd(int timeoutMs = ProcessWaitMs)
    {
        return QTest::qWaitFor([&] { return !isRunning(); }, timeoutMs);
    }
    bool endedCleanly() const
    {
        return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }
    void killAndWait()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
    QByteArray m_output;
};

const char* const StartedFirst = "starting as the first copy";
const char* const StartedSecond = "starting as a second copy";
const char* const HandedOver = "a running copy took over";

} // namespace

class KelvraProcessTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void handsOverToRunningCopy_data();
    void handsOverToRunningCopy();
    void refusedBlockStartsSecondCopy();
    void simultaneousStartsLeaveOneFirst();
    void killedFirstCopyLeavesNothingBehind();

private:
    std::optional<qint32> askRunningCopyToShow();
    void removeLeftovers();

    InstanceNames m_names;
    std::unique_ptr<QTemporaryDir> m_work;
};

void KelvraProcessTest::initTestCase()
{
    QVERIFY(test::prepareRuntimeFolder());
    QVERIFY(QFileInfo(QStringLiteral(KELVRA_EXE)).isExecutable());
    // The same names the program works out: same user, environment and platform.
    m_names = InstanceNames::forSession(QGuiApplication::platformName());
    QVERIFY(m_names.serverName.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR")));
}

void KelvraProcessTest::init()
{
    removeLeftovers();
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid());
    QVERIFY(QDir(m_work->path()).mkpath(QStringLiteral("Database")));
}

void KelvraProcessTest::cleanup()
{
    m_work.reset();
    removeLeftovers();
}

void KelvraProcessTest::removeLeftovers()
{
    // Killed copies leave their lock and socket; each test starts from a clean session.
    QFile::remove(m_names.lockFilePath);
    QFile::remove(m_names.serverName);
}

std::optional<qint32> KelvraProcessTest::askRunningCopyToShow()
{
    InstanceClient client;
    if (!client.connectTo(m_names.serverName, 5000))
        return std::nullopt;
    return client.send(showInstanceFrame(), ProcessWaitMs);
}

void KelvraProcessTest::handsOverToRunningCopy_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("no parameters") << QStringList{} << QStringList{"show"};
    QTest::newRow("A and B") << QStringList{"A", "B"} << QStringList{"param:A", "param:B", "show"};
    QTest::newRow("empty parameter ends the list")
        << QStringList{"A", "", "B"} << QStringList{"param:A", "show"};
}

void KelvraProcessTest::handsOverToRunningCopy()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, calls);

    // This test process is the running copy.
    QLockFile lock(m_names.lockFilePath);
    QVERIFY(lock.tryLock(0));
    InstanceServer server;
    QVERIFY(server.listen(m_names.serverName));
    test::RecordingHandler handler;
    server.setHandler(&handler);

    KelvraRun run(m_work->path(), arguments);
    QVERIFY2(run.waitForEnd(), run.output().constData());
    QVERIFY2(run.endedCleanly(), run.output().constData());
    QVERIFY(run.output().contains(HandedOver));
    QCOMPARE(handler.calls(), calls);
    // It went without creating anything in its working folder.
    QCOMPARE(QDir(m_work->path() + QStringLiteral("/Database")).entryList(QDir::NoDotAndDotDot),
             QStringList{});
}

void KelvraProcessTest::refusedBlockStartsSecondCopy()
{
    // Something that holds the lock and the socket name but answers 0 to everything.
    QLockFile lock(m_names.lockFilePath);
    QVERIFY(lock.tryLock(0));
    QLocalServer fake;
    QVERIFY(fake.listen(m_names.serverName));
    QList<quint32> received;
    int connections = 0;
    connect(&fake, &QLocalServer::newConnection, this, [&] {
        ++connections;
        QLocalSocket* socket = fake.nextPendingConnection();
        connect(socket, &QLocalSocket::readyRead, socket, [&received, socket] {
            FrameDecodeResult decoded;
            while ((decoded = decodeFrame(socket->peek(socket->bytesAvailable()))).status ==
                   FrameStatus::Complete) {
                socket->skip(decoded.consumed);
                received.append(decoded.frame.message);
                socket->write(encodeAnswer(0));
            }
        });
    });

    KelvraRun run(m_work->path(), {"A", "B"});
    QVERIFY2(run.waitForOutput(StartedSecond), run.output().constData());
    QVERIFY2(!run.waitForEnd(1000), run.output().constData());
    QCOMPARE(received, QList<quint32>{CopyDataMessage});

    // A second copy neither takes the lock nor the socket name.
    qint64 owner = 0;
    QVERIFY(lock.getLockInfo(&owner, nullptr, nullptr));
    QCOMPARE(owner, QCoreApplication::applicationPid());
    QLocalSocket probe;
    probe.connectToServer(m_names.serverName);
    QVERIFY(probe.waitForConnected(5000));
    QVERIFY(QTest::qWaitFor([&] { return connections == 2; }));
}

void KelvraProcessTest::simultaneousStartsLeaveOneFirst()
{
    for (int round = 0; round < 4; ++round) {
        KelvraRun one(m_work->path(), {});
        KelvraRun other(m_work->path(), {});
        QVERIFY2(
            QTest::qWaitFor([&] { return !one.isRunning() || !other.isRunning(); }, ProcessWaitMs),
            qPrintable(QStringLiteral("round %1: both still running").arg(round)));

        KelvraRun& ended = one.isRunning() ? other : one;
        KelvraRun& first = one.isRunning() ? one : other;
        QVERIFY2(ended.endedCleanly(), ended.output().constData());
        QVERIFY2(ended.output().contains(HandedOver), ended.output().constData());
        QVERIFY2(first.waitForOutput(StartedFirst), first.output().constData());
        QCOMPARE(askRunningCopyToShow(), std::optional<qint32>(0));
        QVERIFY(first.isRunning());
        // Killed, so the next round also starts over a stale lock and socket.
        first.killAndWait();
    }
}

void KelvraProcessTest::killedFirstCopyLeavesNothingBehind()
{
    KelvraRun killed(m_work->path(), {});
    QVERIFY2(killed.waitForOutput(StartedFirst), killed.output().constData());
    QCOMPARE(askRunningCopyToShow(), std::optional<qint32>(0));
    killed.killAndWait();
    QCOMPARE(killed.process().exitStatus(), QProcess::CrashExit);
    QVERIFY(QFile::exists(m_names.lockFilePath));
    QVERIFY(QFile::exists(m_names.serverName));

    KelvraRun next(m_work->path(), {});
    QVERIFY2(next.waitForOutput(StartedFirst), next.output().constData());
    QCOMPARE(askRunningCopyToShow(), std::optional<qint32>(0));
    QVERIFY(next.isRunning());
}

QTEST_MAIN(KelvraProcessTest)
#include "KelvraProcessTest.moc"
