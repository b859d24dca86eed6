// The screenshot of the main window for the README: the example calculated in a 1100 x 650
// window. It runs only when QUELMAR_CAPTURA names the PNG file to write.
#include "AyudasMainUnit.h"

namespace {

TEST_F(PruebaMain, CapturaConElEjemploCalculado) {
    const QString destino = qEnvironmentVariable("QUELMAR_CAPTURA");
    if (destino.isEmpty()) GTEST_SKIP() << "QUELMAR_CAPTURA no está definida";
    ventana.resize(1100, 650);
    TeclearEjemplo();
    ElegirMetodo(6);
    Boton("ToolButtonCalcular");
    SG().PonerCeldaActual(1, 1);
    ASSERT_TRUE(plataforma.mensajes.isEmpty());
    EXPECT_TRUE(ventana.grab().save(destino));
}

} // namespace
