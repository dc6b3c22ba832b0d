// calc-probe: answers the probe protocol (see probe_protocol.h) on standard input and output,
// one line per command, so the calculator core can be checked from scripts and other tools.
#include <iostream>
#include <string>

#include "probe_protocol.h"

int main() {
    std::ios::sync_with_stdio(false);
    std::string line;
    while (std::getline(std::cin, line)) {
        std::cout << calc_probe::answer(line) << '\n';
        std::cout.flush(); // a driving program waits for each answer
    }
    return 0;
}
