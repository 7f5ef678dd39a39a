#pragma once

#include "data/SqlOutcome.h"

#include <QString>

namespace kelvra {

class Tdf;

// A program user's row of the local user table, as sign-on reads it.
struct LocalUser
{
    bool found = false;
    QString userId;
    QString userName;
    QString storedPassword;
    QString accessList;
    int statusFlag = 0;
    int okToSign = 0;
};

// Reads the row of one user ID (the ID is bound, never part of the statement).
SqlOutcome findLocalUser(Tdf& df, const QString& userId, LocalUser& user);

// Replaces a user's stored password; a non-empty change stamp is written with it.
SqlOutcome storePassword(Tdf& df, const QString& userId, const QString& storedPassword,
                         const QString& changed = {});

// Marks a program user signed on (LOG_IN 1) or signed off (LOG_IN 0) in the local user table.
SqlOutcome markSignedOn(Tdf& df, const QString& userId);
SqlOutcome markSignedOff(Tdf& df, const QString& userId);

enum class FirstAdministrator
{
    Failed,   // the table could not be read or the row not stored
    NotEmpty, // somebody is already there
    Added,
};

// Adds the first administrator when the local user table has no row at all.
FirstAdministrator addFirstAdministrator(Tdf& df, const QString& userId,
                                         const QString& storedPassword, const QString& changed);

} // namespace kelvra
