// The experiments' pseudo-random generator: one 32-bit state, S := S * 134775813 + 1, each draw
// S / 2^32. Draws come through FuenteSorteos so that tests can give them.
#pragma once

#include <cstdint>
#include <optional>

class FuenteSorteos {
public:
    virtual ~FuenteSorteos() = default;
    // Seeds the source at the start of a run.
    virtual void Sembrar() = 0;
    // The next draw r, 0 <= r < 1, in extended precision.
    virtual long double Sorteo() = 0;
};

class Generador final : public FuenteSorteos {
public:
    // Without a fixed seed every Sembrar takes SemillaDelReloj().
    explicit Generador(std::optional<std::uint32_t> semillaFija = std::nullopt)
        : semillaFija_(semillaFija) {}

    // The low 32 bits of the monotonic clock.
    static std::uint32_t SemillaDelReloj();

    void Sembrar() override;
    // Inline, so that drawing through a Generador known as such costs no call. S / 2^32 is exact
    // in a double as well: made as one, a draw compared with a double is compared in the
    // processor's ordinary registers, with the same result as in extended precision.
    long double Sorteo() override {
        estado_ = estado_ * 134775813u + 1u; // unsigned: wraps modulo 2^32
        return static_cast<double>(estado_) * 0x1p-32;
    }

    std::uint32_t Estado() const { return estado_; }
    void PonerEstado(std::uint32_t estado) { estado_ = estado; }

private:
    std::optional<std::uint32_t> semillaFija_;
    std::uint32_t estado_ = 0;
};
