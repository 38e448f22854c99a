#pragma once

#include <gtest/gtest.h>

// Lists a test of the other system's own behaviour as skipped here, so that a test program counts
// the same tests on Windows and on Linux. The _F form is for a suite with a fixture here.
#define BWSHOW_OTHER_SYSTEM_TEST(suite, name)                                                      \
    TEST(suite, name) {                                                                            \
        GTEST_SKIP() << "a test of the other system";                                              \
    }
#define BWSHOW_OTHER_SYSTEM_TEST_F(fixture, name)                                                  \
    TEST_F(fixture, name) {                                                                        \
        GTEST_SKIP() << "a test of the other system";                                              \
    }
