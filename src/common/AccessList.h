#pragma once

#include <QString>
#include <QStringList>

namespace kelvra {

// The program access names that guard the screens.
namespace AccessName {
inline const QString UserAccounts = QStringLiteral("USER ACCOUNTS");
inline const QString CompanyRegistration = QStringLiteral("COMPANY REGISTRATION");
inline const QString ServerDatabaseAdmin = QStringLiteral("SERVER DATABASE ADMIN");
inline const QString ServerConfig = QStringLiteral("SERVER CONFIG");
inline const QString SensorSetup = QStringLiteral("SENSOR SETUP");
inline const QString AlarmCallList = QStringLiteral("ALARM CALL LIST");
inline const QString SensorReadings = QStringLiteral("SENSOR READINGS");
inline const QString DailySignOut = QStringLiteral("DAILY SIGN OUT");
inline const QString HourlyLogs = QStringLiteral("HOURLY LOGS");
inline const QString MonthlyLogs = QStringLiteral("MONTHLY LOGS");
inline const QString MonthlyGraphs = QStringLiteral("MONTHLY GRAPHS");
inline const QString ExceptionReport = QStringLiteral("EXCEPTION REPORT");
inline const QString HourlyGraphs = QStringLiteral("HOURLY GRAPHS");
} // namespace AccessName

// All thirteen names, in the order the first administrator's account lists them.
const QStringList& allAccessNames();

// The stored access list: one name per line, a line ending at CR, LF or CR LF.
QStringList parseAccessList(const QString& stored);

// A name is granted when a whole line equals it, letter case aside.
bool accessListGrants(const QStringList& accessList, const QString& accessName);

} // namespace kelvra
