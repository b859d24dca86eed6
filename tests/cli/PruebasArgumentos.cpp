// The command line: the orders it accepts and the message of every usage error.
#include "Argumentos.h"

#include <gtest/gtest.h>

#include <string>

namespace {

Orden Leer(const char* linea) {
    return LeerArgumentos(QString::fromUtf8(linea).split(u' ', Qt::SkipEmptyParts));
}

std::string MensajeUso(const QStringList& argumentos) {
    try {
        LeerArgumentos(argumentos);
    } catch (const ErrorUso& error) {
        return error.what();
    }
    return "(aceptada)";
}

} // namespace

TEST(ArgumentosCli, ResolverConSusOpciones) {
    const struct {
        const char* nombre;
        const char* linea;
        const char* problema;
        const char* salida; // nullptr: standard output
        bool verCostes, redondear;
    } casos[] = {
        {"solo_el_problema", "resolver p.lot", "p.lot", nullptr, true, true},
        {"todas_las_opciones_en_cualquier_orden",
         "resolver -o s.sol --sin-redondeo p.lot --sin-costes", "p.lot", "s.sol", false, false},
        {"valor_que_empieza_por_guion", "resolver p.lot -o -s.sol", "p.lot", "-s.sol", true, true},
        {"problema_tras_doble_guion", "resolver --sin-costes -- -p.lot", "-p.lot", nullptr, false,
         true},
        {"guion_solo_es_un_nombre", "resolver -", "-", nullptr, true, true},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        const Orden orden = Leer(caso.linea);
        const auto* resolver = std::get_if<OrdenResolver>(&orden);
        ASSERT_NE(resolver, nullptr);
        EXPECT_EQ(resolver->problema, caso.problema);
        EXPECT_EQ(resolver->salida.has_value(), caso.salida != nullptr);
        if (caso.salida) {
            EXPECT_EQ(resolver->salida.value_or(""), caso.salida);
        }
        EXPECT_EQ(resolver->verCostes, caso.verCostes);
        EXPECT_EQ(resolver->redondear, caso.redondear);
    }
}

TEST(ArgumentosCli, MetodoDeResolverYComparar) {
    for (const TipoLotificacion metodo : {0, 6, 7}) {
        const Orden orden = Leer(QStringLiteral("resolver p.lot --metodo %1").arg(metodo).toUtf8());
        EXPECT_EQ(std::get<OrdenResolver>(orden).metodo, metodo);
    }
    EXPECT_FALSE(std::get<OrdenResolver>(Leer("resolver p.lot")).metodo);

    const OrdenComparar comparar = std::get<OrdenComparar>(Leer("comparar --sin-redondeo p.lot"));
    EXPECT_EQ(comparar.problema, "p.lot");
    EXPECT_FALSE(comparar.redondear);
    EXPECT_TRUE(std::get<OrdenComparar>(Leer("comparar p.lot")).redondear);

    EXPECT_TRUE(std::get<OrdenExperimentos>(Leer("experimentos --traza t --optimo")).optimo);
    EXPECT_FALSE(std::get<OrdenExperimentos>(Leer("experimentos --traza t")).optimo);
}

// "informe" takes the options of "resolver", its PDF named with -o.
TEST(ArgumentosCli, InformeConSusOpciones) {
    OrdenInforme informe = std::get<OrdenInforme>(Leer("informe p.lot -o i.pdf"));
    EXPECT_EQ(informe.problema, "p.lot");
    EXPECT_EQ(informe.salida, "i.pdf");
    EXPECT_TRUE(informe.verCostes);
    EXPECT_TRUE(informe.redondear);
    EXPECT_FALSE(informe.metodo);
    informe = std::get<OrdenInforme>(
        Leer("informe --metodo 7 --sin-costes -o i.pdf --sin-redondeo --explicar p.lot"));
    EXPECT_EQ(informe.problema, "p.lot");
    EXPECT_TRUE(informe.explicar);
    EXPECT_FALSE(informe.verCostes);
    EXPECT_FALSE(informe.redondear);
    EXPECT_EQ(informe.metodo, 7);
    EXPECT_TRUE(std::holds_alternative<OrdenAyuda>(Leer("informe --help")));
}

