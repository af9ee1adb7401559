#include "shredder/wipe_algorithms.h"

#include <stdexcept>

namespace tw {
namespace {

std::vector<WipePass> Bytes(std::initializer_list<std::uint8_t> values) {
    std::vector<WipePass> passes;
    for (const auto v : values) passes.push_back(WipePass::Byte(v));
    return passes;
}

std::vector<WipePass> Randoms(int count) {
    return std::vector<WipePass>(static_cast<std::size_t>(count), WipePass::Random());
}

void Append(std::vector<WipePass>& to, const std::vector<WipePass>& more) {
    to.insert(to.end(), more.begin(), more.end());
}

// The magnetic-encoding patterns of the 35-pass method, in their fixed order.
std::vector<WipePass> GutmannPasses() {
    std::vector<WipePass> passes = Randoms(4);
    Append(passes, Bytes({0x55, 0xAA}));
    const std::vector<WipePass> triples = {WipePass::Triple(0x92, 0x49, 0x24), WipePass::Triple(0x49, 0x24, 0x92),
                                           WipePass::Triple(0x24, 0x92, 0x49)};
    Append(passes, triples);
    Append(passes,
           Bytes({0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE, 0xFF}));
    Append(passes, triples);
    Append(passes, {WipePass::Triple(0x6D, 0xB6, 0xDB), WipePass::Triple(0xB6, 0xDB, 0x6D),
                    WipePass::Triple(0xDB, 0x6D, 0xB6)});
    Append(passes, Randoms(4));
    return passes;
}

std::vector<WipePass> SchneierPasses() {
    std::vector<WipePass> passes = Bytes({0xFF, 0x00});
    Append(passes, Randoms(5));
    return passes;
}

const std::vector<WipeAlgorithm>& Algorithms() {
    static const std::vector<WipeAlgorithm> all = {
        {"Quick Wipe (1 pass. fastest algorithm)", Bytes({0x00})},
        {"Simple (3 passes, fast and more secure)", Bytes({0x00, 0xFF, 0x00})},
        {"Advanced Wiping (5 passes, quite secure)", Bytes({0x00, 0xFF, 0x00, 0xFF, 0x00})},
        // Seven passes, as the caption promises: three of zeros, four of ones.
        {"DoD 5220.22-M (7 passes, military standard)", Bytes({0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF})},
        {"Bruce Schneier (7 passes, very secure)", SchneierPasses()},
        {"Peter Gutmann Method (35 passes, highest security)", GutmannPasses()},
    };
    return all;
}

}  // namespace

const WipeAlgorithm& WipeAlgorithmNumber(int number) {
    if (number < 1 || number > kWipeAlgorithmCount) throw std::out_of_range("wipe algorithm number");
    return Algorithms()[static_cast<std::size_t>(number - 1)];
}

}  // namespace tw
