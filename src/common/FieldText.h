#pragma once

#include <QString>
#include <QStringView>

namespace kelvra {

// The index-th field (counting from 1) of text split on one separator character.
// Missing fields, an index below 1 and an empty text all give an empty text;
// two adjacent separators give an empty field.
QString GetField(const QString& text, QChar separator, int index);

// The same field as a view into text, for decoders that read many fields of one text
// without copying them.
QStringView fieldView(QStringView text, QChar separator, int index);

// Where the next separator at or after from is, or -1. Stored texts are short: a plain loop
// beats the library's vectorised search, whose call costs more than these scans.
inline qsizetype nextSeparator(QStringView text, QChar separator, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == separator)
            return i;
    }
    return -1;
}

} // namespace kelvra
