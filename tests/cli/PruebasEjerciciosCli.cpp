// "ejercicios" and "corregir" as a teacher runs them: a sheet drawn again from its seed, and a
// folder of students' solutions graded, a broken file among them.
#include "AyudasCli.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

TEST(EjerciciosCli, LaMismaSemillaDaLosMismosFicheros) {
    const QTemporaryDir carpeta;
    const QString a = carpeta.filePath("a"), b = carpeta.filePath("b");
    const QStringList opciones = {"ejercicios", "--cantidad",   "3", "--semilla",
                                  "42",         "--dificultad", "2", "-o"};
    for (const QString& hoja : {a, b}) {
        const Resultado r = ConEjecutable(opciones + QStringList{hoja});
        EXPECT_EQ(r.estado, 0) << r.errores.toStdString();
        EXPECT_EQ(r.errores, "Semilla: 42\n");
    }
    for (const char* fichero : {"ejercicio01.lot", "ejercicio02.lot", "ejercicio03.lot"})
        EXPECT_EQ(Leer(a + "/" + fichero), Leer(b + "/" + fichero)) << fichero;
    EXPECT_TRUE(QFile::exists(a + "/enunciados.pdf") && QFile::exists(a + "/soluciones.pdf"));

    // Without a seed, the clock's is announced, so that the sheet can be drawn again.
    const Resultado reloj =
        ConEjecutable({"ejercicios", "--cantidad", "1", "-o", carpeta.filePath("c")});
    EXPECT_EQ(reloj.estado, 0);
    EXPECT_TRUE(QRegularExpression("^Semilla: \\d+\\n$").match(reloj.errores).hasMatch());
}

TEST(EjerciciosCli, OpcionesRechazadasYErroresDeUso) {
    const QTemporaryDir carpeta;
    const Resultado aviso =
        EnProceso({"ejercicios", "--periodos", "10-6", "-o", carpeta.filePath("h")});
    EXPECT_EQ(aviso.estado, 1);
    EXPECT_EQ(aviso.errores, "Especifique los períodos como un intervalo «A-B» de números entre 1 "
                             "y 99.\n");
    EXPECT_FALSE(QDir(carpeta.filePath("h")).exists());

    struct Caso {
        QStringList argumentos;
        QByteArray motivo;
    };
    const Caso casos[] = {
        {{"ejercicios", "--cantidad", "3"}, "falta la opción «-o»"},
        {{"ejercicios", "-o", "h", "--semilla", "1", "--semilla", "2"},
         "opción repetida «--semilla»"},
        {{"corregir", "p.lot"}, "falta el fichero de la solución"},
        {{"corregir", "p.lot", "a.sol", "--tolerancia", "-1"},
         "la tolerancia ha de ser un número mayor o igual que 0, no «-1»"},
    };
    for (const Caso& caso : casos) {
        const Resultado r = EnProceso(caso.argumentos);
        EXPECT_EQ(r.estado, 64);
        EXPECT_TRUE(r.errores.startsWith("quelmar-cli: " + caso.motivo + "\n"))
            << r.errores.toStdString();
    }
}

TEST(CorregirCli, UnaCarpetaConUnFicheroRoto) {
    const QTemporaryDir carpeta;
    const QString problema = carpeta.filePath("ejemplo.lot");
    Escribir(problema, Lot(Ejemplo("0")));
    const auto ruta = [&](const char* nombre) { return carpeta.filePath(nombre); };
    ASSERT_EQ(EnProceso({"resolver", problema, "-o", ruta("perfecta.sol")}).estado, 0);
    ASSERT_EQ(
        EnProceso({"resolver", problema, "--sin-costes", "-o", ruta("sin_costes.sol")}).estado, 0);
    const QByteArray perfecta = Leer(ruta("perfecta.sol"));
    Escribir(ruta("un_error.sol"),
             QByteArray(perfecta).replace("NN\t0\t50\t70\t60", "NN\t0\t50\t70\t65"));
    Escribir(ruta("casi.sol"),
             QByteArray(perfecta).replace("NN\t0\t50\t70\t60", "NN\t0\t50\t70\t60,4"));
    Escribir(ruta("rota.sol"), "hola\r\n");
    Escribir(ruta("otro.sol"), QByteArray(perfecta).replace("\t8\r\n", "\r\n"));
    const QStringList soluciones = {ruta("perfecta.sol"),   ruta("un_error.sol"), ruta("rota.sol"),
                                    ruta("sin_costes.sol"), ruta("falta.sol"),    ruta("otro.sol"),
                                    ruta("casi.sol")};

    const Resultado r = EnProceso(QStringList{"corregir", problema} + soluciones);
    EXPECT_EQ(r.estado, 1) << "some files could not be graded";
    EXPECT_EQ(r.errores, "");
    const QStringList lineas = QString::fromUtf8(r.salida).split('\n');
    const QStringList esperadas = {
        "\t56\t56\t100,0\tninguna",
        "\t55\t56\t98,2\tNN, período 4",
        "\t\t\t\tno es un fichero de solución: tiene 1 línea, no 7 ni 10",
        "\t31\t31\t100,0\tninguna",
        "\t\t\t\tFile not found",
        "\t\t\t\tes la solución de un problema de 7 períodos, no de 8",
        "\t55\t56\t98,2\tNN, período 4",
        "",
    };
    ASSERT_EQ(lineas.size(), esperadas.size()) << r.salida.toStdString();
    for (qsizetype i = 0; i + 1 < lineas.size(); ++i)
        EXPECT_EQ(lineas[i].toStdString(), (soluciones[i] + esperadas[i]).toStdString());

    // The tolerance forgives the 0,4; every file read gives 0.
    const Resultado tolerante = EnProceso(
        {"corregir", problema, ruta("casi.sol"), ruta("perfecta.sol"), "--tolerancia", "0,5"});
    EXPECT_EQ(tolerante.estado, 0);
    EXPECT_TRUE(
        tolerante.salida.startsWith(ruta("casi.sol").toUtf8() + "\t56\t56\t100,0\tninguna\n"));

    // The step that gives the first wrong cell, as the window's panel shows it.
    const Resultado paso = EnProceso({"corregir", problema, ruta("un_error.sol"), "--paso"});
    EXPECT_EQ(paso.salida, ruta("un_error.sol").toUtf8() +
                               "\t55\t56\t98,2\tNN, período 4\tNN = NB − D − RP + SS = 60 − 0 − "
                               "0 + 0 = 60\n");
}
