#pragma once

#include <gtest/gtest.h>

#include "console/console_output.h"
#include "platform/virtual_console.h"

// A virtual console of its own for tests that draw directly.
class ConsoleTest : public ::testing::Test {
  protected:
    void SetUp() override { g_console = &console; }
    void TearDown() override { g_console = nullptr; }
    const VirtualConsole::Grid& grid() const { return console.grid(); }

    VirtualConsole console;
};
