#include "data/ServerDialect.h"

namespace kelvra {

ServerKind serverKindOf(const QString& dbmsName)
{
    if (dbmsName.contains(QLatin1String("SQL Server"), Qt::CaseInsensitive))
        return ServerKind::SqlServer;
    if (dbmsName.contains(QLatin1String("MariaDB"), Qt::CaseInsensitive) ||
        dbmsName.contains(QLatin1String("MySQL"), Qt::CaseInsensitive))
        return ServerKind::MySql;
    return ServerKind::Unknown;
}

OdbcDialect odbcDialectOf(ServerKind kind)
{
    switch (kind) {
    case ServerKind::SqlServer:
        return {LiteralStyle::TransactSql, false};
    case ServerKind::MySql:
        return {LiteralStyle::MySql, true};
    case ServerKind::Unknown:
        break;
    }
    return {LiteralStyle::MySql, false};
}

namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool continuesName(QChar c)
{
    return isAsciiLetter(c) || isDigit(c) || c == QLatin1Char('_') || c == QLatin1Char('$') ||
           c == QLatin1Char('@') || c == QLatin1Char('#') || c == QLatin1Char('.') ||
           c.unicode() > 0x7F;
}

// The end of a quoted text that starts at `open`; MySQL reads a backslash as an escape.
qsizetype endOfQuoted(const QString& sql, qsizetype open)
{
    const QChar quote = sql.at(open);
    qsizetype i = open + 1;
    while (i < sql.size()) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\\') && quote != QLatin1Char('`')) {
            i += 2;
            continue;
        }
        if (c == quote) {
            if (i + 1 < sql.size() && sql.at(i + 1) == quote) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return sql.size();
}

} // namespace

QString separateNumbersFromWords(const QString& sql)
{
    QString result;
    result.reserve(sql.size() + 4);
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`')) {
            const qsizetype end = endOfQuoted(sql, i);
            result += QStringView(sql).mid(i, end - i);
            i = end;
            continue;
        }
        if (continuesName(c) && !isDigit(c)) {
            // A whole name, digits inside it included.
            const qsizetype start = i;
            while (i < sql.size() && continuesName(sql.at(i)))
                ++i;
            result += QStringView(sql).mid(start, i - start);
            continue;
        }
        if (!isDigit(c)) {
            result += c;
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < sql.size() && isDigit(sql.at(i)))
            ++i;
        if (i + 1 < sql.size() && sql.at(i) == QLatin1Char('.') && isDigit(sql.at(i + 1))) {
            ++i;
            while (i < sql.size() && isDigit(sql.at(i)))
                ++i;
        }
        const QStringView number = QStringView(sql).mid(start, i - start);
        result += number;
        if (i >= sql.size() || !isAsciiLetter(sql.at(i)))
            continue;
        const QChar letter = sql.at(i).toLower();
        const QChar after = i + 1 < sql.size() ? sql.at(i + 1) : QChar();
        const bool hexOrBits = number == QLatin1String("0") &&
                               (letter == QLatin1Char('x') || letter == QLatin1Char('b'));
        const bool exponent =
            letter == QLatin1Char('e') &&
            (isDigit(after) || after == QLatin1Char('+') || after == QLatin1Char('-'));
        if (!hexOrBits && !exponent)
            result += QLatin1Char(' ');
    }
    return result;
}

QString odbcText(const SqlStatement& statement, const OdbcDialect& dialect)
{
    const QString text = statement.literalText(dialect.literals);
    return dialect.separateNumbersFromWords ? separateNumbersFromWords(text) : text;
}

} // namespace kelvra
