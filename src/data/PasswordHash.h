#pragma once

#include <QString>

namespace kelvra {

// The program's own users' passwords are kept as salted PBKDF2-SHA256 hashes, written
// "pbkdf2-sha256$iterations$salt$hash" (salt and hash in base64).
inline constexpr int passwordHashIterations = 120000;

QString hashPassword(const QString& password, int iterations = passwordHashIterations);

// True for a stored value written by hashPassword; anything else is an older plain password.
bool isPasswordHash(const QString& stored);

struct PasswordCheck
{
    bool matches = false;
    // The stored value is an older plain password (or a weaker hash): store a new hash.
    bool needsNewHash = false;
};

PasswordCheck checkPassword(const QString& typed, const QString& stored);

} // namespace kelvra
