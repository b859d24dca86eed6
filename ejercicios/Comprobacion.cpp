// Checking a typed record against the exact one.
#include "Comprobacion.h"

#include "ArticuloDeTextos.h"
#include "CalculoArticulo.h"
#include "Errores.h"
#include "FicheroSolucion.h"
#include "Numeros.h"
#include "RegistroTextos.h"

#include <algorithm>
#include <cmath>

namespace {

// The checked rows in their order down a period, and the first period each starts at: D[1] is
// the initial stock, an input.
struct FilaComprobada {
    FilaRejilla Fila;
    int Desde;
};
constexpr FilaComprobada FilasSinCostes[] = {{FilaD, 2}, {FilaNN, 1}, {FilaRPPL, 1}, {FilaPPL, 1}};
constexpr FilaComprobada FilasDeCostes[] = {{FilaCe, 1}, {FilaCp, 1}, {FilaCTotal, 1}};

QString Etiqueta(int fila) {
    return EtiquetasRegistro()[std::size_t(fila) - 1];
}

CeldaComprobada Comprobar(int columna, int fila, double exacto, const QString& texto,
                          double tolerancia) {
    CeldaComprobada celda{columna, fila, EstadoCelda::Correcta, exacto, texto, true};
    if (texto.trimmed().isEmpty()) {
        if (exacto != 0.0) celda.Estado = EstadoCelda::Falta;
        return celda;
    }
    try {
        if (!DentroDeTolerancia(StrToFloat(texto), exacto, tolerancia))
            celda.Estado = EstadoCelda::Erronea;
    } catch (const EConvertError&) {
        celda.Numero = false;
        celda.Estado = EstadoCelda::Erronea;
    }
    return celda;
}

} // namespace

const CeldaComprobada* Comprobacion::PrimeraDiferencia() const {
    const auto primera = std::find_if(Celdas.begin(), Celdas.end(), [](const CeldaComprobada& c) {
        return c.Estado != EstadoCelda::Correcta;
    });
    return primera == Celdas.end() ? nullptr : &*primera;
}

std::optional<double> LeerTolerancia(const QString& texto) {
    try {
        const double tolerancia = StrToFloat(texto);
        if (tolerancia >= 0.0) return tolerancia;
    } catch (const EConvertError&) {
    }
    return std::nullopt;
}

bool DentroDeTolerancia(double tecleado, double exacto, double tolerancia) {
    const double escala = std::max({1.0, std::abs(tecleado), std::abs(exacto)});
    return std::abs(tecleado - exacto) <= tolerancia + 1e-9 * escala;
}

Comprobacion ComprobarRegistro(const ResultadoCalculo& exacto, const TextosCelda& tecleadas,
                               bool conCostes, double tolerancia) {
    Comprobacion comprobacion;
    const std::int32_t N = exacto.Problema.N;
    comprobacion.N = N;
    const auto registro = FilasDelRegistro(exacto.Tabla, exacto.Costes);
    std::vector<FilaComprobada> filas(std::begin(FilasSinCostes), std::end(FilasSinCostes));
    if (conCostes) filas.insert(filas.end(), std::begin(FilasDeCostes), std::end(FilasDeCostes));
    for (int columna = 1; columna <= N + 1; ++columna)
        for (const FilaComprobada& f : filas) {
            if (columna < f.Desde || columna > UltimaColumnaSolucion(f.Fila, N)) continue;
            const double valor = (*registro[std::size_t(f.Fila) - 1])[columna];
            comprobacion.Celdas.push_back(
                Comprobar(columna, f.Fila, valor, tecleadas.Celda(columna, f.Fila), tolerancia));
            if (comprobacion.Celdas.back().Estado == EstadoCelda::Correcta)
                ++comprobacion.Correctas;
        }
    return comprobacion;
}

std::optional<ComprobacionProblema> ComprobarProblema(const TextosProblema& problema,
                                                      const TextosCelda& celdas, double tolerancia,
                                                      const Avisar& avisar) {
    if (!EsItemRadio(problema.Metodo)) {
        avisar(AvisoMetodoComprobado);
        return std::nullopt;
    }
    const std::optional<Articulo> articulo =
        ArticuloDeTextos(TipoCalculo::Seleccionado, problema, celdas, avisar);
    if (!articulo) return std::nullopt;
    ComprobacionProblema comprobada{CalcularSeleccionada(*articulo), {}};
    comprobada.Celdas =
        ComprobarRegistro(comprobada.Exacto, celdas, problema.VerCostes, tolerancia);
    return comprobada;
}

QString LugarCelda(const CeldaComprobada& celda, std::int32_t N) {
    if (celda.Columna > N) return Etiqueta(celda.Fila) + QStringLiteral(", total");
    return Etiqueta(celda.Fila) + QStringLiteral(", período %1").arg(celda.Columna);
}

QString MensajeComprobacion(const Comprobacion& comprobacion) {
    QString mensaje = QStringLiteral("%1 de %2 celdas correctas")
                          .arg(comprobacion.Correctas)
                          .arg(comprobacion.Comprobadas());
    if (const CeldaComprobada* primera = comprobacion.PrimeraDiferencia())
        mensaje += QStringLiteral("; la primera diferencia está en ") +
                   LugarCelda(*primera, comprobacion.N);
    return mensaje;
}

QString NotaCelda(const CeldaComprobada& celda, bool conSolucion) {
    QString nota;
    switch (celda.Estado) {
    case EstadoCelda::Correcta:
        return QStringLiteral("Correcto");
    case EstadoCelda::Falta:
        nota = QStringLiteral("Falta el valor");
        break;
    case EstadoCelda::Erronea:
        nota = celda.Numero ? QStringLiteral("Incorrecto")
                            : QStringLiteral("Incorrecto: no es un número");
        break;
    }
    if (conSolucion)
        nota += QStringLiteral(" (el valor correcto es %1)").arg(FloatToStr(celda.Exacto));
    return nota;
}
