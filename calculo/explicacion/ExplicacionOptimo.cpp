// The optimum, explained.
#include "ExplicacionOptimo.h"

#include "Redaccion.h"
#include "TextosLotificacion.h"

#include <algorithm>
#include <map>

using namespace redaccion;

namespace {

// Up to this many starts the report shows the whole triangular table; beyond it, only the rows of
// the plan's starts, which are what a reader follows.
constexpr std::size_t InicioEnteros = 20;

// The triangular table: a row per start, a column per last period a lot can cover, the way on
// from each cell; the plan's lots highlighted.
BloqueExplicacion Triangulo(const Cifras& N,
                            const std::vector<CandidatoOptimoExplicado>& candidatos,
                            const std::vector<LoteOptimoExplicado>& lotes) {
    std::map<int, std::map<int, double>> celdas; // by start, then by end
    std::vector<int> fines;
    for (const CandidatoOptimoExplicado& c : candidatos) {
        celdas[c.Inicio][c.Fin] = c.Coste;
        fines.push_back(c.Fin);
    }
    std::sort(fines.begin(), fines.end());
    fines.erase(std::unique(fines.begin(), fines.end()), fines.end());

    BloqueExplicacion bloque;
    bloque.Titulo = QStringLiteral("Tabla de costes del plan óptimo");
    bloque.Parrafos << QStringLiteral(
                           "Cada fila es un inicio k en que puede empezar un lote, y cada columna, "
                           "el último periodo j que ese lote cubre. La celda es CE más la posesión "
                           "de lo que el lote guarda para periodos posteriores más el coste mínimo "
                           "desde el inicio siguiente a j; el menor de cada fila es el coste "
                           "mínimo desde k.")
                    << QStringLiteral(
                           "Una celda vacía es un lote que la búsqueda no prueba: guardar la "
                           "subida de un inicio posterior costaría más que pedir de nuevo allí. "
                           "Resaltado, el camino del plan: desde el primer inicio, el lote elegido "
                           "en cada inicio lleva al siguiente.");
    bloque.Cabecera << QStringLiteral("k \\ j");
    for (const int fin : fines) bloque.Cabecera << E(fin);
    std::vector<bool> delPlan;
    for (const auto& [inicio, costes] : celdas) {
        QStringList fila{E(inicio)};
        for (const int fin : fines) {
            const auto coste = costes.find(fin);
            fila << (coste != costes.end() ? N(coste->second) : QString());
        }
        bool enPlan = false;
        for (const LoteOptimoExplicado& lote : lotes) {
            if (lote.Recepcion != inicio) continue;
            enPlan = true;
            const auto columna = std::find(fines.begin(), fines.end(), lote.Fin);
            if (columna != fines.end())
                bloque.CeldasDestacadas.emplace_back(bloque.Filas.size(),
                                                     std::size_t(columna - fines.begin()) + 1);
        }
        delPlan.push_back(enPlan);
        bloque.Filas.push_back(std::move(fila));
    }
    if (bloque.Filas.size() <= InicioEnteros) return bloque;
    for (std::size_t f = 0; f < delPlan.size();) {
        std::size_t hasta = f;
        while (hasta < delPlan.size() && !delPlan[hasta]) ++hasta;
        if (hasta > f) bloque.Omitibles.push_back({f, hasta, QString()});
        f = hasta + 1;
    }
    bloque.Notas << QStringLiteral("En el informe, de sus %1 filas se muestran solo las %2 de los "
                                   "inicios del plan.")
                        .arg(bloque.Filas.size())
                        .arg(lotes.size());
    return bloque;
}

} // namespace

// The costs on are heard from the last start back.
void ExplicacionOptimo::Oir(const SucesoOido& suceso) {
    if (const auto* candidato = suceso.Como<SucesoCandidatoOptimo>())
        Candidatos.push_back(*candidato);
    else if (const auto* desde = suceso.Como<SucesoCosteDesde>())
        CostesDesde.insert(CostesDesde.begin(), *desde);
    else if (const auto* lote = suceso.Como<SucesoLoteOptimo>())
        LotesOptimos.push_back(*lote);
}

void ExplicacionOptimo::Redactar(const Articulo& /*articulo*/, TipoLotificacion metodo,
                                 const Cifras& N, Bloques& bloques) const {
    BloqueExplicacion costes;
    costes.Titulo = TextoLotificacion(metodo);
    costes.Parrafos
        << QStringLiteral("Un lote puede empezar en cada periodo, después del plazo de suministro, "
                          "en que crece la necesidad neta acumulada. Desde el último de esos "
                          "periodos hacia atrás, se calcula para cada uno el coste mínimo de "
                          "cubrir el resto del horizonte: el menor, entre los finales posibles "
                          "del lote que empieza allí, de CE más el coste de posesión de lo que "
                          "ese lote guarda para periodos posteriores más el coste mínimo desde el "
                          "inicio siguiente.")
        << QStringLiteral("No cuenta la posesión que todos los planes pagan por igual, como la "
                          "del stock inicial.");
    if (CostesDesde.empty()) {
        costes.Notas << QStringLiteral("Ninguna necesidad neta puede recibirse después del plazo "
                                       "de suministro: el plan no pide nada.");
        bloques.push_back(std::move(costes));
        return;
    }
    costes.Cabecera = {QStringLiteral("Inicio"), QStringLiteral("Coste mínimo hasta el final"),
                       QStringLiteral("Fin del lote que empieza"), QStringLiteral("En el plan")};
    for (const CosteDesdeExplicado& desde : CostesDesde) {
        bool usado = false;
        for (const LoteOptimoExplicado& lote : LotesOptimos)
            usado = usado || lote.Recepcion == desde.Periodo;
        costes.Filas.push_back({E(desde.Periodo), N(desde.Coste), E(desde.Fin),
                                usado ? QStringLiteral("sí") : QStringLiteral("no")});
        costes.Destacadas.push_back(usado);
    }
    bloques.push_back(std::move(costes));
    bloques.push_back(Triangulo(N, Candidatos, LotesOptimos));

    BloqueExplicacion lotes;
    lotes.Titulo = QStringLiteral("Lotes del plan óptimo");
    lotes.Parrafos << QStringLiteral("Desde el primer inicio, cada lote llega hasta el fin elegido "
                                     "y el siguiente empieza después.");
    lotes.Cabecera = {QStringLiteral("Recepción"), QStringLiteral("Emisión en"),
                      QStringLiteral("Cubre"), QStringLiteral("Cantidad")};
    for (const LoteOptimoExplicado& lote : LotesOptimos)
        lotes.Filas.push_back({E(lote.Recepcion), E(lote.Emision),
                               Ventana(lote.Recepcion, lote.Fin), N(lote.Cantidad)});
    bloques.push_back(std::move(lotes));
}
