// Times the evaluator's hot paths on the test world: a benchmark, not a test. The peer
// comparison lives in bench/; this shows where the evaluator itself spends its time.
#include <chrono>
#include <cstdio>

#include "LogoTestWorld.h"

namespace {

struct tTimedProgram {
    const char* name;
    const char* definition;
    const char* line;
};

const tTimedProgram kPrograms[] = {
    {"fib 27", "to fib :n\nif :n < 2 [output :n]\noutput (fib :n - 1) + (fib :n - 2)\nend", "print fib 27"},
    {"make x :x + 1, 3 000 000 times", nullptr, "make \"x 0 repeat 3000000 [make \"x :x + 1] print :x"},
    {"command tail recursion 1 000 000", "to walkdown :n\nif :n = 0 [stop]\nwalkdown :n - 1\nend",
     "walkdown 1000000 print \"done"},
    {"output tail recursion 1 000 000",
     "to sumto :n :acc\nif :n = 0 [output :acc]\noutput sumto :n - 1 :acc + 1\nend", "print sumto 1000000 0"},
    {"fput, first, butfirst, item over 20 000", nullptr,
     "make \"big [] repeat 20000 [make \"big fput repcount :big] make \"rest :big make \"s 0 "
     "repeat 20000 [make \"s :s + first :rest make \"rest butfirst :rest] "
     "repeat 2000 [make \"s :s + item repcount * 10 :big] print :s"},
};

}  // namespace

int main()
{
    runOnProcessStack([] {
        for (const tTimedProgram& program : kPrograms) {
            tLogoTestWorld world;
            if (program.definition) world.Define(program.definition);
            auto start = std::chrono::steady_clock::now();
            std::string printed = world.Run(program.line);
            auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
            std::printf("%-45s %9.1f ms   %s", program.name, elapsed.count(), printed.c_str());
        }
    });
    return 0;
}
