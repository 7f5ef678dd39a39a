#pragma once

#include "data/Tdf.h"
#include "data/Tds.h"
#include "support/TestEnvironment.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace kelvra::test {

// Short enough for the suite, long enough for a loaded machine.
inline constexpr ServerTimeouts testTimeouts{
    .loginSeconds = 3, .statementSeconds = 3, .mySqlSeconds = 3};

// The local settings and both data modules of one installation, in a folder of its own.
struct Installation
{
    Installation(const QString& type, const QString& provider, const QString& address,
                 const QString& database, const TestServer& server, const QString& custom = {});

    QTemporaryDir dir;
    Tdf df;
    std::unique_ptr<Tds> ds;
    QStringList errors;
};

// The ways an installation reaches the test server: "mySQL"; the SQL Server branch through
// MariaDB's ODBC driver named by its name ("ODBC driver name"), by its library's path
// ("ODBC driver path") or through a data source ("ODBC data source"); or "FreeTDS", the
// production driver for SQL Server.
std::unique_ptr<Installation> installationAt(const QString& way, const TestServer& at,
                                             const QString& database);

// The data source of "ODBC data source" lives in this odbc.ini; call once before any ODBC use.
void useOdbcIniIn(const QString& folder);

} // namespace kelvra::test
