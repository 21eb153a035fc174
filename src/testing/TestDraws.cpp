#include "testing/TestDraws.h"

#include "platform/Random.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace TestDraws {

int index(Random& random, int n)
{
    if (n < 1)
        return 0;
    const int i = int(std::floor(random.Rnd() * n));
    return std::clamp(i, 0, n - 1);
}

int position(Random& random, int n)
{
    return index(random, n) + 1;
}

int roundHalfEven(double x)
{
    const double lower = std::floor(x);
    const double fraction = x - lower;
    if (fraction > 0.5)
        return int(lower) + 1;
    if (fraction < 0.5)
        return int(lower);
    const int l = int(lower);
    return (l % 2 == 0) ? l : l + 1;
}

bool reversedFromRnd(double rnd)
{
    return roundHalfEven(rnd * 10) % 2 != 0;
}

int drawFresh(Random& random, int n, const std::function<bool(int)>& accept, const std::function<void()>& eachDraw)
{
    if (n < 1)
        return 0;
    for (int tries = 0; tries < n; ++tries) {
        const int k = position(random, n);
        if (eachDraw)
            eachDraw();
        if (accept(k))
            return k;
    }
    std::vector<int> fresh;
    for (int k = 1; k <= n; ++k)
        if (accept(k))
            fresh.push_back(k);
    if (fresh.empty())
        return 0;
    return fresh[std::size_t(index(random, int(fresh.size())))];
}

} // namespace TestDraws
