// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/text_file.h"

#include "core/text_encoding.h"

namespace zav {

void TextFile::write(const std::string& utf8) {
    std::string text;
    text.reserve(utf8.size() + 8);
    for (char c : toWindows1250(utf8)) {
        if (c == '\n')
            text += '\r';
        text += c;
    }
    m_file.write(text);
}

} // namespace zav
