// What a fuzz target asserts: a broken property ends the process with its description, which
// libFuzzer and the corpus replay both report as a failure.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void Comprobar(bool cumple, const char* propiedad) {
    if (cumple) return;
    std::fprintf(stderr, "Propiedad incumplida: %s\n", propiedad);
    std::abort();
}
