#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

namespace kelvra {

// The messages one copy of the program sends another over its local socket. The numbers
// are the window messages the program has always used, so the traffic reads the same.
//
// Request frame: message number, payload length, payload (32-bit little-endian integers).
// Answer: one 32-bit little-endian signed result.
inline constexpr quint32 ShowInstanceMessage = 1025;
inline constexpr quint32 CopyDataMessage = 0x004A;
// Stands for the message registered under restoreMessageName(); the name travels in the
// payload and is what identifies it.
inline constexpr quint32 RestoreMessage = 0xC0DE;
inline constexpr quint32 FirstRegisteredMessage = 0xC000;
inline constexpr quint32 LastRegisteredMessage = 0xFFFF;

inline constexpr quint32 ParamBlockTag = 0xDE1F1DAB;

// Far above any command line, small enough that a stray peer cannot make us buffer much.
inline constexpr qsizetype MaxFramePayload = 1024 * 1024;
inline constexpr qsizetype MaxMessageName = 256;
inline constexpr qsizetype FrameHeaderSize = 8;
inline constexpr qsizetype AnswerSize = 4;

QString restoreMessageName();

struct InstanceFrame
{
    quint32 message = 0;
    QByteArray payload;

    friend bool operator==(const InstanceFrame&, const InstanceFrame&) = default;
};

// The copy-data record: tag, byte count and the parameter list itself.
struct ParameterBlock
{
    quint32 tag = ParamBlockTag;
    QByteArray list;
};

// Parameters 1..N, each as local 8-bit text followed by a NUL, and one final NUL; its size
// is the block's byte count.
QByteArray encodeParameterBlock(const QStringList& parameters);

// Walks the list as the receiver does: the NUL-ended text at the current position, up to the
// first empty one. A last text without its NUL ends at the end of the list.
QStringList decodeParameterList(QByteArrayView list);

QByteArray encodeCopyData(const ParameterBlock& block);
// Empty when the payload is not a tag and a byte count followed by exactly that many bytes.
std::optional<ParameterBlock> decodeCopyData(QByteArrayView payload);

QByteArray encodeFrame(const InstanceFrame& frame);
InstanceFrame showInstanceFrame();
InstanceFrame copyDataFrame(const ParameterBlock& block);
InstanceFrame restoreFrame();
// The restore message's frame carries the message name; empty when it is not one.
std::optional<QString> registeredMessageName(const InstanceFrame& frame);

enum class FrameStatus
{
    Incomplete,
    Complete,
    Invalid
};

struct FrameDecodeResult
{
    FrameStatus status = FrameStatus::Incomplete;
    InstanceFrame frame;
    qsizetype consumed = 0; // bytes of the input that the frame took, when complete
};

// Decodes the frame at the start of data. Incomplete until every byte has arrived; Invalid as
// soon as the header names an unknown message or a length that message cannot have.
FrameDecodeResult decodeFrame(QByteArrayView data);

QByteArray encodeAnswer(qint32 result);
// Empty until all four bytes are there.
std::optional<qint32> decodeAnswer(QByteArrayView data);

} // namespace kelvra
