// The .mrp file: what the program writes it reads back, what other tools may leave out, and
// every fault refused with where it is.
#include "AyudasProyecto.h"
#include "ErroresProyecto.h"
#include "FicheroProyecto.h"
#include "Ficheros.h"
#include "MensajeDe.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(FicheroProyecto, LoEscritoSeLeeIgual) {
    ArticuloProyecto a = ArticuloDePrueba("A-1", 7, {0.1, 1e20, -3}, {{"b_2", 0.25}});
    a.Descripcion = QStringLiteral("Tablero \"grande\" de haya\\ñ");
    a.Datos.TS = 2;
    a.Datos.SS = 4;
    a.Datos.CE = 12.5;
    a.Datos.CP = 1.0 / 3;
    a.Datos.Entrada.D[1] = 2.75;
    a.Datos.Entrada.RP[3] = 8;
    Proyecto proyecto = ProyectoDePrueba(3, {a, ArticuloDePrueba("b_2")});
    proyecto.Redondear = false;

    QTemporaryDir carpeta;
    const QString ruta = carpeta.filePath(QStringLiteral("p.mrp"));
    GuardarProyecto(ruta, proyecto);
    EXPECT_EQ(AbrirProyecto(ruta), proyecto);
    EXPECT_TRUE(LeerFichero(ruta).contains("\"costePosesion\": 0.3333333333333333,"));
}

// Other tools may leave out the description, the rows, the components, the initial stock and the
// rounding; rows shorter than the horizon are padded with zeros.
TEST(FicheroProyecto, ClavesQuePuedenFaltar) {
    const Proyecto leido = LeerTextoProyecto(
        R"({"formato": "quelmar-proyecto-mrp", "version": 1, "periodos": 3, "articulos": [
             {"codigo": "A", "tiempoSuministro": 1, "stockSeguridad": 0, "costeEmision": 5,
              "costePosesion": 1, "lotificacion": 2, "demandaIndependiente": [4]}]})");
    ArticuloProyecto a = ArticuloDePrueba("A", 2, {4});
    a.Datos.TS = 1;
    a.Datos.CE = 5;
    EXPECT_EQ(leido, ProyectoDePrueba(3, {a}));
    EXPECT_TRUE(leido.Redondear);
}

TEST(FicheroProyecto, CadaFaltaDiceDondeEsta) {
    const QByteArray cabecera =
        R"({"formato": "quelmar-proyecto-mrp", "version": 1, "periodos": 2, )";
    const QByteArray articulo =
        R"("tiempoSuministro": 1, "stockSeguridad": 0, "costeEmision": 5, "costePosesion": 1, )"
        R"("lotificacion": 0)";
    const auto conArticulo = [&](const QByteArray& claves) {
        return cabecera + R"("articulos": [{"codigo": "A", )" + claves + "}]}";
    };
    const std::pair<QByteArray, std::string> casos[] = {
        {"", "El fichero no es JSON válido (línea 1, columna 1): un valor no válido"},
        {"{\"formato\": \"quelmar-proyecto-mrp\",\n  \"version\": 1\n  \"periodos\": 2}",
         "El fichero no es JSON válido (línea 3, columna 4): se esperaba una coma o el «}» que "
         "cierra el objeto"},
        {"[1, 2]", "Proyecto: ha de ser un objeto JSON"},
        {R"({"formato": "otro", "version": 1})",
         "Proyecto: «formato» ha de ser «quelmar-proyecto-mrp»"},
        {R"({"formato": "quelmar-proyecto-mrp", "version": 2})",
         "Proyecto: la versión 2 no se puede leer; este programa lee la 1"},
        {cabecera + R"("redondear": "sí", "articulos": []})",
         "Proyecto: «redondear» ha de ser true o false"},
        {cabecera + R"("articulos": [], "autor": "x"})", "Proyecto: clave desconocida «autor»"},
        {cabecera + "\"redondear\": true}", "Proyecto: falta la clave «articulos»"},
        {cabecera + R"("articulos": [7]})", "Artículo nº 1: ha de ser un objeto"},
        {cabecera + R"("articulos": [{"codigo": 3}]})",
         "Artículo nº 1: «codigo» ha de ser un texto"},
        {conArticulo(R"("tiempoSuministro": 1)"), "Artículo «A»: falta la clave «stockSeguridad»"},
        {conArticulo(articulo + R"(, "coste": 1)"), "Artículo «A»: clave desconocida «coste»"},
        {conArticulo(
             QByteArray(articulo).replace("\"tiempoSuministro\": 1", "\"tiempoSuministro\": 1.5")),
         "Artículo «A»: «tiempoSuministro» ha de ser un número entero"},
        {conArticulo(
             QByteArray(articulo).replace("\"costeEmision\": 5", "\"costeEmision\": \"5\"")),
         "Artículo «A»: «costeEmision» ha de ser un número"},
        {conArticulo(articulo + R"(, "demandaIndependiente": [1, 2, 3])"),
         "Artículo «A»: «demandaIndependiente» tiene 3 valores, más que los 2 períodos del "
         "proyecto"},
        {conArticulo(articulo + R"(, "recepcionesProgramadas": [1, null])"),
         "Artículo «A»: el valor nº 2 de «recepcionesProgramadas» ha de ser un número"},
        {conArticulo(articulo + R"(, "componentes": [{"codigo": "B"}])"),
         "Artículo «A», componente nº 1: falta la clave «cantidad»"},
        {conArticulo(articulo + R"(, "componentes": [{"codigo": "B", "cantidad": 1, "u": 2}])"),
         "Artículo «A», componente nº 1: clave desconocida «u»"},
    };
    for (const auto& [texto, mensaje] : casos) {
        SCOPED_TRACE(texto.toStdString());
        EXPECT_EQ(MensajeDe([&] { LeerTextoProyecto(texto); }), mensaje);
    }
    // What is left to the checks of the project reads as it is: here a horizon of 100.
    EXPECT_EQ(
        LeerTextoProyecto(conArticulo(articulo).replace("\"periodos\": 2", "\"periodos\": 100")).N,
        100);
}

} // namespace
