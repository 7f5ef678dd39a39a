#include "InstanceTestKit.h"

#include "main/InstanceProtocol.h"
#include "main/SingleInstance.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvra;
using kelvra::test::readAnswers;
using kelvra::test::RecordingHandler;

using Answers = QList<qint32>;

namespace {

QByteArray blockWire(const QStringList& parameters, quint32 tag = ParamBlockTag)
{
    return encodeFrame(copyDataFrame({tag, encodeParameterBlock(parameters)}));
}

QByteArray showWire()
{
    return encodeFrame(showInstanceFrame());
}

} // namespace

class InstanceServerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void requestsAnswered_data();
    void requestsAnswered();
    void requestsInPieces();
    void wrongTagAnsweredBeforeTheBox();
    void garbageDropsOnlyThatConnection_data();
    void garbageDropsOnlyThatConnection();
    void requestsWaitForTheHandler();
    void staleSocketReplaced();

private:
    bool connectClient(QLocalSocket& client);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_name;
    std::unique_ptr<InstanceServer> m_server;
    std::unique_ptr<RecordingHandler> m_handler;
};

void InstanceServerTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_name = m_dir->filePath(QStringLiteral("instance.socket"));
    m_handler = std::make_unique<RecordingHandler>();
    m_server = std::make_unique<InstanceServer>();
    QVERIFY(m_server->listen(m_name));
    m_server->setHandler(m_handler.get());
}

void InstanceServerTest::cleanup()
{
    m_server.reset();
    m_handler.reset();
    m_dir.reset();
}

bool InstanceServerTest::connectClient(QLocalSocket& client)
{
    client.connectToServer(m_name);
    return QTest::qWaitFor([&] { return client.state() == QLocalSocket::ConnectedState; });
}

void InstanceServerTest::requestsAnswered_data()
{
    QTest::addColumn<QByteArray>("requests");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<QStringList>("calls");

    QTest::newRow("parameters A and B")
        << blockWire({"A", "B"}) << Answers{1} << QStringList{"param:A", "param:B"};
    QTest::newRow("empty parameter ends the list")
        << blockWire({"A", "", "B"}) << Answers{1} << QStringList{"param:A"};
    QTest::newRow("block without parameters") << blockWire({}) << Answers{1} << QStringList{};
    QTest::newRow("show instance") << showWire() << Answers{0} << QStringList{"show"};
    QTest::newRow("restore") << encodeFrame(restoreFrame()) << Answers{0} << QStringList{"restore"};
    QTest::newRow("restore name under another registered number")
        << encodeFrame({0xC123, QStringLiteral("Veltrin® SP").toUtf8()}) << Answers{0}
        << QStringList{"restore"};
    QTest::newRow("other registered message")
        << encodeFrame({RestoreMessage, "Other program"}) << Answers{0} << QStringList{};
    QTest::newRow("block then show, sent together")
        << blockWire({"A", "B"}) + showWire() << Answers{1, 0}
        << QStringList{"param:A", "param:B", "show"};
}

void InstanceServerTest::requestsAnswered()
{
    QFETCH(QByteArray, requests);
    QFETCH(Answers, answers);
    QFETCH(QStringList, calls);

    QLocalSocket client;
    QVERIFY(connectClient(client));
    client.write(requests);
    QCOMPARE(readAnswers(client, answers.size()), answers);
    QCOMPARE(m_handler->calls(), calls);
}

void InstanceServerTest::requestsInPieces()
{
    QLocalSocket client;
    QVERIFY(connectClient(client));
    const QByteArray requests = blockWire({"A", "B"}) + showWire();
    for (const char byte : requests) {
        client.write(&byte, 1);
        client.flush();
        QCoreApplication::processEvents();
    }
    QCOMPARE(readAnswers(client, 2), (Answers{1, 0}));
    QCOMPARE(m_handler->calls(), (QStringList{"param:A", "param:B", "show"}));
}

void InstanceServerTest::wrongTagAnsweredBeforeTheBox()
{
    QLocalSocket client;
    QVERIFY(connectClient(client));
    bool answeredFirst = false;
    m_handler->onReport = [&] {
        // The box would be modal: the sender must already have its answer.
        answeredFirst = client.bytesAvailable() >= AnswerSize || client.waitForReadyRead(5000);
    };

    client.write(blockWire({"A", "B"}, 0x12345678));
    QCOMPARE(readAnswers(client, 1), (Answers{0}));
    QVERIFY(QTest::qWaitFor([&] { return !m_handler->calls().isEmpty(); }));
    QCOMPARE(m_handler->calls(),
             (QStringList{"invalid:Invalid data structure passed in WM_COPYDATA"}));
    QVERIFY(answeredFirst);
}

void InstanceServerTest::garbageDropsOnlyThatConnection_data()
{
    QTest::addColumn<QByteArray>("garbage");

    QTest::newRow("text") << QByteArray("GET / HTTP/1.0\r\n\r\n");
    QTest::newRow("unknown message") << encodeFrame({7, {}});
    QTest::newRow("absurd length")
        << encodeFrame({CopyDataMessage, {}}).replace(4, 4, "\xFF\xFF\xFF\x7F");
    QTest::newRow("byte count beyond the block") << encodeFrame(
        {CopyDataMessage, encodeCopyData({ParamBlockTag, "A\0"}).replace(4, 1, "\x09")});
}

void InstanceServerTest::garbageDropsOnlyThatConnection()
{
    QFETCH(QByteArray, garbage);

    QTest::ignoreMessage(QtWarningMsg, "dropping a connection that sent garbage");
    QLocalSocket bad;
    QVERIFY(connectClient(bad));
    // A good request after the garbage must not be taken either.
    bad.write(garbage + showWire());
    QVERIFY(QTest::qWaitFor([&] { return bad.state() == QLocalSocket::UnconnectedState; }));
    QCOMPARE(bad.bytesAvailable(), 0);
    QCOMPARE(m_handler->calls(), QStringList{});

    QLocalSocket good;
    QVERIFY(connectClient(good));
    good.write(showWire());
    QCOMPARE(readAnswers(good, 1), (Answers{0}));
    QCOMPARE(m_handler->calls(), QStringList{"show"});
}

void InstanceServerTest::requestsWaitForTheHandler()
{
    // The first copy listens before its main window exists.
    m_server->setHandler(nullptr);
    QLocalSocket client;
    QVERIFY(connectClient(client));
    client.write(blockWire({"A"}) + showWire());
    client.flush();
    QTest::qWait(100);
    QCOMPARE(client.bytesAvailable(), 0);

    m_server->setHandler(m_handler.get());
    QCOMPARE(readAnswers(client, 2), (Answers{1, 0}));
    QCOMPARE(m_handler->calls(), (QStringList{"param:A", "show"}));
}

void InstanceServerTest::staleSocketReplaced()
{
    m_server.reset();
    QVERIFY(!QFile::exists(m_name)); // closing removes the socket
    QVERIFY(test::makeStaleSocket(m_name));
    QLocalSocket refused;
    refused.connectToServer(m_name);
    QVERIFY(!refused.waitForConnected(1000));

    m_server = std::make_unique<InstanceServer>();
    QVERIFY(m_server->listen(m_name));
    m_server->setHandler(m_handler.get());
    QLocalSocket client;
    QVERIFY(connectClient(client));
    client.write(showWire());
    QCOMPARE(readAnswers(client, 1), (Answers{0}));
}

QTEST_GUILESS_MAIN(InstanceServerTest)
#include "InstanceServerTest.moc"
