// odraz.dat of any bytes: the check before loading refuses what the library cannot load safely, the
// library loads what the check lets through, and the catalogue check judges it without a fault.
#include "fuzz_support.h"

#include "core/resources.h"
#include "platform/datafile_check.h"
#include "platform/headless.h"
#include "platform/platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n)
{
    static bool start = (hl_start(), true);
    (void)start;
    fuzz_adresar();
    fuzz_soubor_na_disku("odraz.dat", d, n);
    DATAFILE* dat = plat_nahraj_data("odraz.dat");
    if (dat) {
        katalog_v_poradku(dat);
        unload_datafile(dat);
    }
    return 0;
}
