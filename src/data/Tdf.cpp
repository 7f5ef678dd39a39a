#include "data/Tdf.h"

#include "data/DataAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kelvra {

Tdf::Tdf(QString databasePath)
    : ADOConnection1(DbLink::uniqueName("df"), DbLink::Lifetime::KeptOpen,
                     TableKeys::localTables()),
      m_path(std::move(databasePath))
{
    ADOConnection1.setSettings(
        LinkSettings{.driver = QStringLiteral("QSQLITE"),
                     .databaseName = m_path,
                     .connectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000")});
    // A local database that cannot be opened is reported at sign-on.
    (void)openLocalDatabase();
}

SqlOutcome Tdf::prepareFile()
{
    const QFileInfo info(m_path);
    QDir folder = info.absoluteDir();
    if (!folder.exists()) {
        if (!folder.mkpath(QStringLiteral(".")))
            return SqlOutcome::failure(QStringLiteral("Cannot create folder ") + folder.path());
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    if (!info.exists()) {
        QFile file(m_path);
        if (!file.open(QIODevice::WriteOnly, ownerOnly))
            return SqlOutcome::failure(file.errorString());
    } else if (info.isDir()) {
        return SqlOutcome::failure(m_path + QStringLiteral(" is a folder"));
    }
    // The file holds the server password: nobody but its owner may read it.
    QFile::setPermissions(m_path, ownerOnly);
    return SqlOutcome::success();
}

SqlOutcome Tdf::openLocalDatabase()
{
    if (ADOConnection1.isOpen())
        return SqlOutcome::success();
    SqlOutcome outcome = prepareFile();
    if (!outcome)
        return outcome;
    outcome = ADOConnection1.acquire();
    if (!outcome)
        return outcome;
    outcome = createTableIfMissing(localUsersTable());
    if (outcome)
        outcome = createTableIfMissing(registrationTable());
    // A file that is not a settings database stays unusable: every later call checks again.
    if (!outcome)
        ADOConnection1.close();
    return outcome;
}

SqlOutcome Tdf::createTableIfMissing(const LocalTable& table)
{
    // A table that cannot be read is not there yet.
    if (addMissingColumns(table))
        return SqlOutcome::success();
    return ExecSql(ADOCommand, createTableStatement(table));
}

SqlOutcome Tdf::addMissingColumns(const LocalTable& table)
{
    SqlOutcome outcome = OpenSql(AdoQuery, SqlStatement("Select * from ") << table.name);
    if (!outcome) {
        CloseSql(AdoQuery);
        return outcome;
    }
    QList<LocalColumn> missing;
    for (const LocalColumn& column : table.columns)
        if (!AdoQuery.hasField(column.name.toString()))
            missing.append(column);
    CloseSql(AdoQuery);
    for (const LocalColumn& column : missing) {
        outcome = ExecSql(ADOCommand, SqlStatement("ALTER TABLE ")
                                          << table.name << " ADD COLUMN " << column.name << " "
                                          << column.addDefinition);
        if (!outcome)
            return outcome;
    }
    return SqlOutcome::success();
}

} // namespace kelvra
