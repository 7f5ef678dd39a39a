#pragma once

#include <QString>

namespace kelvra {

// The index-th field (counting from 1) of text split on one separator character.
// Missing fields, an index below 1 and an empty text all give an empty text;
// two adjacent separators give an empty field.
QString GetField(const QString& text, QChar separator, int index);

} // namespace kelvra
