// The report of a project as data: its sections in order, the structure indented by depth.
#include "FicheroProyecto.h"
#include "InformeProyecto.h"

#include <gtest/gtest.h>

namespace {

QString Titulo(const SeccionInforme& seccion) {
    return std::visit(
        [](const auto& s) -> QString {
            if constexpr (requires { s.Titulo; })
                return s.Titulo;
            else
                return QStringLiteral("(destacada)");
        },
        seccion);
}

TEST(InformeProyecto, EstructuraCostesPoliticasYCadaArticuloPorNiveles) {
    const Proyecto mesa = ProyectoEjemplo();
    const ResultadoProyecto resultado = Explotar(mesa);
    const ContenidoInforme informe = ConstruirInformeProyecto(
        mesa, resultado, CompararPoliticas(mesa), {QStringLiteral("/aula/mesa.mrp"), false});
    EXPECT_EQ(informe.Subtitulo, "Proyecto: mesa.mrp");

    QStringList titulos;
    for (const SeccionInforme& seccion : informe.Secciones) titulos << Titulo(seccion);
    QStringList esperados = {"Datos del proyecto",
                             "Estructura del producto",
                             "Costes del proyecto",
                             "(destacada)",
                             "Resumen por artículo",
                             "Políticas comparadas",
                             ""};
    const std::pair<QString, QString> articulos[] = {
        {"MESA", "Mesa"}, {"TABLERO", "Tablero"}, {"PATA", "Pata"}, {"BARRA", "Barra de madera"}};
    for (const auto& [codigo, descripcion] : articulos)
        esperados << "Artículo " + codigo + ": " + descripcion << "Registro MRP de " + codigo
                  << "(destacada)"
                  << "Gráfico del plan de " + codigo;
    EXPECT_EQ(titulos, esperados);

    const auto& estructura = std::get<SeccionTabla>(informe.Secciones[1]);
    QStringList codigos;
    for (const QStringList& fila : estructura.Filas) codigos << fila[0];
    EXPECT_EQ(codigos, (QStringList{"MESA", "\u2003\u2003TABLERO", "\u2003\u2003PATA",
                                    "\u2003\u2003\u2003\u2003BARRA"}));
    // Without the cost rows the records stop at PPL.
    EXPECT_EQ(std::get<SeccionTabla>(informe.Secciones[8]).Filas.size(), 6u);
}

} // namespace
