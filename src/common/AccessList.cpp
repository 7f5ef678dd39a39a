#include "common/AccessList.h"

namespace kelvra {

const QStringList& allAccessNames()
{
    static const QStringList names{AccessName::UserAccounts,        AccessName::CompanyRegistration,
                                   AccessName::ServerDatabaseAdmin, AccessName::ServerConfig,
                                   AccessName::SensorSetup,         AccessName::AlarmCallList,
                                   AccessName::SensorReadings,      AccessName::DailySignOut,
                                   AccessName::HourlyLogs,          AccessName::MonthlyLogs,
                                   AccessName::MonthlyGraphs,       AccessName::ExceptionReport,
                                   AccessName::HourlyGraphs};
    return names;
}

QStringList parseAccessList(const QString& stored)
{
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QChar c = stored.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(line);
            line.clear();
            if (c == QLatin1Char('\r') && i + 1 < stored.size() &&
                stored.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else {
            line.append(c);
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

bool accessListGrants(const QStringList& accessList, const QString& accessName)
{
    for (const QString& line : accessList)
        if (line.compare(accessName, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace kelvra