// The report's choices, as its dialog has them: sections turned from their default, decimals and
// the cover's lines; --explicar is the explanation's section.
TEST(ArgumentosCli, InformeConLaEleccionDelDialogo) {
    EXPECT_EQ(std::get<OrdenInforme>(Leer("informe p.lot -o i.pdf")).eleccion, EleccionInforme());
    const OrdenInforme informe = std::get<OrdenInforme>(
        Leer("informe p.lot -o i.pdf --sin-datos --sin-grafico --comparar --explicar "
             "--decimales 0 --alumno Ana --fecha=2026-12-09"));
    EleccionInforme esperada;
    esperada.ConDatos = esperada.ConGrafico = false;
    esperada.ConComparacion = esperada.ConExplicacion = true;
    esperada.Decimales = 0;
    esperada.Alumno = "Ana";
    esperada.Fecha = "2026-12-09";
    EXPECT_EQ(informe.eleccion, esperada);
    EXPECT_TRUE(informe.explicar);
}

TEST(ArgumentosCli, ExperimentosConSemillaYCampos) {
    const Orden orden =
        Leer("experimentos --semilla 4294967295 --TsMin -1 --traza t.txt --NExp=5 --CEMin 2,5");
    const auto* experimentos = std::get_if<OrdenExperimentos>(&orden);
    ASSERT_NE(experimentos, nullptr);
    EXPECT_EQ(experimentos->traza, "t.txt");
    EXPECT_EQ(experimentos->semilla, 4294967295u);
    TextosExperimento esperado = TextosExperimento::PorDefecto();
    esperado.TsMin = "-1";
    esperado.NExp = "5";
    esperado.CEMin = "2,5";
    EXPECT_EQ(TextosConCampos(experimentos->campos), esperado);

    const Orden sinSemilla = Leer("experimentos --traza t.txt --semilla 007");
    EXPECT_EQ(std::get<OrdenExperimentos>(sinSemilla).semilla, 7u);
    EXPECT_FALSE(std::get<OrdenExperimentos>(Leer("experimentos --traza t")).semilla);
}

// Each option reaches its own field and no other; the rest keep the window's defaults.
TEST(ArgumentosCli, CadaOpcionLlenaSuCampo) {
    const TextosExperimento defecto = TextosExperimento::PorDefecto();
    EXPECT_EQ(defecto.EProbNB, "0,5");
    const struct {
        const char* opcion;
        QString TextosExperimento::*campo;
    } opciones[] = {
        {"--NPMin", &TextosExperimento::NPMin},     {"--NPMax", &TextosExperimento::NPMax},
        {"--NBMin", &TextosExperimento::NBMin},     {"--NBMax", &TextosExperimento::NBMax},
        {"--EProbNB", &TextosExperimento::EProbNB}, {"--TsMin", &TextosExperimento::TsMin},
        {"--TsMax", &TextosExperimento::TsMax},     {"--CEMin", &TextosExperimento::CEMin},
        {"--CeMax", &TextosExperimento::CeMax},     {"--CECpMin", &TextosExperimento::CECpMin},
        {"--CeCpMax", &TextosExperimento::CeCpMax}, {"--NExp", &TextosExperimento::NExp},
    };
    for (const auto& [opcion, campo] : opciones) {
        SCOPED_TRACE(opcion);
        const Orden orden = LeerArgumentos({"experimentos", "--traza", "t", opcion, "texto"});
        TextosExperimento esperado = defecto;
        esperado.*campo = "texto";
        EXPECT_EQ(TextosConCampos(std::get<OrdenExperimentos>(orden).campos), esperado);
    }
}

TEST(ArgumentosCli, AyudaYVersion) {
    EXPECT_TRUE(std::holds_alternative<OrdenAyuda>(Leer("--help")));
    EXPECT_TRUE(std::holds_alternative<OrdenAyuda>(Leer("resolver --help")));
    EXPECT_TRUE(std::holds_alternative<OrdenAyuda>(Leer("experimentos --help")));
    EXPECT_TRUE(std::holds_alternative<OrdenVersion>(Leer("--version")));
    // A value is taken as it is, even when it reads like an option.
    EXPECT_TRUE(std::holds_alternative<OrdenResolver>(Leer("resolver p.lot -o --help")));
}

