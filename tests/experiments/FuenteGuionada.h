// Draws given by the test, replayed from the start at every seeding; running out of them fails
// the way an error inside a run would.
#pragma once

#include "Generador.h"

#include <stdexcept>
#include <vector>

class FuenteGuionada : public FuenteSorteos {
public:
    explicit FuenteGuionada(std::vector<long double> sorteos) : sorteos_(std::move(sorteos)) {}
    void Sembrar() override { usados_ = 0; }
    long double Sorteo() override {
        if (usados_ == sorteos_.size()) throw std::runtime_error("sin sorteos");
        return sorteos_[usados_++];
    }
    std::size_t Usados() const { return usados_; }

private:
    std::vector<long double> sorteos_;
    std::size_t usados_ = 0;
};

// The draws of the worked example: N 7, Ts 2, Ce 16.5, ratio 290, NB 505 in period 4, 10 in 6.
inline std::vector<long double> SorteosEjemplo() {
    return {0.25L, 0.75L, 0.5L, 0.1L, 0.7L, 0.2L, 0.5L, 0.9L, 0.4L, 0.0L, 0.6L};
}
