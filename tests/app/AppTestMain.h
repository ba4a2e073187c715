#pragma once

// Every QtTest class of the app links into one program, zodiora_app_tests,
// which is far cheaper to build than a program per class. Each test file
// still ends with QTEST_MAIN (or QTEST_GUILESS_MAIN) as usual: this header,
// included before the file by the build, turns the main() those macros write
// into a function registered under the file's name ("tst_menus"), and the
// shared main runs the one named on its command line. One process per class,
// as before, with Qt's own set-up for each.

#include <QtTest>

namespace zodiora::test {

using AppTestRun = int (*)(int argc, char* argv[]);

/// Registers the test of source file `file` (its name without folder and
/// ".cpp" becomes the test's name); returns true for a static initialiser.
bool RegisterAppTest(const char* file, AppTestRun run);

}  // namespace zodiora::test

#undef QTEST_MAIN_WRAPPER
#define QTEST_MAIN_WRAPPER(TestObject, ...)                                                        \
    static int RunAppTest_##TestObject(int argc, char* argv[])                                     \
    {                                                                                              \
        TESTLIB_SELFCOVERAGE_START(#TestObject)                                                    \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                         \
        __VA_ARGS__                                                                                \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }                                                                                              \
    [[maybe_unused]] static const bool appTestRegistered_##TestObject =                            \
        ::zodiora::test::RegisterAppTest(__FILE__, RunAppTest_##TestObject);

/// For a test file that needs its own main: `ZODIORA_APP_TEST_MAIN(Function)`
/// registers `int Function(int argc, char* argv[])` in its place.
#define ZODIORA_APP_TEST_MAIN(Function) \
    [[maybe_unused]] static const bool appTestRegistered_##Function = ::zodiora::test::RegisterAppTest(__FILE__, Function);
