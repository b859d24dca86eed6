// Recording what the engine decides while it plans: an observer that turns each event into its
// record.
#include "ExplicacionCalculo.h"

#include "ProblemaNumerico.h"

#include <algorithm>

namespace {

class Registro final : public ObservadorLotificacion {
public:
    explicit Registro(ExplicacionCalculo& explicacion) : e_(explicacion) {}

    void Periodo(int periodo, double neta, double recibido, int emision) override {
        e_.Periodos.push_back({periodo, neta, recibido, emision});
    }
    void DemandaMedia(double media, double Q) override { e_.Demanda = {media, Q}; }
    void LoteEconomico(double Q) override { e_.LoteEconomico = Q; }
    void Intervalo(double cociente, double redondeado, int P) override {
        e_.Intervalo = {cociente, redondeado, P};
    }
    void PrimeraEmision(int periodo) override { e_.PrimeraEmision = periodo; }
    void EmisionAgrupada(int periodo, double cantidad) override {
        if (cantidad != 0.0) agrupadas_.emplace_back(periodo, cantidad);
    }
    void Ventana(int desde, int hasta, double total) override {
        e_.Ventanas.push_back({desde, hasta, std::move(agrupadas_), total});
        agrupadas_.clear();
    }
    void Lote(int k) override { e_.Lotes.push_back({k, {}, k, 0.0, 0}); }
    void Candidato(int j, double r, double H, double v, Candidatura candidatura) override {
        e_.Lotes.back().Candidatos.push_back({j, r, H, v, candidatura});
    }
    void LoteElegido(int bj, double cantidad, int emision) override {
        LoteExplicado& lote = e_.Lotes.back();
        lote.bj = bj;
        lote.Cantidad = cantidad;
        lote.Emision = emision;
    }
    // Heard from the last start back.
    void CosteDesde(int periodo, double coste, int fin) override {
        e_.CostesDesde.insert(e_.CostesDesde.begin(), {periodo, coste, fin});
    }
    void LoteOptimo(int recepcion, int emision, int fin, double cantidad) override {
        e_.LotesOptimos.push_back({recepcion, emision, fin, cantidad});
    }
    void TotalComparado(std::int32_t metodo, double total, bool elegido) override {
        e_.Totales.push_back({metodo, total, elegido});
    }
    // A release of 0 is no release.
    void Recepcion(int emision, int recepcion, double cantidad) override {
        if (cantidad != 0.0) e_.Emisiones.push_back({emision, cantidad, recepcion});
    }
    void EmisionFueraDelHorizonte(int emision, double cantidad) override {
        if (cantidad != 0.0) e_.Emisiones.push_back({emision, cantidad, 0});
    }

private:
    ExplicacionCalculo& e_;
    std::vector<std::pair<int, double>> agrupadas_;
};

} // namespace

ExplicacionCalculo LotificarExplicando(const ProblemaNumerico& problema, TTablaMRP& tabla,
                                       TipoLotificacion& metodo) {
    ExplicacionCalculo explicacion;
    Registro registro(explicacion);
    const TipoLotificacion pedido = metodo;
    Lotificar(pedido, problema.N, problema.TS, problema.SS, problema.CE, problema.CP,
              problema.Redondear, tabla, metodo, registro);
    if (!BuscarMetodo(pedido)) return explicacion;
    explicacion.Metodo = metodo;
    if (pedido == LotificacionMejor) {
        // The methods are deterministic: solved again from the same input, the winner makes the
        // plan the table holds, and says how.
        TTablaMRP otra = problema.Entrada;
        std::int32_t elegido = metodo;
        Lotificar(metodo, problema.N, problema.TS, problema.SS, problema.CE, problema.CP,
                  problema.Redondear, otra, elegido, registro);
    }
    return explicacion;
}

ExplicacionCalculo ReproyectarExplicando(const ProblemaNumerico& problema, TTablaMRP& tabla) {
    ExplicacionCalculo explicacion;
    Registro registro(explicacion);
    Reproyectar<ObservadorRegistro>(problema.N, problema.TS, problema.SS, tabla, registro);
    return explicacion;
}
