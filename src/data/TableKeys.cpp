#include "data/TableKeys.h"

namespace kelvra {

TableKeys::TableKeys(std::initializer_list<std::pair<QString, QStringList>> entries)
{
    for (const auto& [table, keys] : entries)
        m_keys.insert(table.toUpper(), keys);
}

QStringList TableKeys::keysOf(const QString& table) const
{
    return m_keys.value(table.toUpper());
}

TableKeys TableKeys::localTables()
{
    return {{QStringLiteral("SERVER"), {QStringLiteral("Address")}},
            {QStringLiteral("USERS"), {QStringLiteral("USER_ID")}},
            {QStringLiteral("REGISTRATION"), {QStringLiteral("REG_ID")}}};
}

TableKeys TableKeys::serverTables()
{
    // CALL_EVENT and ACTIVITY have no natural key: their rows are matched whole.
    return {{QStringLiteral("REG"), {QStringLiteral("REG_NAME")}},
            {QStringLiteral("SENSORS"), {QStringLiteral("DEPT"), QStringLiteral("SENSOR_ID")}},
            {QStringLiteral("OBSERVATIONS"),
             {QStringLiteral("DEPT"), QStringLiteral("SENSOR_ID"), QStringLiteral("OBS_DATE")}},
            {QStringLiteral("CALLLIST"), {QStringLiteral("DEPT")}},
            {QStringLiteral("USERS"), {QStringLiteral("DEPT"), QStringLiteral("USER_ID")}}};
}

} // namespace kelvra
