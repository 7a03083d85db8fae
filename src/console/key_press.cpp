// key_press.cpp -- one key press told apart from the next in raw terminal input.
#include "console/key_press.h"

#include "console/ansi_escapes.h"

namespace {

// UTF-8: the lead byte tells how many bytes the character has.
std::size_t utf8_length(unsigned char lead)
{
    if (lead >= 0xF0 && lead <= 0xF7)
        return 4;
    if (lead >= 0xE0)
        return lead <= 0xEF ? 3 : 1;
    return lead >= 0xC0 ? 2 : 1;
}

// A character cut short by a byte that cannot continue it ends before that byte.
std::size_t character_length(std::string_view bytes)
{
    const std::size_t length = utf8_length(static_cast<unsigned char>(bytes[0]));
    for (std::size_t k = 1; k < length; ++k) {
        if (k == bytes.size())
            return 0;
        if (!is_continuation(bytes[k]))
            return k;
    }
    return length;
}

// ESC [, then parameter and intermediate bytes (0x20 to 0x3F), then the final
// byte (0x40 to 0x7E). Any other byte ends a broken sequence before it.
std::size_t control_sequence_length(std::string_view bytes)
{
    for (std::size_t k = 2; k < bytes.size(); ++k) {
        const auto byte = static_cast<unsigned char>(bytes[k]);
        if (byte >= 0x40 && byte <= 0x7E)
            return k + 1;
        if (byte < 0x20 || byte > 0x3F)
            return k;
    }
    return 0;
}

std::size_t escaped_key_length(std::string_view bytes)
{
    if (bytes.size() < 2)
        return 0;
    if (bytes[1] == '[')
        return control_sequence_length(bytes);
    if (bytes[1] == 'O')
        return bytes.size() < 3 ? 0 : 3;
    const std::size_t alt_key = key_length(bytes.substr(1));
    return alt_key == 0 ? 0 : 1 + alt_key;
}

}

std::size_t key_length(std::string_view bytes)
{
    if (bytes.empty())
        return 0;
    if (bytes[0] == ESCAPE)
        return escaped_key_length(bytes);
    return character_length(bytes);
}

bool is_continuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

bool is_control(unsigned char byte)
{
    return byte < 0x20 || byte == 0x7F;
}
