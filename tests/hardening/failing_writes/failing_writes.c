/* Preloaded under a test program, makes the file writes that the game uses fail on request: while the
 * variable ODRAZ_SELHANI names a way, every write to a file (not to the terminal) fails that way.
 *   plny      the disk is full: writes stop half-way with ENOSPC, flushing and closing fail too
 *   jen_cteni the directory is read-only: opening for writing and renaming fail with EROFS
 *   fsync     the data never reaches the disk: fsync fails with EIO
 *   rename    the last step fails: rename fails with EIO */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static int zpusob(const char* jaky)
{
    const char* s = getenv("ODRAZ_SELHANI");
    return s && strcmp(s, jaky) == 0;
}

static int plny(FILE* f) { return zpusob("plny") && f && fileno(f) > 2; }

/* Sets errno and answers true when the call is to fail. */
static int selze(int ano, int chyba)
{
    if (ano) errno = chyba;
    return ano;
}

#define SKUTECNA(typ, jmeno, ...) \
    static typ (*skutecna)(__VA_ARGS__) = 0; \
    if (!skutecna) skutecna = (typ (*)(__VA_ARGS__))dlsym(RTLD_NEXT, jmeno)

static int pro_zapis(const char* r) { return zpusob("jen_cteni") && r && strpbrk(r, "wa+"); }

#define OTEVRENI(jmeno) \
    FILE* jmeno(const char* cesta, const char* rezim) \
    { \
        SKUTECNA(FILE*, #jmeno, const char*, const char*); \
        return selze(pro_zapis(rezim), EROFS) ? NULL : skutecna(cesta, rezim); \
    }
OTEVRENI(fopen)
OTEVRENI(fopen64)

size_t fwrite(const void* p, size_t velikost, size_t pocet, FILE* f)
{
    SKUTECNA(size_t, "fwrite", const void*, size_t, size_t, FILE*);
    if (!plny(f)) return skutecna(p, velikost, pocet, f);
    if (pocet / 2) skutecna(p, velikost, pocet / 2, f);
    fflush(f);
    errno = ENOSPC;
    return pocet / 2;
}

int fflush(FILE* f)
{
    SKUTECNA(int, "fflush", FILE*);
    int r = skutecna(f);
    return selze(plny(f), ENOSPC) ? EOF : r;
}

int fclose(FILE* f)
{
    SKUTECNA(int, "fclose", FILE*);
    int byl_plny = plny(f), r = skutecna(f);
    return selze(byl_plny, ENOSPC) ? EOF : r;
}

int fsync(int fd)
{
    SKUTECNA(int, "fsync", int);
    if (selze(zpusob("plny"), ENOSPC) || selze(zpusob("fsync"), EIO)) return -1;
    return skutecna(fd);
}

int rename(const char* stara, const char* nova)
{
    SKUTECNA(int, "rename", const char*, const char*);
    if (selze(zpusob("jen_cteni"), EROFS) || selze(zpusob("rename"), EIO)) return -1;
    return skutecna(stara, nova);
}
