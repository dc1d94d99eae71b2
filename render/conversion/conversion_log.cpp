#include "render/conversion/conversion_log.h"

namespace velumo {

void ConversionLog::append(const QString &line)
{
    if (m_lines.size() > kMaxLines - 1)
        m_lines.removeFirst();
    m_lines.append(line);
}

} // namespace velumo
