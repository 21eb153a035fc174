#include "platform/Random.h"

#include "platform/Clock.h"

MtRandom::MtRandom(const Clock& clock)
    : m_clock(clock)
{
    Randomize();
}

double MtRandom::Rnd()
{
    return m_unit(m_engine);
}

void MtRandom::Randomize()
{
    // Two seeds in the same millisecond still differ.
    std::random_device device;
    m_engine.seed(m_clock.seed() ^ (quint64(device()) << 32) ^ device());
}
