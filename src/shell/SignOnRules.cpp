#include "shell/SignOnRules.h"

#include "common/AccessList.h"
#include "data/PasswordHash.h"

namespace kelvra {

namespace {

bool isLetter(char16_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isDigit(char16_t c)
{
    return c >= '0' && c <= '9';
}

bool isSymbol(char16_t c)
{
    return (c >= 33 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) ||
           (c >= 123 && c <= 126);
}

} // namespace

bool passwordHasMix(const QString& password)
{
    bool letters = false;
    bool digits = false;
    bool symbols = false;
    for (const QChar ch : password) {
        const char16_t c = ch.unicode();
        letters = letters || isLetter(c);
        digits = digits || isDigit(c);
        symbols = symbols || isSymbol(c);
    }
    return int(letters) + int(digits) + int(symbols) >= 2;
}

std::optional<PasswordProblem> passwordChangeProblem(const QString& current,
                                                     const QString& storedPassword,
                                                     const QString& newPassword,
                                                     const QString& confirmation)
{
    if (current.isEmpty())
        return PasswordProblem{QStringLiteral("CURRENT PASSWORD IS REQUIRED"),
                               PasswordField::Current};
    if (!checkPassword(current, storedPassword).matches)
        return PasswordProblem{QStringLiteral("CURRENT PASSWORD IS INCORRECT"),
                               PasswordField::Current};
    if (newPassword.isEmpty())
        return PasswordProblem{QStringLiteral("A NEW PASSWORD IS REQUIRED"), PasswordField::New};
    if (confirmation.isEmpty())
        return PasswordProblem{QStringLiteral("PLEASE CONFIRM YOUR NEW PASSWORD"),
                               PasswordField::Confirm};
    if (confirmation != newPassword)
        return PasswordProblem{QStringLiteral("ENTRIES DO NOT MATCH!"), PasswordField::Confirm};
    if (newPassword.size() < minimumPasswordLength)
        return PasswordProblem{QStringLiteral("PASSWORD MUST BE AT LEAST 6 CHARACTERS!"),
                               PasswordField::New};
    if (!passwordHasMix(newPassword))
        return PasswordProblem{
            QStringLiteral("PASSWORD MUST CONTAIN A MIX OF ALPHANUMERIC CHARACTERS!"),
            PasswordField::New};
    return std::nullopt;
}

QString firstAdministratorAccessText()
{
    return allAccessNames().join(QLatin1Char('\r'));
}

QString mustChangePasswordText()
{
    return QStringLiteral("You MUST Change Your Password\r\nYour Password Must Be 6 Characters or "
                          "More");
}

} // namespace kelvra
