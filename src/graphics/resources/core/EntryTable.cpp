#include "graphics/resources/core/EntryTable.h"

std::string EntryKeyOf(const std::string& name)
{
    std::string key = name;
    for (size_t i = 0; i < key.size(); ++i) {
        const auto c = static_cast<unsigned char>(key[i]);
        if (c >= 0x81) {
            ++i;  // a CP949 lead byte: its trail byte may look like an ASCII letter but is not one
        } else if (c == '/') {
            key[i] = '\\';
        } else if (c >= 'a' && c <= 'z') {
            key[i] = static_cast<char>(c - 'a' + 'A');
        }
    }
    return key;
}
