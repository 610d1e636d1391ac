// Reading and writing the text form of a level, strictly: every mistake is reported with its place.
#include "levels/level_text.h"
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>
#include "core/binary_file.h"

namespace {
constexpr char HLAVICKA_AUTORA[] = "author:";
constexpr size_t DELKA_HLAVICKY = sizeof HLAVICKA_AUTORA - 1;
constexpr char ZNAKY_DRUHU[] = ".123456789G";   // the character of cell value v is ZNAKY_DRUHU[v]

// Fills in the error, if the caller wants it, and gives false so that a reader can return it at once.
__attribute__((format(printf, 4, 5)))
bool chyba_na(CHYBA_TEXTU* chyba, int radek, int sloupec, const char* format, ...)
{
    if (!chyba) return false;
    chyba->radek = radek;
    chyba->sloupec = sloupec;
    va_list args;
    va_start(args, format);
    std::vsnprintf(chyba->zprava, sizeof chyba->zprava, format, args);
    va_end(args);
    return false;
}

bool je_mezera(char c) { return c == ' ' || c == '\t'; }

bool je_pismeno(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool jen_mezery(const char* s, size_t n)
{
    for (size_t i = 0; i < n; i++)
        if (!je_mezera(s[i])) return false;
    return true;
}

// One line of the text, without its line break (and without a carriage return before it).
struct RADEK {
    const char* s;
    size_t n;
    int cislo;
};

// What has been read so far.
struct CTENI_TEXTU {
    UROVEN* u;
    bool autor;
    int radku_mrizky;
    CHYBA_TEXTU* chyba;
};

bool cti_autora(const RADEK& r, CTENI_TEXTU* c)
{
    size_t od = DELKA_HLAVICKY;
    if (od < r.n && r.s[od] == ' ') od++;
    size_t n = r.n - od;
    for (size_t i = 0; i < n; i++) {
        char z = r.s[od + i];
        int sloupec = static_cast<int>(od + i + 1);
        if (i >= MAX_JMENO - 1) return chyba_na(c->chyba, r.cislo, sloupec, "author name longer than 12 characters");
        if (!je_pismeno(z) && z != ' ')
            return chyba_na(c->chyba, r.cislo, sloupec, "author name may hold only letters A-Z, a-z and spaces");
        c->u->autor[i] = z;
    }
    c->autor = true;
    return true;
}

bool cti_radek_mrizky(const RADEK& r, CTENI_TEXTU* c)
{
    int* bunky = c->u->bunky + SLOUPCU * c->radku_mrizky;
    for (int i = 0; i < SLOUPCU; i++) {
        if (static_cast<size_t>(i) >= r.n)
            return chyba_na(c->chyba, r.cislo, i + 1, "row %d has %d cells, 20 needed", c->radku_mrizky + 1, i);
        int v = bunka_znaku(r.s[i]);
        if (v < 0) {
            unsigned char z = static_cast<unsigned char>(r.s[i]);
            if (z > ' ' && z < 0x7f)
                return chyba_na(c->chyba, r.cislo, i + 1, "'%c' is no cell: use '.', '1'..'9' or 'G'", z);
            return chyba_na(c->chyba, r.cislo, i + 1, "byte 0x%02x is no cell: use '.', '1'..'9' or 'G'", z);
        }
        bunky[i] = v;
    }
    if (!jen_mezery(r.s + SLOUPCU, r.n - SLOUPCU))
        return chyba_na(c->chyba, r.cislo, SLOUPCU + 1, "row %d has more than 20 cells", c->radku_mrizky + 1);
    c->radku_mrizky++;
    return true;
}

bool zacina_autorem(const RADEK& r) { return r.n >= DELKA_HLAVICKY && std::memcmp(r.s, HLAVICKA_AUTORA, DELKA_HLAVICKY) == 0; }

bool cti_radek(const RADEK& r, CTENI_TEXTU* c)
{
    if (jen_mezery(r.s, r.n) || r.s[0] == '#') return true;
    if (zacina_autorem(r)) {
        if (c->autor) return chyba_na(c->chyba, r.cislo, 1, "a second author line");
        return cti_autora(r, c);
    }
    if (!c->autor) return chyba_na(c->chyba, r.cislo, 1, "expected \"author: <name>\" before the rows");
    if (c->radku_mrizky >= RADKU) return chyba_na(c->chyba, r.cislo, 1, "text after the 22nd row");
    return cti_radek_mrizky(r, c);
}

void pridej_komentar(std::string* t, const char* komentar)
{
    if (!komentar || !*komentar) return;
    const char* s = komentar;
    while (*s) {
        const char* konec = std::strchr(s, '\n');
        size_t n = konec ? static_cast<size_t>(konec - s) : std::strlen(s);
        t->append(n ? "# " : "#").append(s, n).append("\n");
        s += n;
        if (*s == '\n') s++;
    }
}
}

char znak_bunky(int v) { return v >= 0 && v <= KOSTKA_SEDA ? ZNAKY_DRUHU[v] : '?'; }

int bunka_znaku(char c)
{
    if (c == '\0') return -1;
    const char* p = std::strchr(ZNAKY_DRUHU, c);
    return p ? static_cast<int>(p - ZNAKY_DRUHU) : -1;
}

bool jmeno_platne(const char* jmeno)
{
    size_t n = strnlen(jmeno, MAX_JMENO);
    if (n >= MAX_JMENO) return false;
    for (size_t i = 0; i < n; i++)
        if (!je_pismeno(jmeno[i]) && jmeno[i] != ' ') return false;
    return true;
}

bool uroven_z_textu(const char* text, size_t delka, UROVEN* u, CHYBA_TEXTU* chyba)
{
    std::memset(u, 0, sizeof *u);
    if (chyba) *chyba = CHYBA_TEXTU{};
    CTENI_TEXTU c{u, false, 0, chyba};
    size_t i = 0;
    if (delka >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0) i = 3;   // a byte-order mark some editors add
    int cislo = 0;
    while (i < delka) {
        const char* konec = static_cast<const char*>(std::memchr(text + i, '\n', delka - i));
        size_t n = konec ? static_cast<size_t>(konec - (text + i)) : delka - i;
        RADEK r{text + i, n, ++cislo};
        if (r.n > 0 && r.s[r.n - 1] == '\r') r.n--;
        if (!cti_radek(r, &c)) return false;
        i += n + 1;
    }
    if (!c.autor) return chyba_na(chyba, cislo + 1, 0, "no \"author:\" line");
    if (c.radku_mrizky < RADKU)
        return chyba_na(chyba, cislo + 1, 0, "only %d rows, 22 needed", c.radku_mrizky);
    return true;
}

std::string uroven_do_textu(const UROVEN& u, const char* komentar)
{
    std::string t;
    pridej_komentar(&t, komentar);
    t.append(HLAVICKA_AUTORA).append(" ").append(u.autor, strnlen(u.autor, MAX_JMENO - 1)).append("\n");
    for (int r = 0; r < RADKU; r++) {
        for (int s = 0; s < SLOUPCU; s++) t.push_back(znak_bunky(u.bunky[r * SLOUPCU + s]));
        t.push_back('\n');
    }
    return t;
}

bool nacti_text_urovne(const char* cesta, UROVEN* u, CHYBA_TEXTU* chyba)
{
    std::memset(u, 0, sizeof *u);
    SOUBOR f = otevri_soubor(cesta, "rb");
    if (!f) return chyba_na(chyba, 0, 0, "cannot open the file");
    std::string text(NEJDELSI_TEXT_UROVNE + 1, '\0');
    size_t n = std::fread(text.data(), 1, text.size(), f.get());
    if (n > NEJDELSI_TEXT_UROVNE) return chyba_na(chyba, 0, 0, "file larger than 64 KiB");
    return uroven_z_textu(text.data(), n, u, chyba);
}

bool zapis_text_urovne(const char* cesta, const UROVEN& u, const char* komentar)
{
    std::string t = uroven_do_textu(u, komentar);
    return zapis_soubor(cesta, std::vector<unsigned char>(t.begin(), t.end()));
}
