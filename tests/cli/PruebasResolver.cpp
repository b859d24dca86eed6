// "resolver": the solution's bytes for known problems, as the main window saves them after
// opening the problem and calculating it.
#include "AyudasCli.h"

#include <QTemporaryDir>

namespace {

const QByteArray CabeceraOcho = "\t1\t2\t3\t4\t5\t6\t7\t8\r\n";
const QByteArray EntradasEjemplo = "NB\t50\t60\t70\t60\t95\t75\t60\t55\r\n";
const QByteArray RPVacia = "RP\t0\t0\t0\t0\t0\t0\t0\t0\t0\r\n";

// The worked example under lot-for-lot: total 710.
const QByteArray SolucionLoteALote = CabeceraOcho + EntradasEjemplo +
                                     "D\t60\t10\t0\t0\t0\t0\t0\t0\r\n" + RPVacia +
                                     "NN\t0\t50\t70\t60\t95\t75\t60\t55\r\n"
                                     "RPPL\t0\t50\t70\t60\t95\t75\t60\t55\r\n"
                                     "PPL\t50\t70\t60\t95\t75\t60\t55\t0\r\n"
                                     "Ce\t100\t100\t100\t100\t100\t100\t100\t0\r\n"
                                     "Cp\t10\t0\t0\t0\t0\t0\t0\t0\r\n"
                                     "CTotal\t110\t100\t100\t100\t100\t100\t100\t0\t710\r\n";

// The POQ plan, which wins the worked example among all six: total 635.
const QByteArray FilasPOQ = CabeceraOcho + EntradasEjemplo + "D\t60\t10\t70\t0\t95\t0\t60\t0\r\n" +
                            RPVacia +
                            "NN\t0\t50\t0\t60\t0\t75\t0\t55\r\n"
                            "RPPL\t0\t120\t0\t155\t0\t135\t0\t55\r\n"
                            "PPL\t120\t0\t155\t0\t135\t0\t55\t0\r\n";
const QByteArray SolucionPOQ = FilasPOQ + "Ce\t100\t0\t100\t0\t100\t0\t100\t0\r\n"
                                          "Cp\t10\t70\t0\t95\t0\t60\t0\t0\r\n"
                                          "CTotal\t110\t70\t100\t95\t100\t60\t100\t0\t635\r\n";

// Two periods, lead time 1, no initial stock: period 1 cannot be supplied, its shortfall is
// carried into period 2 and its negative stock is charged.
const DatosProblema ProblemaConRetraso{"2", "1", "0", "12,5", "0,5", "0", "20\t30", "0\t0", "0\t0"};
const QByteArray SolucionConRetraso = "\t1\t2\r\n"
                                      "NB\t20\t30\r\n"
                                      "D\t0\t-20\r\n"
                                      "RP\t0\t0\t0\r\n"
                                      "NN\t20\t50\r\n"
                                      "RPPL\t0\t50\r\n"
                                      "PPL\t50\t0\r\n"
                                      "Ce\t12,5\t0\r\n"
                                      "Cp\t-10\t0\r\n"
                                      "CTotal\t2,5\t0\t2,5\r\n";

// 99 periods of 10 units each, lot-for-lot without lead time: the longest horizon.
DatosProblema ProblemaLargo() {
    QByteArrayList diez, ceros;
    for (int i = 0; i < 99; ++i) {
        diez.append("10");
        ceros.append("0");
    }
    return {"99", "0", "0", "3", "0,5", "0", diez.join('\t'), ceros.join('\t'), ceros.join('\t')};
}

QByteArray SolucionLarga() {
    QByteArray cabecera, nb, d = "D", rp = "RP", nn = "NN", ce = "Ce", cp = "Cp", total = "CTotal";
    nb = "NB";
    for (int periodo = 1; periodo <= 99; ++periodo) {
        cabecera += "\t" + QByteArray::number(periodo);
        nb += "\t10";
        d += "\t0";
        rp += "\t0";
        nn += "\t10";
        ce += "\t3";
        cp += "\t0";
        total += "\t3";
    }
    rp += "\t0";
    total += "\t297";
    return cabecera + "\r\n" + nb + "\r\n" + d + "\r\n" + rp + "\r\n" + nn + "\r\n" +
           QByteArray(nn).replace("NN", "RPPL") + "\r\n" + QByteArray(nn).replace("NN", "PPL") +
           "\r\n" + ce + "\r\n" + cp + "\r\n" + total + "\r\n";
}

class ResolverCli : public testing::Test {
protected:
    QTemporaryDir carpeta;

