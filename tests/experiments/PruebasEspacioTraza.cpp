// The refusal of a run whose trace would not fit on its disk: the estimate, the warning's text,
// and the check over the seam that gives the free space.
#include "EspacioTraza.h"

#include <gtest/gtest.h>

namespace {

TEST(EspacioTraza, AvisaSoloCuandoLaTrazaNoCabe) {
    const struct {
        const char* caso;
        std::int32_t nExp;
        std::uint64_t libre;
        const char* aviso; // nullptr: no warning
    } casos[] = {
        {"cabe_justa", 1, 350, nullptr},
        {"falta_un_byte", 1, 349,
         "Una ejecución de 1 experimento escribiría una traza de unos 350 bytes, y en el disco "
         "del fichero de seguimiento solo quedan 349 bytes libres."},
        {"sin_experimentos_solo_la_cabecera", 0, 50, nullptr},
        {"el_mayor_numero_de_experimentos", 2147483647, 10'700'000'000,
         "Una ejecución de 2147483647 experimentos escribiría una traza de unos 644,2 GB, y en el "
         "disco del fichero de seguimiento solo quedan 10,7 GB libres."},
        {"redondeo_a_la_unidad_siguiente", 3333, 999'949,
         "Una ejecución de 3333 experimentos escribiría una traza de unos 1,0 MB, y en el disco "
         "del fichero de seguimiento solo quedan 999,9 kB libres."},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const std::optional<QString> aviso = AvisoEspacioTraza(c.nExp, false, c.libre);
        if (c.aviso == nullptr)
            EXPECT_FALSE(aviso) << aviso->toStdString();
        else
            EXPECT_EQ(aviso.value_or("(ninguno)"), QString::fromUtf8(c.aviso));
    }
    EXPECT_EQ(EstimacionTraza(2147483647, false), 50ull * (1 + 6ull * 2147483647));
    EXPECT_EQ(EstimacionTraza(10, true), 50ull * (1 + 7ull * 10));
}

// The free space that the seam answers, and the path it is asked about.
std::optional<std::uint64_t> espacioSimulado;
QString rutaPreguntada;
std::optional<std::uint64_t> EspacioSimulado(const QString& ruta) {
    rutaPreguntada = ruta;
    return espacioSimulado;
}

TEST(EspacioTraza, ComprobarLeeElNumeroDeExperimentosYPreguntaPorLaTraza) {
    const FuncionEspacio anterior = CambiarFuncionEspacio(&EspacioSimulado);
    TextosExperimento textos = TextosExperimento::PorDefecto(); // 1000 experiments
    espacioSimulado = 300'050;
    EXPECT_FALSE(ComprobarEspacioTraza(textos, "/datos/traza.txt"));
    EXPECT_EQ(rutaPreguntada, "/datos/traza.txt");
    espacioSimulado = 300'049;
    EXPECT_TRUE(ComprobarEspacioTraza(textos, "/datos/traza.txt"));
    espacioSimulado = std::nullopt; // unknown: the run's own writing reports
    EXPECT_FALSE(ComprobarEspacioTraza(textos, "/datos/traza.txt"));
    espacioSimulado = 0;
    for (const char* nExp : {"0", "-5", "mil"}) {
        textos.NExp = QString::fromUtf8(nExp);
        EXPECT_FALSE(ComprobarEspacioTraza(textos, "/datos/traza.txt")) << nExp;
    }
    CambiarFuncionEspacio(anterior);
}

} // namespace
