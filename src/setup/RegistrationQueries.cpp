#include "setup/RegistrationQueries.h"

namespace kelvra {

SqlStatement companyRecord()
{
    return SqlStatement(" Select * from REGISTRATION Where REG_ID = 1");
}

} // namespace kelvra
