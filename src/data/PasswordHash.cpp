#include "data/PasswordHash.h"

#include <QCryptographicHash>
#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>

namespace kelvra {

namespace {

const QLatin1String scheme("pbkdf2-sha256");
constexpr int saltBytes = 16;
constexpr int hashBytes = 32;

QByteArray derive(const QString& password, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              iterations, hashBytes);
}

// Compares without stopping at the first difference.
bool sameBytes(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

QString hashPassword(const QString& password, int iterations)
{
    QByteArray salt(saltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()),
                                          saltBytes / sizeof(quint32));
    return QStringList{scheme, QString::number(iterations), QString::fromLatin1(salt.toBase64()),
                       QString::fromLatin1(derive(password, salt, iterations).toBase64())}
        .join(QLatin1Char('$'));
}

bool isPasswordHash(const QString& stored)
{
    return stored.startsWith(scheme + QLatin1Char('$'));
}

PasswordCheck checkPassword(const QString& typed, const QString& stored)
{
    if (!isPasswordHash(stored))
        // Older plain passwords compared without regard to case, as the local table does.
        return {typed.compare(stored, Qt::CaseInsensitive) == 0, true};
    const QStringList parts = stored.split(QLatin1Char('$'));
    bool ok = false;
    const int iterations = parts.size() == 4 ? parts[1].toInt(&ok) : 0;
    if (!ok || iterations <= 0)
        return {false, false};
    const QByteArray salt = QByteArray::fromBase64(parts[2].toLatin1());
    const QByteArray hash = QByteArray::fromBase64(parts[3].toLatin1());
    const bool matches = sameBytes(derive(typed, salt, iterations), hash);
    return {matches, matches && iterations < passwordHashIterations};
}

} // namespace kelvra
