#pragma once

#include "data/SqlOutcome.h"

#include <QString>

namespace kelvra {

class Tdf;

// Marks a program user signed off in the local user table (LOG_IN 0).
SqlOutcome markSignedOff(Tdf& df, const QString& userId);

} // namespace kelvra
