// An item's grid, both ways.
#include "RejillaArticulo.h"

#include "CalculoProblema.h"
#include "Errores.h"
#include "Horizonte.h"
#include "Numeros.h"
#include "RegistroTextos.h"
#include "TablaRejilla.h"

#include <algorithm>

bool CeldaDeEntrada(int columna, int fila, std::int32_t N) {
    if (fila == FilaD) return columna == 1;
    return (fila == FilaRP || fila == FilaDI) && columna >= 1 && columna <= N;
}

TextosCelda CeldasArticulo(const Proyecto& proyecto, int indice, const ResultadoCalculo* calculo) {
    const ArticuloProyecto& articulo = proyecto.Articulos.at(std::size_t(indice));
    const std::int32_t N = std::min(proyecto.N, MaxPeriodos);
    TextosCelda celdas = CeldasIniciales(N);
    celdas.PonerCelda(0, FilaDI, EtiquetaDI);
    if (calculo) MostrarResultado(*calculo, celdas);
    celdas.PonerCelda(1, FilaD, TextoEntrada(articulo.Datos.Entrada.D[1]));
    for (std::int32_t t = 1; t <= N; ++t) {
        celdas.PonerCelda(t, FilaRP, TextoEntrada(articulo.Datos.Entrada.RP[t]));
        celdas.PonerCelda(t, FilaDI, TextoEntrada(articulo.DemandaIndependiente[t]));
    }
    return celdas;
}

std::variant<ArticuloProyecto, QString>
EntradasDeRejilla(const ArticuloProyecto& articulo, const TextosCelda& celdas, std::int32_t N) {
    ArticuloProyecto leido = articulo;
    QString fallo;
    const auto leer = [&](int columna, int fila, double& destino) {
        if (!fallo.isEmpty()) return;
        const QString texto = celdas.Celda(columna, fila);
        try {
            destino = texto.isEmpty() ? 0.0 : StrToFloat(texto);
        } catch (const EConvertError&) {
            fallo = QStringLiteral("%1, período %2: «%3» no es un número.")
                        .arg(celdas.Celda(0, fila))
                        .arg(columna)
                        .arg(texto);
        }
    };
    N = std::min(N, MaxPeriodos);
    leer(1, FilaD, leido.Datos.Entrada.D[1]);
    for (std::int32_t t = 1; t <= N; ++t) {
        leer(t, FilaRP, leido.Datos.Entrada.RP[t]);
        leer(t, FilaDI, leido.DemandaIndependiente[t]);
    }
    if (!fallo.isEmpty()) return fallo;
    return leido;
}
