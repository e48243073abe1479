#include "systemrandomsource.h"

#include <QRandomGenerator>

namespace keymint
{

float SystemRandomSource::next()
{
    return unitFloatFrom24Bits(QRandomGenerator::system()->generate());
}

float SystemRandomSource::unitFloatFrom24Bits(std::uint32_t bits)
{
    constexpr std::uint32_t mask = (1u << 24) - 1;
    constexpr float scale = 1.0f / static_cast<float>(1u << 24);
    return static_cast<float>(bits & mask) * scale;
}

} // namespace keymint
