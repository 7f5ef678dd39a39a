#include "data/LocalSchema.h"

namespace kelvra {

namespace {

// Local texts compare without regard to case, as user IDs and passwords always have.
#define KELVRA_TEXT(width) "varchar(" #width ") COLLATE NOCASE"

} // namespace

const LocalTable& serverSettingsTable()
{
    static const LocalTable table{
        "SERVER",
        {
            {"Address", KELVRA_TEXT(50) " PRIMARY KEY", KELVRA_TEXT(50) " DEFAULT ''"},
            {"Username", KELVRA_TEXT(50) " DEFAULT ''", KELVRA_TEXT(50) " DEFAULT ''"},
            {"sqlProvider", KELVRA_TEXT(50) " DEFAULT ''", KELVRA_TEXT(50) " DEFAULT ''"},
            {"sqlSecurity", KELVRA_TEXT(50) " DEFAULT ''", KELVRA_TEXT(50) " DEFAULT ''"},
            {"sqlDataType", KELVRA_TEXT(50) " DEFAULT ''", KELVRA_TEXT(50) " DEFAULT ''"},
            {"persistinfo", KELVRA_TEXT(50) " DEFAULT ''", KELVRA_TEXT(50) " DEFAULT ''"},
            {"userconnect", KELVRA_TEXT(200) " DEFAULT ''", KELVRA_TEXT(200) " DEFAULT ''"},
            {"marsconn", KELVRA_TEXT(50) " DEFAULT ''", KELVRA_TEXT(50) " DEFAULT ''"},
            {"Type", KELVRA_TEXT(50) " DEFAULT ''", KELVRA_TEXT(50) " DEFAULT ''"},
            {"Pass", KELVRA_TEXT(50) " DEFAULT ''", KELVRA_TEXT(50) " DEFAULT ''"},
            {"Dbname", KELVRA_TEXT(50) " DEFAULT ''", KELVRA_TEXT(50) " DEFAULT ''"},
            {"Who", KELVRA_TEXT(50) " NOT NULL", KELVRA_TEXT(50) " NOT NULL DEFAULT ''"},
            {"Changed", KELVRA_TEXT(50) " NOT NULL", KELVRA_TEXT(50) " NOT NULL DEFAULT ''"},
        }};
    return table;
}

const LocalTable& localUsersTable()
{
    static const LocalTable table{
        "USERS",
        {
            {"USER_ID", KELVRA_TEXT(20) " PRIMARY KEY", KELVRA_TEXT(20) " DEFAULT ''"},
            {"USER_NAME", KELVRA_TEXT(30) " DEFAULT ''", KELVRA_TEXT(30) " DEFAULT ''"},
            // Holds a password hash ("pbkdf2-sha256$...").
            {"USER_PASSWORD", KELVRA_TEXT(120) " DEFAULT ''", KELVRA_TEXT(120) " DEFAULT ''"},
            {"ACCESS_LIST", "text DEFAULT ''", "text DEFAULT ''"},
            {"STATUS_FLAG", "integer DEFAULT 0", "integer DEFAULT 0"},
            {"OK_TO_SIGN", "integer DEFAULT 0", "integer DEFAULT 0"},
            {"SIGNATURE", "text DEFAULT ''", "text DEFAULT ''"},
            {"LOG_IN", "integer DEFAULT 0", "integer DEFAULT 0"},
            {"CHANGED", KELVRA_TEXT(50) " DEFAULT ''", KELVRA_TEXT(50) " DEFAULT ''"},
        }};
    return table;
}

const LocalTable& registrationTable()
{
    static const LocalTable table{
        "REGISTRATION",
        {
            {"REG_ID", "integer PRIMARY KEY", "integer DEFAULT 0"},
            {"REG_NAME", KELVRA_TEXT(50) " DEFAULT ''", KELVRA_TEXT(50) " DEFAULT ''"},
            {"ADDRESS1", KELVRA_TEXT(40) " DEFAULT ''", KELVRA_TEXT(40) " DEFAULT ''"},
            {"ADDRESS2", KELVRA_TEXT(40) " DEFAULT ''", KELVRA_TEXT(40) " DEFAULT ''"},
            {"CSZ", KELVRA_TEXT(40) " DEFAULT ''", KELVRA_TEXT(40) " DEFAULT ''"},
            {"CHANGED", KELVRA_TEXT(50) " DEFAULT ''", KELVRA_TEXT(50) " DEFAULT ''"},
        }};
    return table;
}

#undef KELVRA_TEXT

SqlStatement createTableStatement(const LocalTable& table)
{
    SqlStatement create = SqlStatement("Create Table ") << table.name << " (";
    bool first = true;
    for (const LocalColumn& column : table.columns) {
        if (!first)
            create << ", ";
        create << column.name << " " << column.createDefinition;
        first = false;
    }
    return create << ")";
}

} // namespace kelvra
