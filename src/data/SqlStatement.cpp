#include "data/SqlStatement.h"

#include <QRegularExpression>

namespace kelvra {

bool SqlIdentifier::isValid() const
{
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plainName.match(name).hasMatch();
}

SqlStatement& SqlStatement::appendLiteral(const char* literal)
{
    if (*literal)
        m_pieces.append(Piece{Kind::Literal, QString::fromUtf8(literal), {}});
    return *this;
}

SqlStatement& SqlStatement::operator<<(SqlText literal)
{
    return appendLiteral(literal.c_str());
}

SqlStatement& SqlStatement::operator<<(const SqlValue& value)
{
    m_pieces.append(Piece{Kind::Value, {}, value});
    return *this;
}

QString likePatternText(const SqlValue& value, LikeEscaping escaping)
{
    QString text = value.value.toString();
    if (!value.likePattern)
        return text;
    switch (escaping) {
    case LikeEscaping::None:
        break;
    case LikeEscaping::Backslash:
        text.replace(QLatin1String("\\"), QLatin1String("\\\\"));
        text.replace(QLatin1String("%"), QLatin1String("\\%"));
        text.replace(QLatin1String("_"), QLatin1String("\\_"));
        break;
    case LikeEscaping::Brackets:
        text.replace(QLatin1String("["), QLatin1String("[[]"));
        text.replace(QLatin1String("%"), QLatin1String("[%]"));
        text.replace(QLatin1String("_"), QLatin1String("[_]"));
        break;
    }
    return value.wildcardPrefix + text + value.wildcardSuffix;
}

SqlStatement& SqlStatement::operator<<(const SqlIdentifier& name)
{
    m_pieces.append(Piece{Kind::Name, name.name, {}});
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
            result << "\n";
        result << line;
        first = false;
    }
    return result;
}

bool SqlStatement::isRunnable() const
{
    for (const Piece& piece : m_pieces)
        if (piece.kind == Kind::Name && !SqlIdentifier{piece.text}.isValid())
            return false;
    return true;
}

QString SqlStatement::text() const
{
    QString result;
    for (const Piece& piece : m_pieces) {
        if (piece.kind == Kind::Value)
            result += QLatin1Char('\'') + piece.value.wildcardPrefix +
                      piece.value.value.toString() + piece.value.wildcardSuffix + QLatin1Char('\'');
        else
            result += piece.text;
    }
    return result;
}

QString SqlStatement::placeholderText() const
{
    QString result;
    for (const Piece& piece : m_pieces)
        result += piece.kind == Kind::Value ? QStringLiteral("?") : piece.text;
    return result;
}

namespace {

QString escapedLiteral(const SqlValue& value, LiteralStyle style)
{
    if (value.value.isNull())
        return QStringLiteral("NULL");
    QString text =
        likePatternText(value, style == LiteralStyle::TransactSql ? LikeEscaping::Brackets
                                                                  : LikeEscaping::Backslash);
    text.remove(QChar(0));
    if (style == LiteralStyle::MySql)
        text.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    text.replace(QLatin1String("'"), QLatin1String("''"));
    // National texts keep letters beyond the server's code page.
    const QLatin1String open =
        style == LiteralStyle::TransactSql ? QLatin1String("N'") : QLatin1String("'");
    return open + text + QLatin1Char('\'');
}

} // namespace

QString SqlStatement::literalText(LiteralStyle style) const
{
    return renderedWith([style](const SqlValue& value) { return escapedLiteral(value, style); });
}

QString SqlStatement::renderedWith(const std::function<QString(const SqlValue&)>& valueText) const
{
    QString result;
    for (const Piece& piece : m_pieces)
        result += piece.kind == Kind::Value ? valueText(piece.value) : piece.text;
    return result;
}

QVariantList SqlStatement::values(LikeEscaping escaping) const
{
    QVariantList result;
    for (const Piece& piece : m_pieces) {
        if (piece.kind != Kind::Value)
            continue;
        if (piece.value.likePattern)
            result.append(likePatternText(piece.value, escaping));
        else
            result.append(piece.value.value);
    }
    return result;
}

QString tableNamedIn(const QString& statementText)
{
    static const QRegularExpression pattern(
        QStringLiteral("\\b(?:from|into|update|table)\\s+([A-Za-z_][A-Za-z0-9_]*)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(statementText);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString SqlStatement::table() const
{
    return tableNamedIn(placeholderText());
}

std::optional<QVariant> SqlStatement::equalityValue(const QString& column) const
{
    const QRegularExpression pattern(
        QStringLiteral("\\b%1\\s*=\\s*$").arg(QRegularExpression::escape(column)),
        QRegularExpression::CaseInsensitiveOption);
    for (qsizetype i = 0; i + 1 < m_pieces.size(); ++i) {
        if (m_pieces[i].kind == Kind::Literal && m_pieces[i + 1].kind == Kind::Value &&
            pattern.match(m_pieces[i].text).hasMatch())
            return m_pieces[i + 1].value.value;
    }
    return std::nullopt;
}

} // namespace kelvra
