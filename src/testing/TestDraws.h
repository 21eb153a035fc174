#pragma once
// The random draws of a test, on the Random seam: Rnd() is uniform in [0, 1).

#include <functional>

class Random;

namespace TestDraws {

// Int(Rnd × n): 0 to n − 1 (n ≥ 1). A value of Rnd so close to 1 that the product rounds
// up to n still gives n − 1.
int index(Random& random, int n);
// Int(Rnd × n + 1): a position from 1 to n.
int position(Random& random, int n);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
int roundHalfEven(double x);
// The orientation of a description question from one Rnd value: Rnd × 10 rounded half to
// even, reversed when odd. Each orientation has the chance one half.
bool reversedFromRnd(double rnd);

// Draws positions 1..n with position() until accept() takes one, running eachDraw after
// every draw. A pool with few or no fresh entries must not hang the test: after n fruitless
// draws in a row the acceptable positions are counted and one of them is drawn directly.
// Returns 0 when no position is acceptable (or n < 1).
int drawFresh(Random& random, int n, const std::function<bool(int)>& accept,
              const std::function<void()>& eachDraw = {});

} // namespace TestDraws
