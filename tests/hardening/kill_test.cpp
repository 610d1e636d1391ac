// A write killed at any moment leaves the old file whole or the new one whole: each writer of the game
// runs in a child that rewrites its file without pause, and is killed with SIGKILL at points spread
// over the time one write takes.
#include "support/sandbox.h"
#include "support/writers.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int ZABITI_NA_ZAPISOVATELE = 260;   // over a thousand kills in all
constexpr int BODU = 52;                      // kill points spread over twice the time of one write

// The average time of one write, in microseconds.
long trvani_zapisu(const ZAPISOVATEL& z)
{
    auto od = std::chrono::steady_clock::now();
    for (int i = 0; i < 20; i++) z.zapis(i % 2);
    auto us = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - od);
    return std::max<long>(1, us.count() / 20);
}

// Forks a child that keeps rewriting the file, version 1 then 0, and kills it after `us` microseconds.
void zabij_pri_zapisu(const ZAPISOVATEL& z, long us)
{
    pid_t dite = fork();
    ASSERT_GE(dite, 0);
    if (dite == 0) {
        for (int i = 0; i < 100000; i++) z.zapis(1 - i % 2);
        _exit(0);
    }
    usleep(useconds_t(us));
    kill(dite, SIGKILL);
    int stav;
    waitpid(dite, &stav, 0);
}

}  // namespace

TEST(KilledWrites, LeaveTheOldFileOrTheNewOneWhole)
{
    int uprostred = 0, celkem = 0;
    for (const ZAPISOVATEL& z : zapisovatele()) {
        PISKOVISTE p;
        ASSERT_TRUE(z.zapis(1)) << z.nazev;
        std::string nova = precti_bajty(z.soubor);
        ASSERT_TRUE(z.zapis(0)) << z.nazev;
        std::string stara = precti_bajty(z.soubor);
        ASSERT_NE(stara, nova);
        long t = trvani_zapisu(z);
        std::string docasny = std::string(z.soubor) + ".tmp";
        for (int k = 0; k < ZABITI_NA_ZAPISOVATELE; k++) {
            zabij_pri_zapisu(z, 100 + (k % BODU) * 2 * t / BODU);
            std::string b = precti_bajty(z.soubor);
            ASSERT_TRUE(b == stara || b == nova) << z.nazev << ": a torn file of " << b.size() << " bytes after kill " << k;
            if (std::filesystem::exists(docasny)) uprostred++;
            celkem++;
        }
    }
    EXPECT_GE(celkem, 1000);
    EXPECT_GE(uprostred, celkem / 10) << "too few kills landed inside a write to show anything";
}
