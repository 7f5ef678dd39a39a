#include "InstanceTestKit.h"

#include "main/InstanceProtocol.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace kelvra::test {

bool prepareRuntimeFolder()
{
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return false;
    return QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

bool makeStaleSocket(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (name.size() >= qsizetype(sizeof address.sun_path))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), name.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    // Bound and closed without unlinking: the file stays, nothing accepts on it.
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

std::optional<QList<qint32>> readAnswers(QLocalSocket& socket, int count, int timeoutMs)
{
    if (!QTest::qWaitFor([&] { return socket.bytesAvailable() >= count * AnswerSize; }, timeoutMs))
        return std::nullopt;
    QList<qint32> answers;
    for (int i = 0; i < count; ++i)
        answers.append(*decodeAnswer(socket.read(AnswerSize)));
    return answers;
}

} // namespace kelvra::test
