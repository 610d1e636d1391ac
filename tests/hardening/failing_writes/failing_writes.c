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

static int do_souboru(FILE* f) { return f && fileno(f) > 2; }

static int pro_zapis(const char* rezim) { return rezim && (strchr(rezim, 'w') || strchr(rezim, 'a') || strchr(rezim, '+')); }

#define SKUTECNA(typ, jmeno, ...) \
    static typ (*skutecna)(__VA_ARGS__) = 0; \
    if (!skutecna) skutecna = (typ (*)(__VA_ARGS__))dlsym(RTLD_NEXT, jmeno)

FILE* fopen(const char* cesta, const char* rezim)
{
    SKUTECNA(FILE*, "fopen", const char*, const char*);
    if (zpusob("jen_cteni") && pro_zapis(rezim)) {
        errno = EROFS;
        return NULL;
    }
    return skutecna(cesta, rezim);
}

FILE* fopen64(const char* cesta, const char* rezim)
{
    SKUTECNA(FILE*, "fopen64", const char*, const char*);
    if (zpusob("jen_cteni") && pro_zapis(rezim)) {
        errno = EROFS;
        return NULL;
    }
    return skutecna(cesta, rezim);
}

size_t fwrite(const void* p, size_t velikost, size_t pocet, FILE* f)
{
    SKUTECNA(size_t, "fwrite", const void*, size_t, size_t, FILE*);
    if (zpusob("plny") && do_souboru(f)) {
        size_t pul = pocet / 2;
        if (pul) skutecna(p, velikost, pul, f);
        fflush(f);
        errno = ENOSPC;
        return pul;
    }
    return skutecna(p, velikost, pocet, f);
}

int fflush(FILE* f)
{
    SKUTECNA(int, "fflush", FILE*);
    int r = skutecna(f);
    if (zpusob("plny") && do_souboru(f)) {
        errno = ENOSPC;
        return EOF;
    }
    return r;
}

int fclose(FILE* f)
{
    SKUTECNA(int, "fclose", FILE*);
    int plny = zpusob("plny") && do_souboru(f);
    int r = skutecna(f);
    if (plny) {
        errno = ENOSPC;
        return EOF;
    }
    return r;
}

int fsync(int fd)
{
    SKUTECNA(int, "fsync", int);
    if (zpusob("fsync") || zpusob("plny")) {
        errno = zpusob("plny") ? ENOSPC : EIO;
        return -1;
    }
    return skutecna(fd);
}

int rename(const char* stara, const char* nova)
{
    SKUTECNA(int, "rename", const char*, const char*);
    if (zpusob("rename") || zpusob("jen_cteni")) {
        errno = zpusob("rename") ? EIO : EROFS;
        return -1;
    }
    return skutecna(stara, nova);
}
