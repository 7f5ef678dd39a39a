#include "setup/RegistrationModel.h"

namespace kelvra {

RegistrationCheck checkRegistration(const RegistrationInput& input)
{
    if (input.address.isEmpty())
        return {RegistrationField::Address, QStringLiteral("AN ADDRESS IS REQUIRED")};
    if (input.cityStateZip.isEmpty())
        return {RegistrationField::CityStateZip,
                QStringLiteral("CITY, STATE AND ZIP ARE REQUIRED")};
    return {};
}

RegistrationCheck checkFirstRecord(const RegistrationInput& input)
{
    if (input.name.trimmed().isEmpty())
        return {RegistrationField::Name, QStringLiteral("A COMPANY NAME IS REQUIRED")};
    return {};
}

} // namespace kelvra
