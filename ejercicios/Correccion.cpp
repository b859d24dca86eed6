// Grading one solution file.
#include "Correccion.h"

#include "Comprobacion.h"
#include "Errores.h"
#include "Ficheros.h"
#include "LecturaSolucion.h"
#include "Numeros.h"
#include "PasoCelda.h"

#include <QStringList>

LineaCorreccion CorregirSolucion(const QString& ruta, const ResultadoCalculo& exacto,
                                 double tolerancia, bool conPaso) {
    SolucionLeida leida;
    try {
        leida = LeerTextoSolucion(LeerFichero(ruta), exacto.Problema.N);
    } catch (const EInOutError& error) {
        leida.Rechazo = MensajeError(error);
    }
    if (!leida.Rechazo.isEmpty())
        return {QStringList{ruta, {}, {}, {}, leida.Rechazo}.join(u'\t'), false};

    const Comprobacion comprobacion =
        ComprobarRegistro(exacto, leida.Celdas, leida.ConCostes, tolerancia);
    const CeldaComprobada* primera = comprobacion.PrimeraDiferencia();
    const double porcentaje = 100.0 * comprobacion.Correctas / comprobacion.Comprobadas();
    QStringList campos{ruta, QString::number(comprobacion.Correctas),
                       QString::number(comprobacion.Comprobadas()), FormatoFijo(porcentaje, 15, 1),
                       primera ? LugarCelda(*primera, comprobacion.N) : QStringLiteral("ninguna")};
    if (conPaso && primera) campos << PasoCelda(exacto, primera->Columna, primera->Fila);
    return {campos.join(u'\t'), true};
}
