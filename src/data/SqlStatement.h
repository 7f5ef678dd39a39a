#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <optional>

namespace kelvra {

// A piece of statement text known when the program is compiled: a string literal or a
// named constant made from one. Typed or stored texts cannot become one, so they can reach
// a statement only as values.
class SqlText
{
public:
    template <std::size_t N> consteval SqlText(const char (&text)[N]) : m_text(text) {}
    const char* c_str() const { return m_text; }
    QString toString() const { return QString::fromUtf8(m_text); }

private:
    const char* m_text;
};

// A value that a statement carries between apostrophes.
struct SqlValue
{
    QVariant value;
    // Compared with LIKE: "_", "%" and the escape characters inside the value match only
    // themselves, escaped for the server at hand.
    bool likePattern = false;
    // A wildcard of the statement's own that follows the value (the "%" of a month key).
    QString wildcardSuffix{};
    // A wildcard of the statement's own that precedes the value (the "%" of a year).
    QString wildcardPrefix{};
};

inline SqlValue quoted(const QString& value)
{
    return SqlValue{value};
}

// A value compared with LIKE that matches exactly this text.
inline SqlValue quotedLike(const QString& value)
{
    return SqlValue{value, true};
}

// A value compared with LIKE that matches every text starting with this one.
inline SqlValue quotedLikeStart(const QString& value)
{
    return SqlValue{value, true, QStringLiteral("%")};
}

// A value compared with LIKE that matches every text ending with this one.
inline SqlValue quotedLikeEnd(const QString& value)
{
    return SqlValue{value, true, {}, QStringLiteral("%")};
}

// How a server's LIKE takes a wildcard character literally.
enum class LikeEscaping
{
    None,      // no escape character (SQLite without ESCAPE)
    Backslash, // MySQL and MariaDB: a backslash before the character
    Brackets,  // SQL Server: [_] [%] [[]
};

// The value as LIKE must see it, for values marked as LIKE patterns.
QString likePatternText(const SqlValue& value, LikeEscaping escaping);

// A table or column name the program learnt at run time (from a result or a statement).
// Only plain names are accepted; a statement holding any other one refuses to run.
struct SqlIdentifier
{
    QString name;
    bool isValid() const;
};

inline SqlIdentifier identifier(const QString& name)
{
    return SqlIdentifier{name};
}

// How a server reads a quoted text, for drivers whose parameter binding cannot be trusted.
enum class LiteralStyle
{
    TransactSql, // N'…', an apostrophe doubled; nothing else is special
    MySql,       // an apostrophe doubled and a backslash escaped (safe on SQL Server too)
};

// A statement built from literal pieces and values. Its text() is the statement as it
// reads, each value between apostrophes; it executes as placeholderText() with the values
// bound, or with the values escaped for the server behind the connection, so no value can
// change what the statement does.
class SqlStatement
{
public:
    SqlStatement() = default;
    SqlStatement(SqlText literal) { *this << literal; }
    template <std::size_t N> SqlStatement(const char (&literal)[N]) { appendLiteral(literal); }
    template <std::size_t N>
    SqlStatement(char (&)[N]) = delete; // a buffer filled at run time is no literal

    SqlStatement& operator<<(SqlText literal);
    template <std::size_t N> SqlStatement& operator<<(const char (&literal)[N])
    {
        return appendLiteral(literal);
    }
    template <std::size_t N> SqlStatement& operator<<(char (&)[N]) = delete;
    SqlStatement& operator<<(const SqlValue& value);
    SqlStatement& operator<<(const SqlIdentifier& name);
    SqlStatement& operator<<(const SqlStatement& other);

    // The MySQL form: lines joined by line breaks.
    static SqlStatement lines(std::initializer_list<SqlStatement> lines);

    QString text() const;
    QString placeholderText() const;
    // The text with every value written as a correctly escaped literal of that server.
    QString literalText(LiteralStyle style) const;
    // The text with every value written by `valueText` (a driver's own literal escaping).
    QString renderedWith(const std::function<QString(const SqlValue&)>& valueText) const;
    // The values to bind, LIKE patterns escaped for the server at hand.
    QVariantList values(LikeEscaping escaping = LikeEscaping::Backslash) const;
    bool isEmpty() const { return m_pieces.isEmpty(); }
    // False when a run-time name in it is not a plain name.
    bool isRunnable() const;

    // The table the statement reads or changes: the first name after FROM, INTO, UPDATE or
    // TABLE in its literal text; empty when there is none.
    QString table() const;

    // The value compared with `column = ` in the statement, when it has such a condition.
    std::optional<QVariant> equalityValue(const QString& column) const;

private:
    SqlStatement& appendLiteral(const char* literal);

    enum class Kind
    {
        Literal,
        Value,
        Name
    };
    struct Piece
    {
        Kind kind = Kind::Literal;
        QString text;
        SqlValue value;
    };
    QList<Piece> m_pieces;
};

// The first name after FROM, INTO, UPDATE or TABLE in a statement's text.
QString tableNamedIn(const QString& statementText);

} // namespace kelvra
