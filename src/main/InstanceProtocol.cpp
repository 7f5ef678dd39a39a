#include "main/InstanceProtocol.h"

#include <QtEndian>

namespace kelvra {

namespace {

// Both parameters of a message that carries none.
constexpr qsizetype NoParametersSize = 8;

void appendUInt32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

quint32 readUInt32(QByteArrayView data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.data() + at);
}

bool isRegistered(quint32 message)
{
    return message >= FirstRegisteredMessage && message <= LastRegisteredMessage;
}

// Whether a frame of this message may have this payload length; checked on the header alone
// so that garbage is refused before we wait for a payload that never comes.
bool isAcceptableHeader(quint32 message, quint32 length)
{
    if (message == ShowInstanceMessage)
        return length == NoParametersSize;
    if (message == CopyDataMessage)
        return length >= 8 && length <= MaxFramePayload;
    if (isRegistered(message))
        return length <= MaxMessageName;
    return false;
}

} // namespace

QString restoreMessageName()
{
    return QStringLiteral("Veltrin® SP");
}

QByteArray encodeParameterBlock(const QStringList& parameters)
{
    QByteArray list;
    for (const QString& parameter : parameters) {
        list.append(parameter.toLocal8Bit());
        list.append('\0');
    }
    list.append('\0');
    return list;
}

QStringList decodeParameterList(QByteArrayView list)
{
    QStringList parameters;
    qsizetype position = 0;
    while (position < list.size()) {
        qsizetype end = list.indexOf('\0', position);
        if (end < 0)
            end = list.size();
        const QByteArrayView text = list.sliced(position, end - position);
        if (text.isEmpty())
            break;
        parameters.append(QString::fromLocal8Bit(text));
        position = end + 1;
    }
    return parameters;
}

QByteArray encodeCopyData(const ParameterBlock& block)
{
    QByteArray payload;
    appendUInt32(payload, block.tag);
    appendUInt32(payload, quint32(block.list.size()));
    payload.append(block.list);
    return payload;
}

std::optional<ParameterBlock> decodeCopyData(QByteArrayView payload)
{
    if (payload.size() < 8)
        return std::nullopt;
    const quint32 byteCount = readUInt32(payload, 4);
    if (qsizetype(byteCount) != payload.size() - 8)
        return std::nullopt;
    ParameterBlock block;
    block.tag = readUInt32(payload, 0);
    block.list = payload.sliced(8).toByteArray();
    return block;
}

QByteArray encodeFrame(const InstanceFrame& frame)
{
    QByteArray out;
    out.reserve(FrameHeaderSize + frame.payload.size());
    appendUInt32(out, frame.message);
    appendUInt32(out, quint32(frame.payload.size()));
    out.append(frame.payload);
    return out;
}

InstanceFrame showInstanceFrame()
{
    return {ShowInstanceMessage, QByteArray(NoParametersSize, '\0')};
}

InstanceFrame copyDataFrame(const ParameterBlock& block)
{
    return {CopyDataMessage, encodeCopyData(block)};
}

InstanceFrame restoreFrame()
{
    return {RestoreMessage, restoreMessageName().toUtf8()};
}

std::optional<QString> registeredMessageName(const InstanceFrame& frame)
{
    if (!isRegistered(frame.message))
        return std::nullopt;
    return QString::fromUtf8(frame.payload);
}

FrameDecodeResult decodeFrame(QByteArrayView data)
{
    FrameDecodeResult result;
    if (data.size() < FrameHeaderSize)
        return result;
    const quint32 message = readUInt32(data, 0);
    const quint32 length = readUInt32(data, 4);
    if (!isAcceptableHeader(message, length)) {
        result.status = FrameStatus::Invalid;
        return result;
    }
    if (data.size() - FrameHeaderSize < qsizetype(length))
        return result;
    result.status = FrameStatus::Complete;
    result.frame.message = message;
    result.frame.payload = data.sliced(FrameHeaderSize, length).toByteArray();
    result.consumed = FrameHeaderSize + length;
    return result;
}

QByteArray encodeAnswer(qint32 result)
{
    QByteArray out;
    appendUInt32(out, quint32(result));
    return out;
}

std::optional<qint32> decodeAnswer(QByteArrayView data)
{
    if (data.size() < AnswerSize)
        return std::nullopt;
    return qint32(readUInt32(data, 0));
}

} // namespace kelvra
