// A read-only packfile over bytes in memory.
#include "platform/memory_packfile.h"

#include <cstring>

namespace {

PAMET_PACKFILE* pamet(void* u) { return static_cast<PAMET_PACKFILE*>(u); }

int pf_zavri(void*) { return 0; }
int pf_getc(void* u)
{
    PAMET_PACKFILE* m = pamet(u);
    return m->pozice < m->n ? m->b[m->pozice++] : EOF;
}
int pf_ungetc(int c, void* u)
{
    PAMET_PACKFILE* m = pamet(u);
    if (m->pozice == 0) return EOF;
    m->pozice--;
    return c;
}
long pf_fread(void* cil, long n, void* u)
{
    PAMET_PACKFILE* m = pamet(u);
    long k = n < m->n - m->pozice ? n : m->n - m->pozice;
    if (k <= 0) return 0;
    std::memcpy(cil, m->b + m->pozice, size_t(k));
    m->pozice += k;
    return k;
}
int pf_putc(int, void*) { return EOF; }
long pf_fwrite(const void*, long, void*) { return 0; }
int pf_fseek(void* u, int o)
{
    PAMET_PACKFILE* m = pamet(u);
    if (o < 0 || o > m->n - m->pozice) return -1;
    m->pozice += o;
    return 0;
}
int pf_feof(void* u) { return pamet(u)->pozice >= pamet(u)->n; }
int pf_ferror(void*) { return 0; }

PACKFILE_VTABLE VTABLE = {pf_zavri, pf_getc, pf_ungetc, pf_fread, pf_putc, pf_fwrite, pf_fseek, pf_feof, pf_ferror};

}  // namespace

PACKFILE* otevri_pamet(PAMET_PACKFILE* m) { return pack_fopen_vtable(&VTABLE, m); }
