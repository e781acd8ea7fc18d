// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/caption.h"

#include <algorithm>

namespace sb {

Caption& Caption::operator<<(Phrase p)
{
    m_parts.push_back(CaptionPart{true, p, {}, 0});
    return *this;
}

Caption& Caption::operator<<(std::string text)
{
    if (text.empty()) {
        return *this;
    }
    if (!m_parts.empty() && !m_parts.back().isPhrase) {
        m_parts.back().text += text;
    } else {
        m_parts.push_back(CaptionPart{false, {}, std::move(text), 0});
    }
    return *this;
}

Caption& Caption::operator<<(const Caption& more)
{
    for (const CaptionPart& part : more.m_parts) {
        if (part.isPhrase) {
            m_parts.push_back(part);
        } else {
            *this << part.text;
        }
    }
    return *this;
}

Caption& Caption::column(Phrase p, std::uint8_t width)
{
    m_parts.push_back(CaptionPart{true, p, {}, width});
    return *this;
}

std::string English(const Caption& c)
{
    std::string out;
    for (const CaptionPart& part : c.parts()) {
        if (!part.isPhrase) {
            out += part.text;
            continue;
        }
        const std::string_view word = englishOf(part.phrase);
        out += word;
        if (part.width > 0) {
            out.append(std::max<std::size_t>(1, part.width -
                                                    std::min<std::size_t>(part.width, word.size())),
                       ' ');
        }
    }
    return out;
}

} // namespace sb
