#include "data/LocalSchema.h"

#include <QStringList>

namespace kelvra {

namespace {

// Local texts compare without regard to case, as user IDs and passwords always have.
LocalColumn text(const QString& name, int width, const QString& extra = QString())
{
    const QString type = QStringLiteral("varchar(%1) COLLATE NOCASE").arg(width);
    return {name,
            extra.isEmpty() ? type + QStringLiteral(" DEFAULT ''")
                            : type + QLatin1Char(' ') + extra,
            type + QStringLiteral(" DEFAULT ''")};
}

LocalColumn notNullText(const QString& name, int width)
{
    const QString type = QStringLiteral("varchar(%1) COLLATE NOCASE NOT NULL").arg(width);
    return {name, type, type + QStringLiteral(" DEFAULT ''")};
}

LocalColumn whole(const QString& name, const QString& extra = QStringLiteral("DEFAULT 0"))
{
    return {name, QStringLiteral("integer ") + extra, QStringLiteral("integer DEFAULT 0")};
}

} // namespace

QList<LocalColumn> serverSettingsColumns()
{
    return {text(QStringLiteral("Address"), 50, QStringLiteral("PRIMARY KEY")),
            text(QStringLiteral("Username"), 50),
            text(QStringLiteral("sqlProvider"), 50),
            text(QStringLiteral("sqlSecurity"), 50),
            text(QStringLiteral("sqlDataType"), 50),
            text(QStringLiteral("persistinfo"), 50),
            text(QStringLiteral("userconnect"), 200),
            text(QStringLiteral("marsconn"), 50),
            text(QStringLiteral("Type"), 50),
            text(QStringLiteral("Pass"), 50),
            text(QStringLiteral("Dbname"), 50),
            notNullText(QStringLiteral("Who"), 50),
            notNullText(QStringLiteral("Changed"), 50)};
}

QList<LocalColumn> localUsersColumns()
{
    return {text(QStringLiteral("USER_ID"), 20, QStringLiteral("PRIMARY KEY")),
            text(QStringLiteral("USER_NAME"), 30),
            text(QStringLiteral("USER_PASSWORD"), 20),
            {QStringLiteral("ACCESS_LIST"), QStringLiteral("text DEFAULT ''"),
             QStringLiteral("text DEFAULT ''")},
            whole(QStringLiteral("STATUS_FLAG")),
            whole(QStringLiteral("OK_TO_SIGN")),
            {QStringLiteral("SIGNATURE"), QStringLiteral("text DEFAULT ''"),
             QStringLiteral("text DEFAULT ''")},
            whole(QStringLiteral("LOG_IN")),
            text(QStringLiteral("CHANGED"), 50)};
}

QList<LocalColumn> registrationColumns()
{
    return {whole(QStringLiteral("REG_ID"), QStringLiteral("PRIMARY KEY")),
            text(QStringLiteral("REG_NAME"), 50),
            text(QStringLiteral("ADDRESS1"), 40),
            text(QStringLiteral("ADDRESS2"), 40),
            text(QStringLiteral("CSZ"), 40),
            text(QStringLiteral("CHANGED"), 50)};
}

QString createTableStatement(const QString& table, const QList<LocalColumn>& columns)
{
    QStringList definitions;
    for (const LocalColumn& column : columns)
        definitions << column.name + QLatin1Char(' ') + column.createDefinition;
    return QStringLiteral("Create Table %1 (%2)")
        .arg(table, definitions.join(QStringLiteral(", ")));
}

} // namespace kelvra
