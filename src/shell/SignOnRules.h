#pragma once

#include <QString>

#include <optional>

namespace kelvra {

// The word that signs the first administrator on while the local user table is empty.
inline const QString bootstrapWord = QStringLiteral("SP");

// Sign-on, current, new and confirmation fields all take this many characters.
inline constexpr int passwordFieldLength = 20;
inline constexpr int minimumPasswordLength = 6;

// Letters, digits and symbols by character code; a password needs two of the three.
bool passwordHasMix(const QString& password);

enum class PasswordField
{
    Current,
    New,
    Confirm
};

struct PasswordProblem
{
    QString message;
    PasswordField field;
};

// The first failing check of a password change, in the order they are made; none when the
// change may go ahead. The current password is compared with the stored value (a hash, or an
// older plain password).
std::optional<PasswordProblem> passwordChangeProblem(const QString& current,
                                                     const QString& storedPassword,
                                                     const QString& newPassword,
                                                     const QString& confirmation);

// The first administrator's access list: the thirteen names joined by single CRs.
QString firstAdministratorAccessText();

// The two lines demanding a new password at sign-on.
QString mustChangePasswordText();

} // namespace kelvra
