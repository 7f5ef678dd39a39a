#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <optional>

namespace kelvra {

// A value that a statement carries between apostrophes.
struct SqlValue
{
    QVariant value;
};

inline SqlValue quoted(const QString& value)
{
    return SqlValue{value};
}

// How a server reads a quoted text, for drivers whose parameter binding cannot be trusted.
enum class LiteralStyle
{
    TransactSql, // an apostrophe is doubled; nothing else is special
    MySql,       // an apostrophe is doubled and a backslash escapes
};

// A statement built from literal pieces and values. Its text() is the statement as it
// reads, each value between apostrophes; it executes as placeholderText() with the values
// bound, so no value can change what the statement does.
class SqlStatement
{
public:
    SqlStatement() = default;
    SqlStatement(const char* literal) : SqlStatement(QString::fromUtf8(literal)) {}
    SqlStatement(const QString& literal);

    SqlStatement& operator<<(const QString& literal);
    SqlStatement& operator<<(const char* literal) { return *this << QString::fromUtf8(literal); }
    SqlStatement& operator<<(const SqlValue& value);
    SqlStatement& operator<<(const SqlStatement& other);

    // The MySQL form: lines joined by line breaks.
    static SqlStatement lines(std::initializer_list<SqlStatement> lines);

    QString text() const;
    QString placeholderText() const;
    // The text with every value written as a correctly escaped literal of that server.
    QString literalText(LiteralStyle style) const;
    QVariantList values() const;
    bool isEmpty() const { return m_pieces.isEmpty(); }

    // The table the statement reads or changes: the first name after FROM, INTO, UPDATE or
    // TABLE in its literal text; empty when there is none.
    QString table() const;

    // The value compared with `column = ` in the statement, when it has such a condition.
    std::optional<QVariant> equalityValue(const QString& column) const;

private:
    struct Piece
    {
        bool isValue = false;
        QString literal;
        QVariant value;
    };
    QList<Piece> m_pieces;
};

} // namespace kelvra
