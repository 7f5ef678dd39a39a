#pragma once

#include "data/SqlStatement.h"

namespace kelvra {

// The company record: the one local REGISTRATION row with REG_ID 1.
SqlStatement companyRecord();

} // namespace kelvra
