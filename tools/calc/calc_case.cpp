// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/calc/calc_case.h"

#include <algorithm>

namespace zav::calc {

std::vector<std::string> MessageLog::warnings(bool failed) const {
    std::vector<std::string> unique;
    const std::size_t count = failed && !m_messages.empty() ? m_messages.size() - 1 : m_messages.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (std::find(unique.begin(), unique.end(), m_messages[i]) == unique.end())
            unique.push_back(m_messages[i]);
    }
    return unique;
}

std::string MessageLog::failure() const {
    if (!m_status.empty())
        return m_status;
    return m_messages.empty() ? std::string() : m_messages.back();
}

} // namespace zav::calc
