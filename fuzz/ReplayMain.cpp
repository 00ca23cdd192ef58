// Runs a fuzz target's entry function once on every file of the folders it is given: the seed
// corpus, then the crash inputs kept as regressions. An input that breaks the target aborts or
// crashes this program as it would the fuzzer, so the test fails; the input named last is it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Only some targets set themselves up before the first input.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

std::vector<std::filesystem::path> inputsIn(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    if (!std::filesystem::is_directory(folder))
        return files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

// replay_<name> <corpus folder> [<kept crashes folder>...]; folders after the first may be missing.
int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <corpus folder> [<kept crashes folder>...]\n", argv[0]);
        return 2;
    }
    const std::vector<std::filesystem::path> folders(argv + 1, argv + argc);
    if (LLVMFuzzerInitialize != nullptr)
        LLVMFuzzerInitialize(&argc, &argv);

    std::size_t total = 0;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const std::vector<std::filesystem::path> files = inputsIn(folders[i]);
        // An empty or misspelt corpus folder would make the test pass on nothing.
        if (i == 0 && files.empty()) {
            std::fprintf(stderr, "no inputs in the corpus folder %s\n", folders[i].c_str());
            return 1;
        }
        for (const auto& file : files) {
            std::vector<char> bytes(std::filesystem::file_size(file));
            std::ifstream stream(file, std::ios::binary);
            if (!stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
                std::fprintf(stderr, "cannot read %s\n", file.c_str());
                return 1;
            }
            std::fprintf(stderr, "%s\n", file.c_str());
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++total;
        }
    }
    std::printf("%zu inputs replayed without a fault\n", total);
    return 0;
}
