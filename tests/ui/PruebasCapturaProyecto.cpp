// The screenshot of the project window for the README: the shipped example calculated, the legs
// selected, with the structure diagram open. It runs only when QUELMAR_CAPTURA_PROYECTO names the
// PNG file to write.
#include "AyudasProyectoUnit.h"

#include <QDockWidget>

TEST_F(PruebaProyecto, CapturaConElDiagrama) {
    const QString destino = qEnvironmentVariable("QUELMAR_CAPTURA_PROYECTO");
    if (destino.isEmpty()) GTEST_SKIP() << "QUELMAR_CAPTURA_PROYECTO no está definida";
    AbrirVentana("AbrirEjemplo1");
    FormProyecto().resize(1250, 720);
    OrdenProyecto("CalcularProyecto");
    OrdenProyecto("PanelDiagramaVista");
    QCoreApplication::processEvents();
    Elegir("PATA", "MESA");
    ASSERT_TRUE(plataforma.mensajes.isEmpty());
    EXPECT_TRUE(FormProyecto().grab().save(destino));
}
