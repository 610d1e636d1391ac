// The end of a try: a message box over the cleared playfield, closed by any key.
#include "levels/try_level.h"

#include "core/bitmap.h"
#include "core/globals.h"
#include "core/level_file.h"
#include "core/resources.h"
#include "platform/platform.h"
#include "ui/screen_loop.h"
#include "ui/text.h"
#include "ui/window.h"

namespace {

struct RADEK {
    int y;
    int nejvic;
    const char* text;   // "%s" stands for the file name
};

struct TEXTY_KONCE {
    const char* nadpis;
    RADEK radky[4];
};

const TEXTY_KONCE KONEC_ZKOUSKY[2] = {
    {"KONEC ZKOUŠKY ÚROVNĚ",
     {{50, 100, "Zkouška úrovně skončila. Pokud jste s výslednou kvalitou vámi"},
      {70, 100, "vytvořené úrovně nespokojeni, vyberte v menu editor úrovní a"},
      {90, 100, "tam editaci poslední vytvořené úrovně. Pokud chcete úroveň"},
      {110, 20, "odstranit, smažte soubor %s ve složce Level."}}},
    {"END OF TRY LEVEL",
     {{50, 100, "Try level is ended. If you want to edit this level, press"},
      {70, 100, "Level editor in menu and subsequently press button edit."},
      {90, 100, "This level is able to eliminate by deleting the file %s"},
      {110, 100, "in directory Level."}}},
};

const TEXTY_KONCE& texty() { return KONEC_ZKOUSKY[jazyk == 1 ? 0 : 1]; }

}  // namespace

std::vector<RADEK_DIALOGU> radky_konce_zkousky(const char* soubor)
{
    std::vector<RADEK_DIALOGU> v;
    for (const RADEK& r : texty().radky) {
        std::string s = r.text;
        size_t i = s.find("%s");
        if (i != std::string::npos) s.replace(i, 2, bez_slozky(soubor));
        v.push_back({r.y, r.nejvic, s});
    }
    return v;
}

void kresli_konec_zkousky(const char* soubor, BITMAP* cil)
{
    blit(obr(bmp_dialog_panel), cil, 0, 0, 0, 0, 390, 220);
    textprintf_centre_ex(cil, font, 195, 7, BARVA_1, -1, "%s", texty().nadpis);
    for (const RADEK_DIALOGU& r : radky_konce_zkousky(soubor))
        vypis_zarovnane(cil, r.text.c_str(), 25, 365, r.y, BARVA_1, r.nejvic);
    textprintf_centre_ex(cil, font, 195, 192, BARVA_1, -1, "%s",
                         tx({"stiskněte libovolnou klávesu", "press any key"}));
}

void konec_zkousky()
{
    {
        BITMAPA b = nova_bitmapa(390, 220);
        kresli_konec_zkousky(jmeno_urovne(LEVEL).c_str(), b.get());
        plat_ukaz(b.get(), 0, 0, 205, 140, 390, 220);
    }
    plat_vyprazdni_klavesy();
    cekej_na_klavesu();
    plat_cti_klavesu(nullptr);   // the key only closes the box
    HRAJE_SE = 0;
}
