#include "setup/UserAccountsModel.h"

#include "common/AccessList.h"
#include "common/FieldText.h"
#include "data/PasswordHash.h"

#include <algorithm>

namespace kelvra {

const QStringList& loadProgramNames()
{
    static const QStringList names{
        AccessName::UserAccounts,        AccessName::CompanyRegistration,
        AccessName::ServerDatabaseAdmin, AccessName::ServerConfig,
        AccessName::SensorSetup,         AccessName::AlarmCallList,
        AccessName::SensorReadings,      AccessName::DailySignOut,
        AccessName::HourlyLogs,          AccessName::HourlyGraphs,
        AccessName::MonthlyLogs,         AccessName::MonthlyGraphs,
        AccessName::ExceptionReport,
    };
    return names;
}

QString userEntry(const QString& name, const QString& id)
{
    return name + QLatin1Char('|') + id;
}

QString entryName(const QString& entry)
{
    return GetField(entry, QLatin1Char('|'), 1);
}

QString entryId(const QString& entry)
{
    return GetField(entry, QLatin1Char('|'), 2);
}

QStringList sortedUserEntries(const QList<std::pair<QString, QString>>& rows)
{
    QList<std::pair<QString, QString>> ordered = rows;
    std::stable_sort(ordered.begin(), ordered.end(), [](const auto& a, const auto& b) {
        const int byName = QString::compare(a.first, b.first, Qt::CaseInsensitive);
        if (byName != 0)
            return byName < 0;
        return QString::compare(a.second, b.second, Qt::CaseInsensitive) < 0;
    });
    QStringList entries;
    for (const auto& [name, id] : ordered)
        entries << userEntry(name, id);
    return entries;
}

QString storedAccessList(const QStringList& lines)
{
    QString stored;
    for (const QString& line : lines)
        stored += line + QStringLiteral("\r\n");
    return stored;
}

UserCheck checkUser(const UserInput& input)
{
    if (input.userId.isEmpty())
        return {UserField::UserId, QStringLiteral("A USER ID IS REQUIRED")};
    if (input.userName.isEmpty())
        return {UserField::UserName, QStringLiteral("A USER NAME IS REQUIRED")};
    if (input.password.isEmpty())
        return {UserField::Password, QStringLiteral("A USER PASSWORD IS REQUIRED")};
    if (input.programs.isEmpty())
        return {UserField::Programs, QStringLiteral("ACCESS TO AT LEAST ONE PROGRAM IS REQUIRED")};
    return {};
}

QString PasswordBox::viewed(const QString& stored)
{
    m_stored = stored;
    m_hasStored = !stored.isEmpty();
    m_edited = false;
    return m_hasStored ? QString(8, QLatin1Char('*')) : QString();
}

void PasswordBox::cleared()
{
    m_stored.clear();
    m_hasStored = false;
    m_edited = false;
}

QString PasswordBox::valueToStore(const QString& boxText) const
{
    if (holdsStoredPassword())
        return m_stored;
    return hashPassword(boxText);
}

} // namespace kelvra
