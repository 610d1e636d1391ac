// A level text of any bytes: either a level with cells 0..10 and a name a level may carry, whose text
// reads back as the same level, or an error whose message ends.
#include "fuzz_support.h"

#include "levels/level_text.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n)
{
    UROVEN u;
    CHYBA_TEXTU chyba;
    if (!uroven_z_textu(reinterpret_cast<const char*>(d), n, &u, &chyba)) {
        OVER(std::memchr(chyba.zprava, 0, sizeof chyba.zprava) != nullptr);
        return 0;
    }
    for (int b : u.bunky) OVER(bunka_platna(b));
    OVER(jmeno_platne(u.autor));
    std::string text = uroven_do_textu(u, "fuzz");
    UROVEN znovu;
    OVER(uroven_z_textu(text.data(), text.size(), &znovu, &chyba));
    OVER(std::memcmp(&u, &znovu, sizeof u) == 0);
    return 0;
}
