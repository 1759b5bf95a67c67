// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/calc_case.h"

#include <algorithm>

namespace zav::calc {

void appendUnique(std::vector<std::string>& unique, const std::vector<std::string>& texts) {
    for (const std::string& text : texts) {
        if (std::find(unique.begin(), unique.end(), text) == unique.end())
            unique.push_back(text);
    }
}

std::vector<std::string> MessageLog::warnings(bool failed) const {
    const auto end = failed && !m_messages.empty() ? m_messages.end() - 1 : m_messages.end();
    std::vector<std::string> unique;
    appendUnique(unique, {m_messages.begin(), end});
    return unique;
}

std::string MessageLog::failure() const {
    if (!m_status.empty())
        return m_status;
    return m_messages.empty() ? std::string() : m_messages.back();
}

} // namespace zav::calc
