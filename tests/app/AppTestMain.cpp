#include "tests/app/AppTestMain.h"

#include <cstdio>
#include <map>
#include <string>

namespace zodiora::test {

namespace {

std::map<std::string, AppTestRun>& Registry()
{
    static std::map<std::string, AppTestRun> tests;
    return tests;
}

}  // namespace

bool RegisterAppTest(const char* file, AppTestRun run)
{
    std::string name(file);
    name.erase(0, name.find_last_of('/') + 1);
    name.erase(name.rfind('.'));
    return Registry().emplace(name, run).second;
}

}  // namespace zodiora::test

// "zodiora_app_tests tst_menus [QtTest options]" runs one class, in this
// process, with the options QtTest knows.
int main(int argc, char* argv[])
{
    const auto& tests = zodiora::test::Registry();
    const auto found = argc >= 2 ? tests.find(argv[1]) : tests.end();
    if (found == tests.end()) {
        std::fprintf(stderr, "usage: %s TEST [QtTest options]\ntests:", argc > 0 ? argv[0] : "zodiora_app_tests");
        for (const auto& test : tests) std::fprintf(stderr, " %s", test.first.c_str());
        std::fputc('\n', stderr);
        return 2;
    }
    // QtTest sees the program name and the options after the test's name.
    argv[1] = argv[0];
    return found->second(argc - 1, argv + 1);
}
