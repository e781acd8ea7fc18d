#include "core/fakes.h"

#include <atomic>
#include <random>
#include <string>

namespace sb::test {

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    std::random_device rd;
    m_path = std::filesystem::temp_directory_path() /
             ("sumblitz-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(m_path, ec);
}

} // namespace sb::test
