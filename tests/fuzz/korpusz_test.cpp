// Replays the fuzzer's corpus, with the files that once broke the loader, as an
// ordinary test (the sanitizer build runs it too).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "mentes_cel.h"

namespace {

TEST(MentesKorpusz, EveryFileIsHandledSoundly) {
    namespace fs = std::filesystem;
    const fs::path dir = ULTI_FUZZ_KORPUSZ;
    ASSERT_TRUE(fs::is_directory(dir)) << dir;
    int db = 0;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        const std::string s((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(mentes_bemenet_probaja(reinterpret_cast<const uint8_t*>(s.data()), s.size()), "")
            << e.path();
        ++db;
    }
    EXPECT_GT(db, 10);
}

}  // namespace