TEST(ArgumentosCli, ErroresDeUso) {
    const struct {
        const char* nombre;
        QStringList argumentos;
        const char* mensaje;
    } casos[] = {
        {"sin_nada", {}, "falta la orden"},
        {"orden_desconocida", {"calcular", "p.lot"}, "orden desconocida «calcular»"},
        {"version_con_argumentos", {"--version", "x"}, "sobra el argumento «x»"},
        {"ayuda_con_argumentos", {"--help", "x"}, "sobra el argumento «x»"},
        {"opcion_antes_de_la_orden",
         {"--sin-costes", "resolver"},
         "orden desconocida «--sin-costes»"},
        {"resolver_sin_problema", {"resolver", "--sin-costes"}, "falta el fichero del problema"},
        {"resolver_solo_doble_guion", {"resolver", "--"}, "falta el fichero del problema"},
        {"resolver_dos_problemas", {"resolver", "a.lot", "b.lot"}, "sobra el argumento «b.lot»"},
        {"salida_sin_valor", {"resolver", "a.lot", "-o"}, "falta el valor de «-o»"},
        {"salida_repetida", {"resolver", "a.lot", "-o", "x", "-o", "y"}, "opción repetida «-o»"},
        {"opcion_desconocida", {"resolver", "a.lot", "--costes"}, "opción desconocida «--costes»"},
        {"opcion_corta_desconocida", {"resolver", "a.lot", "-x"}, "opción desconocida «-x»"},
        {"casilla_con_valor",
         {"resolver", "a.lot", "--sin-costes=no"},
         "la opción «--sin-costes» no lleva valor"},
        {"campo_de_experimentos_en_resolver",
         {"resolver", "a.lot", "--NExp", "3"},
         "opción desconocida «--NExp»"},
        {"experimentos_sin_traza", {"experimentos", "--NExp", "3"}, "falta la opción «--traza»"},
        {"traza_sin_valor", {"experimentos", "--traza"}, "falta el valor de «--traza»"},
        {"experimentos_con_posicional",
         {"experimentos", "--traza", "t", "p.lot"},
         "sobra el argumento «p.lot»"},
        {"campo_en_minusculas",
         {"experimentos", "--traza", "t", "--npmin", "3"},
         "opción desconocida «--npmin»"},
        {"campo_repetido",
         {"experimentos", "--traza", "t", "--NExp", "1", "--NExp=2"},
         "opción repetida «--NExp»"},
        {"traza_repetida",
         {"experimentos", "--traza", "t", "--traza", "u"},
         "opción repetida «--traza»"},
        {"campo_sin_valor",
         {"experimentos", "--traza", "t", "--NExp"},
         "falta el valor de «--NExp»"},
        {"metodo_fuera_de_la_tabla",
         {"resolver", "a.lot", "--metodo", "8"},
         "el método ha de ser un código de 0 a 7, no «8»"},
        {"metodo_negativo",
         {"resolver", "a.lot", "--metodo=-1"},
         "el método ha de ser un código de 0 a 7, no «-1»"},
        {"metodo_que_no_es_numero",
         {"resolver", "a.lot", "--metodo", "POQ"},
         "el método ha de ser un código de 0 a 7, no «POQ»"},
        {"metodo_repetido",
         {"resolver", "a.lot", "--metodo", "1", "--metodo", "2"},
         "opción repetida «--metodo»"},
        {"informe_sin_pdf", {"informe", "a.lot"}, "falta la opción «-o»"},
        {"informe_sin_problema", {"informe", "-o", "i.pdf"}, "falta el fichero del problema"},
        {"informe_con_dos_pdf",
         {"informe", "a.lot", "-o", "i.pdf", "-o", "j.pdf"},
         "opción repetida «-o»"},
        {"decimales_de_mas",
         {"informe", "a.lot", "-o", "i.pdf", "--decimales", "7"},
         "los decimales han de ser un entero de 0 a 6, no «7»"},
        {"decimales_que_no_son_numero",
         {"informe", "a.lot", "-o", "i.pdf", "--decimales=dos"},
         "los decimales han de ser un entero de 0 a 6, no «dos»"},
        {"alumno_repetido",
         {"informe", "a.lot", "-o", "i.pdf", "--alumno", "A", "--alumno", "B"},
         "opción repetida «--alumno»"},
        {"seccion_de_informe_en_resolver",
         {"resolver", "a.lot", "--comparar"},
         "opción desconocida «--comparar»"},
        {"comparar_sin_problema", {"comparar"}, "falta el fichero del problema"},
        {"comparar_con_metodo",
         {"comparar", "a.lot", "--metodo", "1"},
         "opción desconocida «--metodo»"},
        {"optimo_con_valor",
         {"experimentos", "--traza", "t", "--optimo=si"},
         "la opción «--optimo» no lleva valor"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        EXPECT_EQ(MensajeUso(caso.argumentos), caso.mensaje);
    }
}

TEST(ArgumentosCli, SemillaDeTreintaYDosBitsSinSigno) {
    for (const char* semilla :
         {"-1", "+5", "4294967296", "99999999999999999999", "12a", "", " 3", "0x10", "1e3"}) {
        SCOPED_TRACE(semilla);
        const std::string mensaje =
            MensajeUso({"experimentos", "--traza", "t", "--semilla", semilla});
        EXPECT_EQ(mensaje,
                  QStringLiteral("la semilla ha de ser un entero de 0 a 4294967295, no «%1»")
                      .arg(semilla)
                      .toStdString());
    }
}
