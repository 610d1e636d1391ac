// The help page's words in both languages: its sections, one paragraph each, already broken into the
// lines the page shows.
#pragma once
#include <span>
#include <string>

struct ODDIL_NAPOVEDY {
    const char* nadpis;
    std::span<const char* const> radky;
};

// One language's page. A line may hold "%d %s": the number of levels that come with the game and
// the word for them, in the form that number takes.
struct TEXT_NAPOVEDY {
    std::span<const ODDIL_NAPOVEDY> oddily;
    const char* jedna_uroven;   // the word after 1
    const char* vice_urovni;    // the word after any other number
    const char* verze;          // the last line, "%s" the version
};

extern const TEXT_NAPOVEDY NAPOVEDA_CZ;
extern const TEXT_NAPOVEDY NAPOVEDA_EN;

// A line as the page prints it, with `urovni` levels filled in where the line speaks of them.
std::string radek_napovedy(const TEXT_NAPOVEDY& t, const char* radek, int urovni);
