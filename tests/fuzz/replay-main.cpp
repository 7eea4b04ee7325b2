#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

// The normal build's stand-in for libFuzzer: runs the target once on every
// file of the corpus folders (or on the files) named on the command line, so
// that the test suite replays each corpus and a mended crash stays mended.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);
// Defined by the targets that set something up once, as libFuzzer calls it.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int *argc, char ***argv);

namespace fs = std::filesystem;

int main(int argc, char **argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path path(argv[i]);
        if (!fs::is_directory(path)) {
            inputs.push_back(path);
            continue;
        }
        for (const fs::directory_entry &entry : fs::directory_iterator(path))
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
    }
    // An empty corpus would pass without testing anything.
    if (inputs.empty()) {
        std::fprintf(stderr, "no inputs to replay\n");
        return 1;
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path &input : inputs) {
        std::ifstream file(input, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "cannot read %s\n", input.c_str());
            return 1;
        }
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        // A buffer of exactly the input's size, so that a sanitizer sees any read past its end.
        const std::unique_ptr<std::uint8_t[]> data(new std::uint8_t[bytes.size()]);
        std::copy(bytes.begin(), bytes.end(), data.get());
        // Named before it runs, so that a crash points at its input.
        std::printf("%s\n", input.c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(data.get(), bytes.size());
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return 0;
}
