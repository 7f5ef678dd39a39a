#include "ServerSchema.h"

#include <QFile>

namespace kelvra {

namespace {

QString schemaText(SqlDialect dialect)
{
    const QString path = dialect == SqlDialect::MySql ? QStringLiteral(":/db/mysql/schema.sql")
                                                      : QStringLiteral(":/db/mssql/schema.sql");
    QFile file(path);
    // The files are compiled in, so a failure here is a build fault.
    if (!file.open(QIODevice::ReadOnly))
        qFatal("server schema resource %s is missing", qPrintable(path));
    return QString::fromUtf8(file.readAll());
}

} // namespace

QStringList serverSchemaStatements(SqlDialect dialect)
{
    QStringList lines;
    for (const QString& line : schemaText(dialect).split(QLatin1Char('\n')))
        if (!line.trimmed().startsWith(QLatin1String("--")))
            lines.append(line);

    QStringList statements;
    for (const QString& statement : lines.join(QLatin1Char('\n')).split(QLatin1Char(';'))) {
        const QString trimmed = statement.trimmed();
        if (!trimmed.isEmpty())
            statements.append(trimmed);
    }
    return statements;
}

QStringList serverTableNames()
{
    return {QStringLiteral("REG"),          QStringLiteral("SENSORS"),
            QStringLiteral("OBSERVATIONS"), QStringLiteral("CALL_EVENT"),
            QStringLiteral("ACTIVITY"),     QStringLiteral("CALLLIST"),
            QStringLiteral("USERS")};
}

} // namespace kelvra
