#include "main/InstanceProtocol.h"

#include <QtEndian>
#include <QtTest>

Q_DECLARE_METATYPE(kelvra::InstanceFrame)

using namespace kelvra;

namespace {

QByteArray bytes(const char* data, qsizetype size)
{
    return QByteArray(data, size);
}

QByteArray uint32(quint32 value)
{
    QByteArray out(4, '\0');
    qToLittleEndian(value, out.data());
    return out;
}

QByteArray header(quint32 message, quint32 length)
{
    return uint32(message) + uint32(length);
}

} // namespace

class InstanceProtocolTest : public QObject
{
    Q_OBJECT

private slots:
    void parameterBlock_data();
    void parameterBlock();
    void parameterListAsReceived_data();
    void parameterListAsReceived();
    void copyDataRecord();
    void copyDataRecordRejected_data();
    void copyDataRecordRejected();
    void framesRoundTrip_data();
    void framesRoundTrip();
    void frameWaitsForEveryByte();
    void garbageFramesRejected_data();
    void garbageFramesRejected();
    void answers_data();
    void answers();
};

void InstanceProtocolTest::parameterBlock_data()
{
    QTest::addColumn<QStringList>("parameters");
    QTest::addColumn<QByteArray>("list");

    QTest::newRow("A and B") << QStringList{"A", "B"} << bytes("A\0B\0\0", 5);
    QTest::newRow("no parameters") << QStringList{} << bytes("\0", 1);
    QTest::newRow("longer texts") << QStringList{"-x", "report.txt"}
                                  << bytes("-x\0report.txt\0\0", 15);
    QTest::newRow("empty parameter kept") << QStringList{"A", "", "B"} << bytes("A\0\0B\0\0", 6);
    // Local 8-bit text: the byte count is in bytes, not characters.
    QTest::newRow("non-ASCII") << QStringList{QStringLiteral("Gerät")}
                               << QStringLiteral("Gerät").toLocal8Bit() + bytes("\0\0", 2);
}

void InstanceProtocolTest::parameterBlock()
{
    QFETCH(QStringList, parameters);
    QFETCH(QByteArray, list);

    const QByteArray block = encodeParameterBlock(parameters);
    QCOMPARE(block, list);

    qsizetype byteCount = 1;
    for (const QString& parameter : parameters)
        byteCount += parameter.toLocal8Bit().size() + 1;
    QCOMPARE(block.size(), byteCount);
}

void InstanceProtocolTest::parameterListAsReceived_data()
{
    QTest::addColumn<QByteArray>("list");
    QTest::addColumn<QStringList>("parameters");

    QTest::newRow("A and B") << bytes("A\0B\0\0", 5) << QStringList{"A", "B"};
    QTest::newRow("empty parameter ends the list")
        << encodeParameterBlock({"A", "", "B"}) << QStringList{"A"};
    QTest::newRow("only the final NUL") << bytes("\0", 1) << QStringList{};
    QTest::newRow("nothing at all") << QByteArray() << QStringList{};
    QTest::newRow("leading empty text") << bytes("\0A\0\0", 4) << QStringList{};
    QTest::newRow("last text without NUL") << bytes("A\0B", 3) << QStringList{"A", "B"};
    QTest::newRow("no final NUL") << bytes("A\0", 2) << QStringList{"A"};
    QTest::newRow("non-ASCII round trip")
        << encodeParameterBlock({QStringLiteral("Gerät"), QStringLiteral("ß")})
        << QStringList{QStringLiteral("Gerät"), QStringLiteral("ß")};
}

void InstanceProtocolTest::parameterListAsReceived()
{
    QFETCH(QByteArray, list);
    QFETCH(QStringList, parameters);

    QCOMPARE(decodeParameterList(list), parameters);
}

void InstanceProtocolTest::copyDataRecord()
{
    const QByteArray payload = encodeCopyData({ParamBlockTag, encodeParameterBlock({"A", "B"})});
    QCOMPARE(payload, bytes("\xAB\x1D\x1F\xDE"
                            "\x05\0\0\0"
                            "A\0B\0\0",
                            13));

    const std::optional<ParameterBlock> decoded = decodeCopyData(payload);
    QVERIFY(decoded);
    QCOMPARE(decoded->tag, ParamBlockTag);
    QCOMPARE(decoded->list, bytes("A\0B\0\0", 5));

    // A wrong tag still decodes, so that the receiver can report it.
    const std::optional<ParameterBlock> otherTag =
        decodeCopyData(encodeCopyData({0x12345678, "\0"}));
    QVERIFY(otherTag);
    QCOMPARE(otherTag->tag, 0x12345678u);
}

