#pragma once

// A small test harness for the page core, so that its tests build wherever
// the core does (natively, and for Windows to run under Wine) with nothing
// but the standard library. A test is a function; CHECK and CHECK_EQ record a
// failure and go on. The run ends with the line "N passed, N failed".

#include "text.h"

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace velmo::test {

struct TestCase {
    const char* name;
    std::function<void()> run;
};

inline int& failuresInCase()
{
    static int failures = 0;
    return failures;
}

inline std::string printable(const std::u16string& value) { return '"' + toUtf8(value) + '"'; }
inline std::string printable(std::u16string_view value) { return '"' + toUtf8(value) + '"'; }
inline std::string printable(const std::string& value) { return '"' + value + '"'; }
inline std::string printable(const char* value) { return '"' + std::string(value) + '"'; }
template <typename T>
std::string printable(const T& value)
{
    if constexpr (requires(std::ostream& out) { out << value; }) {
        std::ostringstream out;
        out << value;
        return out.str();
    } else if constexpr (requires { value.begin(); }) {
        std::string joined = "{";
        for (const auto& item : value) {
            joined += (joined.size() > 1 ? ", " : "") + printable(item);
        }
        return joined + "}";
    } else {
        return "(value)";
    }
}

inline void fail(const std::string& what, const char* file, int line)
{
    ++failuresInCase();
    std::printf("  FAIL %s:%d: %s\n", file, line, what.c_str());
}

template <typename A, typename B>
void checkEqual(const A& actual, const B& expected, const char* text, const char* file, int line)
{
    if (!(actual == expected)) {
        fail(std::string(text) + "\n    actual:   " + printable(actual) + "\n    expected: " + printable(expected), file, line);
    }
}

inline int runTests(std::initializer_list<TestCase> cases)
{
    int passed = 0;
    int failed = 0;
    for (const TestCase& test : cases) {
        failuresInCase() = 0;
        try {
            test.run();
        } catch (const std::exception& error) {
            fail(std::string("unexpected exception: ") + error.what(), test.name, 0);
        }
        const bool ok = failuresInCase() == 0;
        std::printf("%s %s\n", ok ? "PASS" : "FAIL", test.name);
        ++(ok ? passed : failed);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}

} // namespace velmo::test

#define CHECK(condition) ((condition) ? void() : velmo::test::fail(#condition, __FILE__, __LINE__))
#define CHECK_EQ(actual, expected) velmo::test::checkEqual((actual), (expected), #actual " == " #expected, __FILE__, __LINE__)
#define TEST_CASE(function) velmo::test::TestCase{#function, function}
