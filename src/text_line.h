// text_line.h -- lines of text formed without allocation: in place at run time, or whole at compile time.
#pragma once

#include <array>
#include <climits>
#include <cstddef>
#include <string_view>

// Holds one report line; the longest is well under its capacity.
class TextLine {
public:
    TextLine& operator<<(std::string_view text)
    {
        const std::size_t count = text.size() < room() ? text.size() : room();
        text.copy(data.data() + length, count);
        length += count;
        return *this;
    }
    TextLine& operator<<(char c) { return *this << std::string_view(&c, 1); }
    TextLine& operator<<(int value)
    {
        std::array<char, 12> digits;
        std::size_t start = digits.size();
        // Unsigned so that INT_MIN negates without overflow.
        unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
        do {
            digits[--start] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude != 0);
        if (value < 0)
            digits[--start] = '-';
        return *this << std::string_view(digits.data() + start, digits.size() - start);
    }
    std::string_view view() const { return { data.data(), length }; }

private:
    std::size_t room() const { return data.size() - length; }
    // Left unset: only the first `length` bytes are ever read, and clearing the
    // rest for each of the millions of lines of a large export costs time.
    std::array<char, 256> data;
    std::size_t length = 0;
};

// "a.b.c.d": an address or mask in decimal form.
inline TextLine& append_dotted(TextLine& line, int first, int second, int third, int fourth)
{
    return line << first << '.' << second << '.' << third << '.' << fourth;
}

// A text made whole at compile time, such as a rule or a centred title.
template <std::size_t Length>
struct FixedText {
    std::array<char, Length> bytes {};
    constexpr std::size_t size() const { return Length; }
    constexpr std::string_view view() const { return { bytes.data(), Length }; }
    constexpr operator std::string_view() const { return view(); }
};

// `Width` underscores and a line end.
template <std::size_t Width>
constexpr FixedText<Width + 1> rule_line()
{
    FixedText<Width + 1> rule;
    rule.bytes.fill('_');
    rule.bytes[Width] = '\n';
    return rule;
}

// `title` behind the blanks that centre it in `Width` columns, the odd blank
// of an uneven split going to the right; `Shift` moves it further right.
template <std::size_t Width, std::size_t Shift = 0, std::size_t Size>
constexpr FixedText<(Width - (Size - 1)) / 2 + Shift + Size - 1> centred(const char (&title)[Size])
{
    constexpr std::size_t blanks = (Width - (Size - 1)) / 2 + Shift;
    FixedText<blanks + Size - 1> line;
    line.bytes.fill(' ');
    for (std::size_t k = 0; k + 1 < Size; ++k)
        line.bytes[blanks + k] = title[k];
    return line;
}
