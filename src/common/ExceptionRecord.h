#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <initializer_list>
#include <optional>

// An exception record: a mark ('#' temperature in degrees Celsius, '@' relative humidity),
// the value, '-', and the time as hhmmss. Its pieces are found from its total length L:
// value = characters 2 to L-7, then hh, mm and ss in the last six characters.
namespace kelvra {

inline constexpr QChar kTemperatureMark{u'#'};
inline constexpr QChar kHumidityMark{u'@'};

// The part when it begins with the mark; empty otherwise (such a part counts as absent).
QStringView markedRecord(QStringView part, QChar mark);

// The record lengths a screen cuts. Lengths below 8 cannot hold the pieces and are never
// accepted; lengths above 63 are not either.
class RecordLengths
{
public:
    constexpr RecordLengths() = default;
    constexpr RecordLengths(std::initializer_list<int> lengths)
    {
        for (const int length : lengths)
            add(length);
    }
    static constexpr RecordLengths between(int shortest, int longest)
    {
        RecordLengths lengths;
        for (int length = shortest; length <= longest; ++length)
            lengths.add(length);
        return lengths;
    }

    constexpr bool accepts(qsizetype length) const
    {
        return length >= kShortest && length <= kLongest && (m_bits >> length & 1U) != 0;
    }

private:
    static constexpr int kShortest = 8;
    static constexpr int kLongest = 63;

    constexpr void add(int length)
    {
        if (length >= kShortest && length <= kLongest)
            m_bits |= std::uint64_t{1} << length;
    }

    std::uint64_t m_bits = 0;
};

struct RecordPieces
{
    QStringView value;
    QStringView hours;
    QStringView minutes;
    QStringView seconds;

    // "hh:mm:ss" as stored.
    QString time() const;
};

// The pieces of a record whose length the screen cuts; none for any other length.
// The mark is not tested here (some screens cut without testing it).
std::optional<RecordPieces> cutRecord(QStringView record, RecordLengths accepted);

} // namespace kelvra
