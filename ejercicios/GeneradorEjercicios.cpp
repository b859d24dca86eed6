// Drawing exercises, draw by draw in a fixed order.
#include "GeneradorEjercicios.h"

#include "ArticuloDeTextos.h"
#include "CalculoArticulo.h"
#include "Generador.h"
#include "Numeros.h"
#include "RegistroTextos.h"
#include "TablaRejilla.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

class Sorteos {
public:
    explicit Sorteos(std::uint32_t semilla) : generador_(semilla) { generador_.Sembrar(); }

    // A whole number from desde to hasta.
    std::int32_t Entero(std::int32_t desde, std::int32_t hasta) {
        const auto casos = double(hasta) - double(desde) + 1;
        const auto sorteo = std::int32_t(double(generador_.Sorteo()) * casos);
        return desde + std::min(sorteo, hasta - desde);
    }

    // A multiple of paso within the interval, or any whole number in it when it holds none.
    std::int32_t Multiplo(Intervalo intervalo, std::int32_t paso) {
        const std::int32_t desde = (intervalo.Desde + paso - 1) / paso;
        const std::int32_t hasta = intervalo.Hasta / paso;
        if (desde > hasta) return Entero(intervalo.Desde, intervalo.Hasta);
        return paso * Entero(desde, hasta);
    }

private:
    Generador generador_;
};

// The economic lot of EOQ and POQ is sqrt(2 CE m / CP) for the mean demand m: with
// CE = k² m CP / 2 it is k m exactly, and POQ orders every k periods. Costs are kept in tenths
// so that the texts say exactly what was drawn.
struct Costes {
    std::int32_t DecimasCE = 0;
    std::int32_t DecimasCP = 0;
};

Costes SortearCostes(Sorteos& sorteos, std::int32_t media, int dificultad) {
    const std::int32_t k = sorteos.Entero(2, 3);
    // Level 3: one decimal that is not a zero.
    std::int32_t decimasCP = dificultad >= 3 ? sorteos.Entero(5, 25) : 10 * sorteos.Entero(1, 2);
    if (decimasCP % 10 == 0 && dificultad >= 3) decimasCP += 1;
    // media is a multiple of 10, so the half is whole.
    return {k * k * (media / 2) * decimasCP, decimasCP};
}

QString Decimas(std::int32_t decimas) {
    return FloatToStr(decimas / 10.0);
}

// Quantities of 5 in the periods from desde to N whose mean over the N periods is media: drawn up
// to twice the mean each, then evened out one unit of 5 at a time, round the periods.
void SortearNecesidades(Sorteos& sorteos, std::int32_t N, std::int32_t desde, std::int32_t media,
                        TTablaMRP& tabla) {
    const std::int32_t periodos = N - desde + 1;
    const std::int32_t unidades = media * N / 5;
    const std::int32_t maximo = (2 * unidades + periodos - 1) / periodos;
    std::vector<std::int32_t> cantidades(std::size_t(periodos), 0);
    std::int32_t suma = 0;
    for (std::int32_t& cantidad : cantidades) {
        cantidad = sorteos.Entero(0, maximo);
        suma += cantidad;
    }
    for (std::size_t i = std::size_t(sorteos.Entero(0, periodos - 1)); suma != unidades;
         i = (i + 1) % cantidades.size()) {
        if (suma < unidades && cantidades[i] < maximo) {
            ++cantidades[i];
            ++suma;
        } else if (suma > unidades && cantidades[i] > 0) {
            --cantidades[i];
            --suma;
        }
    }
    for (std::int32_t p = desde; p <= N; ++p)
        tabla.NB[p] = 5.0 * cantidades[std::size_t(p - desde)];
}

// Receipts already on their way arrive within the lead time, or the first two periods.
void SortearRecepciones(Sorteos& sorteos, std::int32_t N, std::int32_t TS, std::int32_t media,
                        TTablaMRP& tabla) {
    const int recepciones = N >= 8 ? 2 : 1;
    const std::int32_t ultima = std::min(N, std::max(TS, 2));
    for (int r = 0; r < recepciones; ++r) {
        const std::int32_t periodo = sorteos.Entero(1, ultima);
        tabla.RP[periodo] = sorteos.Multiplo({10, media}, 10);
    }
}

