// Writes the seed corpus of the performance-data fuzzer: small, valid blocks
// that reach deep into the parser. Usage: MakePerfDataSeeds <folder>
#include "../tests/monitors/PerfDataBuilder.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

void Write(const std::string& folder, const char* name, const perf_test::PerfData& data) {
    std::ofstream file(folder + "/" + name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(data.bytes.data()),
               static_cast<std::streamsize>(data.bytes.size()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: MakePerfDataSeeds <folder>\n";
        return 1;
    }
    using namespace perf_test;
    const std::string folder = argv[1];
    Write(folder, "two-processors", TwoProcessors(1000, 2000, 3000));
    Write(folder, "one-processor", BuildPerfData({Processors({42})}));
    Write(folder, "no-idle-counter",
          BuildPerfData({WithCounters(Processors({1}), {{kProcessorTimeCounterTitle + 1, 8}})}));
    Write(folder, "other-object", BuildPerfData({Object(kOtherObjectTitle, {1, 2})}));
    return 0;
}
