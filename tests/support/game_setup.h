// The headless program with the real datafile, set up as start-up leaves it, for tests of screens.
#pragma once
#include "support/headless_game.h"

#include <gtest/gtest.h>

void priprav_program();     // headless driver, odraz.dat, font and colours, default settings
void ukonci_program();

class Obrazovka : public ::testing::Test {
protected:
    void SetUp() override { priprav_program(); }
    void TearDown() override { ukonci_program(); }
};
