// Fatal errors end the program with status 1 and the message on stderr; errors thrown
// by the toolkit carry their message to the shell.
#include "toolkit/fatal.hpp"

#include <gtest/gtest.h>

namespace ursa::tk {
namespace {

TEST(FatalTest, PrintsTheMessageAndExitsWithStatusOne) {
  EXPECT_EXIT(Fatal("cannot open bear.x: no such file"), ::testing::ExitedWithCode(1),
              "ursa: cannot open bear\\.x: no such file");
}

TEST(FatalTest, AnErrorCarriesItsMessageToTheShell) {
  try {
    throw Error("OpenGL 3.3 not available");
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "OpenGL 3.3 not available");
  }
}

}  // namespace
}  // namespace ursa::tk