    QString Problema(const DatosProblema& datos, const QString& nombre = "p.lot") {
        const QString ruta = carpeta.filePath(nombre);
        Escribir(ruta, Lot(datos));
        return ruta;
    }
};

} // namespace

TEST_F(ResolverCli, SolucionIgualALaDeLaVentana) {
    const struct {
        const char* nombre;
        DatosProblema problema;
        QStringList opciones;
        QByteArray solucion;
        QByteArray metodo;
    } casos[] = {
        {"ejemplo_lote_a_lote", Ejemplo("0"), {}, SolucionLoteALote, "Lote a lote"},
        {"ejemplo_mejor_de_las_anteriores", Ejemplo("6"), {}, SolucionPOQ, "POQ"},
        {"ejemplo_sin_costes", Ejemplo("6"), {"--sin-costes"}, FilasPOQ, "POQ"},
        {"metodo_por_encima_de_6_es_el_mejor", Ejemplo("9"), {}, SolucionPOQ, "POQ"},
        {"retraso_por_plazo_de_suministro",
         ProblemaConRetraso,
         {},
         SolucionConRetraso,
         "Lote a lote"},
        {"noventa_y_nueve_periodos", ProblemaLargo(), {}, SolucionLarga(), "Lote a lote"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const Resultado r =
            EnProceso(QStringList{"resolver", Problema(caso.problema)} + caso.opciones);
        EXPECT_EQ(r.estado, SalidaHecho);
        EXPECT_EQ(r.salida, caso.solucion);
        EXPECT_EQ(r.errores, "Lotificación: " + caso.metodo + "\n");
    }
    EXPECT_EQ(SolucionLarga().count("\r\n"), 10);
}

// --metodo replaces the file's method; 7 is the optimum, which the file's line 6 can never name.
TEST_F(ResolverCli, MetodoDado) {
    const Resultado optimo =
        EnProceso({"resolver", Problema(Ejemplo("0")), "--metodo", "7", "--sin-costes"});
    EXPECT_EQ(optimo.estado, SalidaHecho);
    EXPECT_TRUE(optimo.salida.endsWith("\nPPL\t50\t130\t0\t170\t0\t115\t0\t0\r\n"));
    EXPECT_EQ(optimo.errores, "Lotificación: Plan óptimo (Wagner-Whitin)\n");

    const Resultado poq = EnProceso({"resolver", Problema(Ejemplo("0")), "--metodo", "2"});
    EXPECT_EQ(poq.salida, SolucionPOQ);
    EXPECT_EQ(poq.errores, "Lotificación: POQ\n");
}

// The panel's table, tab-separated; the problem is calculated as "Plan óptimo" calculates it.
TEST_F(ResolverCli, CompararLosMetodos) {
    const Resultado r = EnProceso({"comparar", Problema(Ejemplo("0"))});
    EXPECT_EQ(r.estado, SalidaHecho);
    const QStringList lineas = QString::fromUtf8(r.salida).split('\n');
    ASSERT_EQ(lineas.size(), 1 + 7 + 1);
    EXPECT_EQ(lineas[0], "Método\tCoste total\tCoste de emisión\tCoste de posesión\tPedidos\t"
                         "% sobre el óptimo");
    EXPECT_EQ(lineas[1], "Lote a lote\t710\t700\t10\t7\t18,3");
    EXPECT_EQ(lineas[7], "Plan óptimo (Wagner-Whitin)\t600\t400\t200\t4\t0,0");

    DatosProblema costeCero = Ejemplo("0");
    costeCero.CP = "0";
    const Resultado aviso = EnProceso({"comparar", Problema(costeCero)});
    EXPECT_EQ(aviso.estado, SalidaAviso);
    EXPECT_EQ(aviso.errores,
              "Especifique valores distintos de 0 para los costes de emisión y posesión\n");
}

TEST_F(ResolverCli, SolucionAlFicheroIndicado) {
    const QString solucion = carpeta.filePath("s.sol");
    Escribir(solucion, "contenido anterior");
    const Resultado r = EnProceso({"resolver", Problema(Ejemplo("0")), "-o", solucion});
    EXPECT_EQ(r.estado, SalidaHecho);
    EXPECT_EQ(r.salida, "");
    EXPECT_EQ(Leer(solucion), SolucionLoteALote);
}

// The notice of the method used is not worth failing for: a solution written is a success, even
// with standard error full.
TEST_F(ResolverCli, UnAvisoQueNoSePuedeEscribirNoEsUnFallo) {
    std::ostringstream salida;
    std::ostream errores(nullptr); // every write fails
    const QString solucion = carpeta.filePath("s.sol");
    const QStringList orden{"resolver", Problema(Ejemplo("0")), "-o", solucion};
    EXPECT_EQ(EjecutarPrograma(orden, Consola{salida, errores}), SalidaHecho);
    EXPECT_EQ(Leer(solucion), SolucionLoteALote);
}

// Rounding is on, as the window starts, unless asked otherwise: EOQ then uses the exact quantity.
TEST_F(ResolverCli, RedondeoDeLaCantidadEconomica) {
    const QString ruta = Problema(Ejemplo("1"));
    const Resultado redondeado = EnProceso({"resolver", ruta});
    EXPECT_TRUE(redondeado.salida.contains("\nPPL\t115\t115\t0\t115\t115\t0\t115\t0\r\n"));
    EXPECT_TRUE(redondeado.salida.endsWith("\t1075\r\n"));
    const Resultado exacto = EnProceso({"resolver", ruta, "--sin-redondeo"});
    EXPECT_EQ(exacto.estado, SalidaHecho);
    EXPECT_TRUE(exacto.salida.contains("\nRPPL\t0\t114,564392373896\t114,564392373896\t0\t"));
    EXPECT_EQ(exacto.errores, "Lotificación: EOQ\n");
}

// A line 6 below -1 leaves no method selected: the engine plans nothing and no method is named.
TEST_F(ResolverCli, SinMetodoSeleccionado) {
    const Resultado r = EnProceso({"resolver", Problema(Ejemplo("-4"))});
    EXPECT_EQ(r.estado, SalidaHecho);
    EXPECT_TRUE(r.salida.contains("\nNN\t0\t0\t0\t0\t0\t0\t0\t0\r\n"));
    EXPECT_TRUE(r.salida.endsWith("\nCTotal\t0\t0\t0\t0\t0\t0\t0\t0\t0\r\n"));
    EXPECT_EQ(r.errores, "");
}

TEST_F(ResolverCli, AvisosYErrores) {
    DatosProblema sinNecesidad = Ejemplo("0");
    sinNecesidad.NB = "0\t0\t0\t0\t0\t0\t0\t0";
    DatosProblema costeCero = Ejemplo("3");
    costeCero.CP = "0";
    DatosProblema ambos = sinNecesidad;
    ambos.Metodo = "2";
    ambos.CE = "0";
    DatosProblema largo = Ejemplo("0");
    largo.N = "100";
    DatosProblema negativo = Ejemplo("0");
    negativo.N = "-1";
    DatosProblema plazoNegativo = Ejemplo("0");
    plazoNegativo.TS = "-2";
    DatosProblema celdaMala = Ejemplo("0");
    celdaMala.RP = "0\t0\tx\t0\t0\t0\t0\t0";
    DatosProblema metodoMalo = Ejemplo("POQ");
    DatosProblema divisionPorCero = Ejemplo("1");
    divisionPorCero.CP = "0,0"; // passes the text check, then fails in the engine
    DatosProblema celdaConNul = Ejemplo("0");
    celdaConNul.NB = QByteArray("5\0x\t0\t0\t0\t0\t0\t0\t0", 17);

    const QByteArray necesidad = "Especifique algún valor de necesidad bruta para resolver.\n";
    const QByteArray costes =
        "Especifique valores distintos de 0 para los costes de emisión y posesión\n";
    const QByteArray periodos = "Especifique un número de períodos entre 1 y 99.\n";
    const struct {
        const char* nombre;
        DatosProblema problema;
        int estado;
        QByteArray errores;
    } casos[] = {
        {"sin_necesidad_bruta", sinNecesidad, SalidaAviso, necesidad},
        {"coste_cero_con_otro_metodo", costeCero, SalidaAviso, costes},
        {"los_dos_avisos_en_orden", ambos, SalidaAviso, costes + necesidad},
        {"horizonte_de_cien", largo, SalidaAviso, periodos},
        {"horizonte_negativo", negativo, SalidaAviso, periodos},
        {"plazo_negativo", plazoNegativo, SalidaAviso,
         "Especifique un tiempo de suministro mayor o igual que 0.\n"},
        {"celda_que_no_es_numero", celdaMala, SalidaError,
         "'x' is not a valid floating point value\n"},
        {"metodo_que_no_es_entero", metodoMalo, SalidaError,
         "''POQ'' is not a valid integer value\n"},
        {"coste_de_posesion_nulo_en_eoq", divisionPorCero, SalidaError,
         "Floating point division by zero\n"},
        {"celda_con_nul_entera_en_el_mensaje", celdaConNul, SalidaError,
         QByteArray("'5\0x' is not a valid floating point value\n", 42)},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const QString solucion = carpeta.filePath("s.sol");
        QFile::remove(solucion);
        const Resultado r = EnProceso({"resolver", Problema(caso.problema), "-o", solucion});
        EXPECT_EQ(r.estado, caso.estado);
        EXPECT_EQ(r.errores, caso.errores);
        EXPECT_EQ(r.salida, "");
        EXPECT_FALSE(QFile::exists(solucion)) << "nothing is saved after a refused calculation";
    }
}

// --explicar: the explanation on standard output, the solution only in its file.
TEST_F(ResolverCli, ExplicarElCalculo) {
    const QString solucion = carpeta.filePath("s.sol");
    const Resultado r =
        EnProceso({"resolver", Problema(Ejemplo("6")), "--explicar", "-o", solucion});
    EXPECT_EQ(r.estado, SalidaHecho);
    EXPECT_EQ(Leer(solucion), SolucionPOQ);
    EXPECT_EQ(r.errores, "Lotificación: POQ\n");
    const QStringList lineas = QString::fromUtf8(r.salida).split('\n');
    EXPECT_EQ(lineas.mid(0, 2), QStringList({"Datos", "Lotificación: Mejor de las anteriores"}));
    EXPECT_TRUE(lineas.contains("POQ\t635\tNuevo mejor: elegido"));
    EXPECT_TRUE(lineas.contains("1–2\t50 (periodo 1) + 70 (periodo 2)\t120\t1"));
    EXPECT_EQ(lineas.mid(lineas.size() - 3),
              QStringList({"Resultado", "Coste total del plan: 635.", ""}));

    const Resultado sinFichero = EnProceso({"resolver", Problema(Ejemplo("0")), "--explicar"});
    EXPECT_EQ(sinFichero.estado, SalidaHecho);
    EXPECT_FALSE(sinFichero.salida.contains("CTotal"));
    EXPECT_TRUE(sinFichero.salida.contains("\n2\t50\t50\t1\n"));
}
