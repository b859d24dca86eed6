// The worked example as the main window holds it, for the report: the fields' texts and the grid's
// inputs, calculated or not.
#pragma once

#include "ArticuloDeTextos.h"
#include "CalculoProblema.h"
#include "ContenidoInforme.h"
#include "TablaRejilla.h"

#include <QStringList>

#include <gtest/gtest.h>

inline EntradaInforme EntradaEjemplo() {
    EntradaInforme entrada;
    entrada.Problema.CE = QStringLiteral("100");
    entrada.Problema.CP = QStringLiteral("1");
    entrada.Celdas = CeldasIniciales(8);
    const QStringList necesidades = {"50", "60", "70", "60", "95", "75", "60", "55"};
    for (int c = 1; c <= 8; ++c) entrada.Celdas.PonerCelda(c, FilaNB, necesidades[c - 1]);
    entrada.Celdas.PonerCelda(1, FilaD, QStringLiteral("60"));
    return entrada;
}

// "Calcular" on the entry's problem, which it leaves as the window would: the grid rewritten, the
// method chosen by "Mejor de las anteriores" selected.
inline void Calcular(EntradaInforme& entrada) {
    entrada.Calculo = ComandoCalcular(entrada.Problema, entrada.Celdas, [](const QString& aviso) {
        ADD_FAILURE() << aviso.toStdString();
    });
}

// The report as the window makes it, which tells it whether its problem is still the calculated
// one.
inline ContenidoInforme InformeDeLaVentana(EntradaInforme entrada) {
    if (entrada.Calculo)
        entrada.DatosCambiados =
            ProblemaCambiado(entrada.Problema, entrada.Celdas, *entrada.Calculo);
    return ConstruirInforme(entrada);
}