// The initial stock keeps the safety stock through the lead time, when nothing can be received
// but what is on its way, and a little more: in tens, so that the stock is never negative.
double StockInicial(Sorteos& sorteos, std::int32_t TS, double SS, const TTablaMRP& tabla) {
    double falta = 0, neto = 0;
    for (std::int32_t p = 1; p <= TS; ++p) {
        neto += tabla.NB[p] - tabla.RP[p];
        falta = std::max(falta, neto);
    }
    return 10 * std::ceil((SS + falta) / 10) + sorteos.Multiplo({10, 30}, 10);
}

TextosCelda Celdas(std::int32_t N, const TTablaMRP& tabla) {
    TextosCelda celdas = CeldasIniciales(N);
    for (std::int32_t p = 1; p <= N; ++p) {
        celdas.PonerCelda(p, FilaNB, TextoEntrada(tabla.NB[p]));
        celdas.PonerCelda(p, FilaRP, TextoEntrada(tabla.RP[p]));
    }
    celdas.PonerCelda(1, FilaD, TextoEntrada(tabla.D[1]));
    return celdas;
}

Ejercicio Sortear(Sorteos& sorteos, const OpcionesEjercicios& opciones, int numero) {
    const int dificultad = opciones.Dificultad;
    const std::int32_t N = sorteos.Entero(opciones.Periodos.Desde, opciones.Periodos.Hasta);
    Intervalo plazos = TiempoSuministroDe(opciones);
    plazos.Hasta = std::min(plazos.Hasta, N - 1);
    const std::int32_t TS = sorteos.Entero(plazos.Desde, plazos.Hasta);
    const std::int32_t SS = sorteos.Multiplo(StockSeguridadDe(opciones), 5);
    const std::int32_t media = 10 * sorteos.Entero(2, 8);
    const Costes costes = SortearCostes(sorteos, media, dificultad);

    TTablaMRP tabla;
    // Without initial stock, a requirement within the lead time could never be covered.
    SortearNecesidades(sorteos, N, dificultad >= 2 ? 1 : TS + 1, media, tabla);
    if (dificultad >= 2) {
        SortearRecepciones(sorteos, N, TS, media, tabla);
        tabla.D[1] = StockInicial(sorteos, TS, SS, tabla);
    }

    Ejercicio ejercicio;
    ejercicio.Numero = numero;
    ejercicio.Fichero = FicheroEjercicio(numero, opciones.Cantidad);
    TextosProblema& problema = ejercicio.Problema;
    problema.NPeriodos = QString::number(N);
    problema.TS = QString::number(TS);
    problema.SS = QString::number(SS);
    problema.CE = Decimas(costes.DecimasCE);
    problema.CP = Decimas(costes.DecimasCP);
    problema.Metodo = opciones.Metodo.value_or((numero - 1) % NumeroMetodosComparados);
    ejercicio.Celdas = Celdas(N, tabla);

    // Through the texts, as the problem file will be read: the solution is the file's.
    const std::optional<Articulo> articulo = ArticuloDeTextos(
        TipoCalculo::Seleccionado, problema, ejercicio.Celdas, [](const QString& aviso) {
            throw std::logic_error("ejercicio rechazado: " + aviso.toStdString());
        });
    ejercicio.Solucion = CalcularSeleccionada(*articulo);
    return ejercicio;
}

} // namespace

QString FicheroEjercicio(int numero, int cantidad) {
    const int cifras = std::max(2, int(QString::number(cantidad).size()));
    return QStringLiteral("ejercicio%1.lot").arg(numero, cifras, 10, QChar(u'0'));
}

std::vector<Ejercicio> GenerarEjercicios(const OpcionesEjercicios& opciones,
                                         std::uint32_t semilla) {
    Sorteos sorteos(semilla);
    std::vector<Ejercicio> ejercicios;
    for (int numero = 1; numero <= opciones.Cantidad; ++numero)
        ejercicios.push_back(Sortear(sorteos, opciones, numero));
    return ejercicios;
}