void InstanceProtocolTest::copyDataRecordRejected_data()
{
    QTest::addColumn<QByteArray>("payload");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("tag only") << uint32(ParamBlockTag);
    QTest::newRow("byte count beyond the data") << uint32(ParamBlockTag) + uint32(10) + "A";
    QTest::newRow("data beyond the byte count")
        << uint32(ParamBlockTag) + uint32(1) + bytes("A\0\0", 3);
    QTest::newRow("huge byte count") << uint32(ParamBlockTag) + uint32(0xFFFFFFFF) + "A";
}

void InstanceProtocolTest::copyDataRecordRejected()
{
    QFETCH(QByteArray, payload);

    QVERIFY(!decodeCopyData(payload));
}

void InstanceProtocolTest::framesRoundTrip_data()
{
    QTest::addColumn<InstanceFrame>("frame");
    QTest::addColumn<QByteArray>("wire");

    QTest::newRow("show instance, both parameters 0")
        << showInstanceFrame() << header(1025, 8) + QByteArray(8, '\0');
    QTest::newRow("copy data") << copyDataFrame({ParamBlockTag, encodeParameterBlock({"A", "B"})})
                               << header(0x4A, 13) +
                                      encodeCopyData({ParamBlockTag, bytes("A\0B\0\0", 5)});
    QTest::newRow("restore carries its name")
        << restoreFrame() << header(RestoreMessage, 12) + QStringLiteral("Veltrin® SP").toUtf8();
}

void InstanceProtocolTest::framesRoundTrip()
{
    QFETCH(InstanceFrame, frame);
    QFETCH(QByteArray, wire);

    QCOMPARE(encodeFrame(frame), wire);

    // Followed by the start of another frame, which must stay unread.
    const FrameDecodeResult decoded = decodeFrame(wire + header(1025, 8));
    QCOMPARE(decoded.status, FrameStatus::Complete);
    QCOMPARE(decoded.consumed, wire.size());
    QVERIFY(decoded.frame == frame);
}

void InstanceProtocolTest::frameWaitsForEveryByte()
{
    const QByteArray wire =
        encodeFrame(copyDataFrame({ParamBlockTag, encodeParameterBlock({"A"})}));
    for (qsizetype size = 0; size < wire.size(); ++size)
        QCOMPARE(decodeFrame(QByteArrayView(wire).first(size)).status, FrameStatus::Incomplete);
    QCOMPARE(decodeFrame(wire).status, FrameStatus::Complete);
}

void InstanceProtocolTest::garbageFramesRejected_data()
{
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("text") << QByteArray("hello, world!\n");
    QTest::newRow("unknown message") << header(7, 0);
    QTest::newRow("ordinary window message") << header(0x0010, 8) + QByteArray(8, '\0');
    QTest::newRow("absurd copy-data length") << header(0x4A, 0x7FFFFFFF);
    QTest::newRow("copy-data length just over the limit") << header(0x4A, MaxFramePayload + 1);
    QTest::newRow("copy data shorter than its record") << header(0x4A, 4) + uint32(ParamBlockTag);
    QTest::newRow("show instance with other parameters") << header(1025, 4) + uint32(0);
    QTest::newRow("registered message with a huge name") << header(RestoreMessage, 100000);
}

void InstanceProtocolTest::garbageFramesRejected()
{
    QFETCH(QByteArray, data);

    // Refused on the header alone, without waiting for a payload.
    QCOMPARE(decodeFrame(QByteArrayView(data).first(FrameHeaderSize)).status, FrameStatus::Invalid);
    QCOMPARE(decodeFrame(data).status, FrameStatus::Invalid);
}

void InstanceProtocolTest::answers_data()
{
    QTest::addColumn<qint32>("result");
    QTest::addColumn<QByteArray>("wire");

    QTest::newRow("taken") << 1 << bytes("\x01\0\0\0", 4);
    QTest::newRow("zero") << 0 << bytes("\0\0\0\0", 4);
    QTest::newRow("negative") << -2 << bytes("\xFE\xFF\xFF\xFF", 4);
}

void InstanceProtocolTest::answers()
{
    QFETCH(qint32, result);
    QFETCH(QByteArray, wire);

    QCOMPARE(encodeAnswer(result), wire);
    QCOMPARE(decodeAnswer(wire), std::optional<qint32>(result));
    QCOMPARE(decodeAnswer(QByteArrayView(wire).first(3)), std::nullopt);
}

QTEST_GUILESS_MAIN(InstanceProtocolTest)
#include "InstanceProtocolTest.moc"
