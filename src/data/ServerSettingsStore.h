#pragma once

#include "data/ConnectionString.h"
#include "data/SqlOutcome.h"

#include <QDateTime>

namespace kelvra {

class Tdf;

// Stores the connection settings as the one row of the local SERVER table: the first save
// is recorded as made by "Admin", later ones by the signed-on user. They take effect at
// the next start. CHANGED records the moment as "mm/dd/yyyy - hh:mm".
SqlOutcome saveServerSettings(Tdf& df, const ServerSettings& settings, const QString& signedOnUser,
                              const QDateTime& now);

} // namespace kelvra
