#include "data/StatementRunner.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace kelvra {

namespace {

// The statement with its values written by the connected MySQL client library's own escaping
// (mysql_real_escape_string: the connection's character set and the server's
// NO_BACKSLASH_ESCAPES mode included). One round trip instead of a prepare, an execute and
// a close of a server-side statement.
QString mySqlText(const QSqlDatabase& db, const SqlStatement& statement)
{
    const QSqlDriver* driver = db.driver();
    return statement.renderedWith([driver](const SqlValue& value) {
        if (value.value.isNull())
            return QStringLiteral("NULL");
        QSqlField field(QString(), QMetaType::fromType<QString>());
        field.setValue(likePatternText(value, LikeEscaping::Backslash));
        return driver->formatValue(field);
    });
}

} // namespace

SqlOutcome runStatement(QSqlDatabase& db, const SqlStatement& statement, FetchedRows* result,
                        const std::optional<OdbcDialect>& odbc)
{
    if (!statement.isRunnable())
        return SqlOutcome::failure(QStringLiteral("Invalid name in statement: ") +
                                   statement.placeholderText());
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Only the MySQL branch binds LIKE patterns; SQLite has no escape character without ESCAPE.
    const QVariantList values = statement.values(
        db.driverName() == QLatin1String("QMYSQL") ? LikeEscaping::Backslash : LikeEscaping::None);
    bool ok = false;
    if (odbc) {
        ok = query.exec(odbcText(statement, *odbc));
    } else if (!values.isEmpty() && db.driverName() == QLatin1String("QMYSQL")) {
        ok = query.exec(mySqlText(db, statement));
    } else if (values.isEmpty()) {
        ok = query.exec(statement.placeholderText());
    } else {
        ok = query.prepare(statement.placeholderText());
        if (ok) {
            for (const QVariant& value : values)
                query.addBindValue(value);
            ok = query.exec();
        }
    }
    if (!ok)
        return SqlOutcome::failure(query.lastError().text());

    FetchedRows fetched;
    fetched.rowsAffected = query.numRowsAffected();
    if (query.isSelect()) {
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            fetched.columns.append(record.fieldName(i));
        while (query.next()) {
            QVariantList row;
            row.reserve(record.count());
            for (int i = 0; i < record.count(); ++i)
                row.append(query.value(i));
            fetched.rows.append(std::move(row));
        }
        if (query.lastError().isValid())
            return SqlOutcome::failure(query.lastError().text());
    }
    if (result)
        *result = std::move(fetched);
    return SqlOutcome::success();
}

} // namespace kelvra
