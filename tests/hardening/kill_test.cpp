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

// Forks a child that keeps rewriting the file, version 1 then 0, and kills it `us` microseconds after
// it began (it says so through a pipe, so that the time a fork takes does not count).
void zabij_pri_zapisu(const ZAPISOVATEL& z, long us)
{
    int roura[2];
    ASSERT_EQ(pipe(roura), 0);
    pid_t dite = fork();
    ASSERT_GE(dite, 0);
    if (dite == 0) {
        if (write(roura[1], "z", 1) != 1) _exit(1);
        for (int i = 0; i < 100000; i++) z.zapis(1 - i % 2);
        _exit(0);
    }
    close(roura[1]);
    char c;
    if (read(roura[0], &c, 1) == 1) usleep(useconds_t(us));
    close(roura[0]);
    kill(dite, SIGKILL);
    waitpid(dite, nullptr, 0);
}

}  // namespace

TEST(KilledWrites, LeaveTheOldFileOrTheNewOneWhole)
{
    int uprostred = 0, celkem = 0;
    for (const ZAPISOVATEL& z : zapisovatele()) {
        PISKOVISTE p;
        ASSERT_TRUE(z.zapis(1)) << z.nazev;
        std::string nova = precti_bajty(z.soubor);
        auto od = std::chrono::steady_clock::now();   // the average time of one write
        for (int i = 0; i < 20; i++) z.zapis(1 - i % 2);   // ends on version 0
        long t = std::max<long>(1, std::chrono::duration_cast<std::chrono::microseconds>(
                                       std::chrono::steady_clock::now() - od).count() / 20);
        std::string stara = precti_bajty(z.soubor);
        ASSERT_NE(stara, nova);
        for (int k = 0; k < ZABITI_NA_ZAPISOVATELE; k++, celkem++) {
            zabij_pri_zapisu(z, (k % BODU) * 2 * t / BODU);
            std::string b = precti_bajty(z.soubor);
            ASSERT_TRUE(b == stara || b == nova) << z.nazev << ": a torn file of " << b.size() << " bytes after kill " << k;
            uprostred += std::filesystem::exists(std::string(z.soubor) + ".tmp");
        }
    }
    RecordProperty("kills", celkem);
    RecordProperty("kills_inside_a_write", uprostred);
    EXPECT_GE(celkem, 1000);
    EXPECT_GE(uprostred, celkem / 10) << "too few kills landed inside a write to show anything";
}
