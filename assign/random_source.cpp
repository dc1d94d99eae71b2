#include "assign/random_source.h"

#include "app/base/failure.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

SeededRandomSource SeededRandomSource::fromEntropy()
{
    std::random_device device;
    return SeededRandomSource(device());
}

int SeededRandomSource::index(int count)
{
    if (count <= 0)
        throw Failure(u"内部错误：从空表中抽取模板。"_s);
    // Rejection sampling keeps every index equally likely.
    const std::uint32_t range = std::uint32_t(count);
    const std::uint32_t limit = std::uint32_t(std::mt19937::max()) - std::uint32_t(std::mt19937::max()) % range;
    std::uint32_t value = 0;
    do {
        value = std::uint32_t(m_engine());
    } while (value >= limit);
    return int(value % range);
}

} // namespace velumo
