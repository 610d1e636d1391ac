// Checking and freeing the loader's bricks.
#include "fuzz_bricks.h"
#include "fuzz_support.h"

#include "core/resources.h"
#include "world/bricks.h"
#include "world/capsules.h"
#include "world/objects.h"

void fuzz_obrazky()
{
    static DATAFILE prazdna[POCET_ZDROJU + 1];
    prazdna[POCET_ZDROJU].type = DAT_END;
    data = prazdna;
}

void over_a_uvolni_kostky(const int* bunky)
{
    OVER(POCET_KOSTEK >= 0 && POCET_KOSTEK <= POCET_BUNEK);
    int k = 0;
    for (int i = 0; i < POCET_BUNEK; i++) {
        if (bunky[i] < 1 || bunky[i] > KOSTKA_SEDA) continue;
        OVER(k < POCET_KOSTEK);
        const KOSTKA* b = kostka[k++];
        OVER(b->pozice == i && b->druh == bunky[i] && b->x == x_bunky(i) && b->y == y_bunky(i));
        OVER(b->zasahy == zasahy_druhu(b->druh));
        OVER(b->bonus >= 0 && b->bonus <= POCET_DRUHU_BONUSU);
        OVER(b->druh < KOSTKA_DVA_ZASAHY || b->bonus == 0);
    }
    OVER(k == POCET_KOSTEK);
    for (int i = 0; i < POCET_KOSTEK; i++) delete kostka[i];
    POCET_KOSTEK = 0;
}
