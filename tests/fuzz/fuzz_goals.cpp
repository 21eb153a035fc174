// Feeds arbitrary bytes to the goals file reader. Besides the sanitizers' findings, a
// crash is any file whose goals do not survive being written and read back unchanged:
// the program rewrites goals.txt whole after every change.
#include "goals/GoalsFormat.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "fuzz_goals: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const GoalsFormat::Parsed first = GoalsFormat::parse(bytes);
    if (first.malformed && (first.faultLine < 1 || first.fault.isEmpty()))
        fail("a malformed file without the line and reason of its fault");
    if (!first.malformed && !first.fault.isEmpty())
        fail("a fault reported for a file read whole");

    QString error;
    const QByteArray again = GoalsFormat::encode(first.goals, {}, &error);
    if (!error.isEmpty()) {
        // Only a goal the format cannot hold is refused, and the reader never yields one
        // (a quote ends a text, dates and percentages are checked on the way in).
        fail("a goal read from a file cannot be written back");
    }
    const GoalsFormat::Parsed second = GoalsFormat::parse(again);
    if (second.malformed)
        fail("the written goals file does not read back");
    if (second.goals != first.goals)
        fail("the goals read back differ from the goals written");
    if (GoalsFormat::encode(second.goals, {}, nullptr) != again)
        fail("writing the same goals twice gives different bytes");
    return 0;
}
