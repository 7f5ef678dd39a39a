#pragma once

#include <QString>

namespace kelvra {

// The fields of the company record a save checks, by the control that holds them.
enum class RegistrationField
{
    None,
    Name,
    Address,
    CityStateZip,
};

struct RegistrationCheck
{
    RegistrationField focus = RegistrationField::None;
    QString message; // shown in an error box; empty when the save may go on
};

struct RegistrationInput
{
    QString name;         // s1: only entered while no record exists
    QString address;      // s2
    QString cityStateZip; // s3
};

// The checks of Save before the record is read: the street address, then city, state and ZIP.
RegistrationCheck checkRegistration(const RegistrationInput& input);

// The check when no record exists yet: the company name is entered once, with the first save.
RegistrationCheck checkFirstRecord(const RegistrationInput& input);

} // namespace kelvra
