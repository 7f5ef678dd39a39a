#include "data/SqlStatement.h"

#include <QRegularExpression>

namespace kelvra {

SqlStatement::SqlStatement(const QString& literal)
{
    *this << literal;
}

SqlStatement& SqlStatement::operator<<(const QString& literal)
{
    if (!literal.isEmpty())
        m_pieces.append(Piece{false, literal, {}});
    return *this;
}

SqlStatement& SqlStatement::operator<<(const SqlValue& value)
{
    m_pieces.append(Piece{true, {}, value.value});
    return *this;
}

SqlStatement& SqlStatement::operator<<(const SqlStatement& other)
{
    m_pieces.append(other.m_pieces);
    return *this;
}

SqlStatement SqlStatement::lines(std::initializer_list<SqlStatement> lines)
{
    SqlStatement result;
    bool first = true;
    for (const SqlStatement& line : lines) {
        if (!first)
            result << QStringLiteral("\n");
        result << line;
        first = false;
    }
    return result;
}

QString SqlStatement::text() const
{
    QString result;
    for (const Piece& piece : m_pieces) {
        if (piece.isValue)
            result += QLatin1Char('\'') + piece.value.toString() + QLatin1Char('\'');
        else
            result += piece.literal;
    }
    return result;
}

QString SqlStatement::placeholderText() const
{
    QString result;
    for (const Piece& piece : m_pieces)
        result += piece.isValue ? QStringLiteral("?") : piece.literal;
    return result;
}

namespace {

QString escapedLiteral(const QVariant& value, LiteralStyle style)
{
    if (value.isNull())
        return QStringLiteral("NULL");
    QString text = value.toString();
    text.remove(QChar(0));
    if (style == LiteralStyle::MySql)
        text.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    text.replace(QLatin1String("'"), QLatin1String("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

} // namespace

QString SqlStatement::literalText(LiteralStyle style) const
{
    QString result;
    for (const Piece& piece : m_pieces)
        result += piece.isValue ? escapedLiteral(piece.value, style) : piece.literal;
    return result;
}

QVariantList SqlStatement::values() const
{
    QVariantList result;
    for (const Piece& piece : m_pieces)
        if (piece.isValue)
            result.append(piece.value);
    return result;
}

QString SqlStatement::table() const
{
    static const QRegularExpression pattern(
        QStringLiteral("\\b(?:from|into|update|table)\\s+([A-Za-z_][A-Za-z0-9_]*)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(placeholderText());
    return match.hasMatch() ? match.captured(1) : QString();
}

std::optional<QVariant> SqlStatement::equalityValue(const QString& column) const
{
    const QRegularExpression pattern(
        QStringLiteral("\\b%1\\s*=\\s*$").arg(QRegularExpression::escape(column)),
        QRegularExpression::CaseInsensitiveOption);
    for (qsizetype i = 0; i + 1 < m_pieces.size(); ++i) {
        if (!m_pieces[i].isValue && m_pieces[i + 1].isValue &&
            pattern.match(m_pieces[i].literal).hasMatch())
            return m_pieces[i + 1].value;
    }
    return std::nullopt;
}

} // namespace kelvra
