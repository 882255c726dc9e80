#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "document/TreeReports.h"
#include "tree/TreeTestSupport.h"

#if defined(__SANITIZE_ADDRESS__)
#define RIGWRIGHT_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RIGWRIGHT_ASAN 1
#endif
#endif

namespace rw {
namespace {

#ifndef RIGWRIGHT_ASAN
class LastReport : public Reporter {
public:
    void Show(const Report& report) override { text = report.text; }
    std::string text;
};

long AddressSpaceBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    statm >> pages;
    return pages * sysconf(_SC_PAGESIZE);
}
#endif

// A file the size of a large real car collection's worth of lines, read with
// less memory than its tree needs: the read fails with a message instead of
// ending the program, so an editor keeps the car it has open.
TEST(LowMemoryTest, RunningOutWhileReadingIsAReportedFailure) {
#ifdef RIGWRIGHT_ASAN
    GTEST_SKIP() << "the address sanitizer reserves more address space than the limit";
#else
    test::TempDir dir;
    const std::string path = dir.File("big.ini");
    {
        std::ofstream out(path, std::ios::binary);
        const std::string line = "key_with_a_long_name=12345678901\n";
        for (int i = 0; i < 1'900'000; ++i) {
            out << line;
        }
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlim_t limit = static_cast<rlim_t>(AddressSpaceBytes()) + (96 << 20);
        const rlimit bound{limit, limit};
        setrlimit(RLIMIT_AS, &bound);
        ConfigTree tree(path);
        LastReport reporter;
        const bool read = ReadReported(tree, true, reporter);
        const bool said =
            reporter.text == "The file \"" + path + "\" could not be read: Cannot allocate memory";
        _exit(!read && said ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
#endif
}

}  // namespace
}  // namespace rw
