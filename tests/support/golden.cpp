#include "support/golden.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/files.h"

namespace qorix::test {

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string readBytes(const std::string& path) { return readBytes(platform::pathOf(path)); }
std::string readBytes(const char* path) { return readBytes(std::string(path)); }

std::vector<std::string> readTextLines(const std::filesystem::path& path) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << path;
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

std::filesystem::path goldenDir() { return QORIX_GOLDEN_DIR; }

std::string utf8(const std::filesystem::path& path) {
    std::u8string u = path.u8string();
    return std::string(u.begin(), u.end());
}

std::vector<std::string> filesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        names.push_back(utf8(e.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

std::string TempDir::file(const std::string& name) const {
    return utf8(path_ / platform::pathOf(name));
}

::testing::AssertionResult sameLines(const std::vector<std::string>& actual,
                                     const std::vector<std::string>& expected) {
    std::size_t n = std::min(actual.size(), expected.size());
    for (std::size_t i = 0; i < n; ++i)
        if (actual[i] != expected[i])
            return ::testing::AssertionFailure()
                   << "line " << i + 1 << " differs:\n  actual:   \"" << actual[i]
                   << "\"\n  expected: \"" << expected[i] << "\"";
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
               << "line counts differ: actual " << actual.size() << ", expected " << expected.size()
               << "; first extra line: \"" << (actual.size() > n ? actual[n] : expected[n]) << "\"";
    return ::testing::AssertionSuccess();
}

TempDir::TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() /
            ("qorix-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    // Windows deletes no file marked read-only
    std::error_code ignored;
    for (fs::recursive_directory_iterator it(path_, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && !it->is_symlink(ec))
            fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(path_, ec);
}

}  // namespace qorix::test
