// The main window's file and print commands: round trips through the window, the bytes of the
// files, the dialogs, failures that must leave files and window as they were, and a printout.
#include "AyudasMainUnit.h"
#include "CalculoProblema.h"
#include "FicheroProblema.h"
#include "Ficheros.h"
#include "LongitudCampo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <cerrno>
#include <optional>

namespace {

QByteArray Leer(const QString& ruta) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) return "(no existe)";
    return fichero.readAll();
}

void Escribir(const QString& ruta, const QByteArray& bytes) {
    QFile fichero(ruta);
    ASSERT_TRUE(fichero.open(QIODevice::WriteOnly));
    fichero.write(bytes);
}

class PruebaFicheros : public PruebaMain {
protected:
    QString Ruta(const QString& nombre) const { return carpeta.filePath(nombre); }

    // A small problem: four periods, every field changed, a "0" and an empty cell.
    void TeclearProblema() {
        Teclear("EditNPeriodos", "4");
        Teclear("EditTS", "2");
        Teclear("Editss", "5");
        Teclear("EditCE", "2,5");
        Teclear("EditCP", "0,1");
        ElegirMetodo(3);
        TeclearFila(1, FilaNB, {"10", "0", "", "40"});
        TeclearFila(1, FilaD, {"60"});
        TeclearFila(1, FilaRP, {"", "5"});
    }

    void GuardarComo(const QString& ruta) {
        plataforma.respuestasFichero.push_back(ruta);
        Menu("GuardarProblemaComo");
    }

    void Abrir(const QString& ruta) {
        plataforma.respuestasFichero.push_back(ruta);
        Boton("ToolButtonAbrir");
    }

    // Everything of the window a file command may change.
    struct Estado {
        QStringList campos;
        int metodo;
        TextosCelda celdas;
        int columnas;
        QString fichero;
        QString titulo;
        bool operator==(const Estado&) const = default;
    };
    Estado EstadoVentana() {
        QStringList campos;
        for (const char* campo : {"EditNPeriodos", "EditTS", "Editss", "EditCE", "EditCP"})
            campos << Campo(campo)->text();
        return {campos,          MetodoMarcado(),           SG().Textos(),
                SG().Columnas(), ventana.FicheroProblema(), ventana.windowTitle()};
    }

    QTemporaryDir carpeta;
};

const QByteArray BytesProblema = "N\xBA per\xEDodos = 4\r\n"
                                 "Tiempo de suministro = 2\r\n"
                                 "Stock de seguridad = 5\r\n"
                                 "Coste de emisi\xF3n = 2,5\r\n"
                                 "Coste de posesi\xF3n = 0,1\r\n"
                                 "Tipo de lotificaci\xF3n = 3\r\n"
                                 "10\t0\t0\t40\r\n"
                                 "60\t0\t0\t0\r\n"
                                 "0\t5\t0\t0\r\n";

TEST_F(PruebaFicheros, GuardarComoEscribeLosBytesDelProblemaYPoneElTitulo) {
    TeclearProblema();
    GuardarComo(Ruta("p1.lot"));
    EXPECT_EQ(Leer(Ruta("p1.lot")), BytesProblema);
    EXPECT_EQ(ventana.FicheroProblema(), Ruta("p1.lot"));
    EXPECT_EQ(ventana.windowTitle(), "Zirurozedara VOV " + Ruta("p1.lot"));

    // A known name is written again without a dialog.
    Teclear("EditTS", "3");
    Boton("ToolButtonGuardar");
    EXPECT_EQ(plataforma.dialogosMostrados.size(), 1u);
    EXPECT_TRUE(Leer(Ruta("p1.lot")).contains("Tiempo de suministro = 3\r\n"));
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
}

TEST_F(PruebaFicheros, CadaOrdenDeFicherosDiceEnLaBarraDeEstadoLoQueHizo) {
    TeclearProblema();
    GuardarComo(Ruta("p1.lot"));
    EXPECT_EQ(BarraEstado(), "Problema guardado en " + Ruta("p1.lot"));
    Boton("ToolButtonGuardarSolucion"); // beside the problem, without a dialog
    EXPECT_EQ(BarraEstado(), "Solución guardada en " + Ruta("p1.sol"));
    plataforma.respuestasFichero.push_back(std::nullopt);
    Boton("ToolButtonAbrir");
    EXPECT_EQ(BarraEstado(), "Solución guardada en " + Ruta("p1.sol")) << "a cancelled dialog";
    Abrir(Ruta("p1.lot"));
    EXPECT_EQ(BarraEstado(), "Problema abierto: " + Ruta("p1.lot"));
    ventana.Impresora().setOutputFormat(QPrinter::PdfFormat);
    ventana.Impresora().setOutputFileName(Ruta("rejilla.pdf"));
    Boton("ToolButtonImprimir");
    EXPECT_EQ(BarraEstado(), "Rejilla enviada a la impresora");
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
}

TEST_F(PruebaFicheros, UnProblemaGuardadoVuelveIgualSalvoElCeroQueVuelveVacio) {
    TeclearProblema();
    Boton("ToolButtonGuardar"); // no name yet: behaves as "save as"
    ASSERT_EQ(plataforma.dialogosMostrados.size(), 1u);
    plataforma.respuestasFichero.push_back(Ruta("p1.lot"));
    Boton("ToolButtonGuardar");
    Boton("ToolButtonNuevo");
    ASSERT_EQ(Campo("EditNPeriodos")->text(), "8");

    Abrir(Ruta("p1.lot"));
    EXPECT_EQ(EstadoVentana().campos, QStringList({"4", "2", "5", "2,5", "0,1"}));
    EXPECT_EQ(MetodoMarcado(), 3);
    EXPECT_EQ(SG().Columnas(), 6);
    // The column after the last period keeps the number it had with eight periods.
    EXPECT_EQ(Fila(0, 5), QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_EQ(Fila(FilaNB, 4), QStringList({"10", "", "", "40"}));
    EXPECT_EQ(Fila(FilaD, 4), QStringList({"60", "", "", ""}));
    EXPECT_EQ(Fila(FilaRP, 4), QStringList({"", "5", "", ""}));
    EXPECT_EQ(ventana.FicheroProblema(), Ruta("p1.lot"));
    EXPECT_EQ(ventana.windowTitle(), "Zirurozedara VOV " + Ruta("p1.lot"));
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
}

TEST_F(PruebaFicheros, AbrirDejaResultadosColumnaFinalCasillasYMenusComoEstaban) {
    TeclearEjemplo();
    Boton("ToolButtonCalcular");
    QTest::mouseClick(Casilla("CheckBoxRedondear"), Qt::LeftButton);
    Escribir(Ruta("otro.lot"), "N\xBA per\xEDodos = 8\r\nTiempo de suministro = 1\r\n"
                               "Stock de seguridad = 0\r\nCoste de emisi\xF3n = 1\r\n"
                               "Coste de posesi\xF3n = 1\r\nTipo de lotificaci\xF3n = -4\r\n"
                               "1\t2\t3\t4\t5\t6\t7\t8\r\n0\r\n9\t9\r\n");
    Abrir(Ruta("otro.lot"));
    EXPECT_EQ(MetodoMarcado(), -1);
    EXPECT_EQ(Fila(FilaNB, 9), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", ""}));
    EXPECT_EQ(Fila(FilaD, 9), QStringList(9));
    // A short line: its last field goes to the last period, the columns between are emptied.
    EXPECT_EQ(Fila(FilaRP, 8), QStringList({"9", "", "", "", "", "", "", "9"}));
    EXPECT_EQ(SG().Celda(9, FilaCTotal), "710");
    EXPECT_EQ(SG().Celda(8, FilaNN), "55");
    EXPECT_FALSE(Casilla("CheckBoxRedondear")->isChecked());
    EXPECT_TRUE(Accion("GuardarSolucion")->isEnabled());

    // No method selected is saved as -1.
    Boton("ToolButtonGuardar");
    EXPECT_TRUE(Leer(Ruta("otro.lot")).contains("Tipo de lotificaci\xF3n = -1\r\n"));
}

// The window's fields cut a long text where the shared reading of a file cuts it, so the window
// and the command-line tool read the same problem.
TEST_F(PruebaFicheros, LosCamposCortanDondeCortaLaLectura) {
    for (const char* campo : {"EditNPeriodos", "EditTS", "Editss", "EditCE", "EditCP"})
        EXPECT_EQ(Campo(campo)->maxLength(), LongitudMaximaCampo) << campo;
    const QByteArray bytes = "N = " + QByteArray(40000, '0') +
                             "3\r\nT = 1\r\nS = 0\r\nE = 1\r\n"
                             "P = 1\r\nM = 0\r\n";
    Escribir(Ruta("largo.lot"), bytes);
    Abrir(Ruta("largo.lot"));
    EXPECT_EQ(Campo("EditNPeriodos")->text(), LeerTextoProblema(bytes).NPeriodos);
}

class PruebaSolucion : public PruebaFicheros {
protected:
    // Three periods under lot-for-lot with costs, so every kind of cell shows up.
    void CalcularPequeno() {
        Teclear("EditNPeriodos", "3");
        Teclear("EditTS", "0");
        Teclear("EditCE", "1");
        Teclear("EditCP", "0,5");
        TeclearFila(1, FilaNB, {"10", "20", "30"});
        TeclearFila(1, FilaD, {"15"});
        Boton("ToolButtonCalcular");
        ASSERT_TRUE(plataforma.mensajes.isEmpty());
    }
};

const QByteArray BytesSolucionSinCostes = "\t1\t2\t3\r\n"
                                          "NB\t10\t20\t30\r\n"
                                          "D\t15\t5\t0\r\n"
                                          "RP\t0\t0\t0\t0\r\n"
                                          "NN\t0\t15\t30\r\n"
                                          "RPPL\t0\t15\t30\r\n"
                                          "PPL\t0\t15\t30\r\n";
const QByteArray BytesCostes = "Ce\t0\t1\t1\r\n"
                               "Cp\t2,5\t0\t0\r\n"
                               "CTotal\t2,5\t1\t1\t4,5\r\n";

TEST_F(PruebaSolucion, LaSolucionLlevaLaRejillaConOSinCostes) {
    CalcularPequeno();
    plataforma.respuestasFichero.push_back(Ruta("con.sol"));
    Menu("GuardarSolucionComo");
    EXPECT_EQ(Leer(Ruta("con.sol")), BytesSolucionSinCostes + BytesCostes);
    EXPECT_EQ(ventana.FicheroSolucion(), Ruta("con.sol"));

    QTest::mouseClick(Casilla("CheckBoxCostes"), Qt::LeftButton);
    plataforma.respuestasFichero.push_back(Ruta("sin.sol"));
    Menu("GuardarSolucion"); // no problem name: asks for one
    EXPECT_EQ(Leer(Ruta("sin.sol")), BytesSolucionSinCostes);
    EXPECT_EQ(ventana.FicheroSolucion(), Ruta("sin.sol"));
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
}

TEST_F(PruebaSolucion, ConProblemaConocidoLaSolucionVaASuLadoSinDialogo) {
    CalcularPequeno();
    GuardarComo(Ruta("p1.lot"));
    Boton("ToolButtonGuardarSolucion");
    EXPECT_EQ(plataforma.dialogosMostrados.size(), 1u);
    EXPECT_EQ(ventana.FicheroSolucion(), Ruta("p1.sol"));
    EXPECT_EQ(Leer(Ruta("p1.sol")), BytesSolucionSinCostes + BytesCostes);
    ASSERT_TRUE(QFile::remove(Ruta("p1.sol")));

    // Save as proposes the same name; cancelling writes nothing.
    Menu("GuardarSolucionComo");
    ASSERT_EQ(plataforma.dialogosMostrados.size(), 2u);
    EXPECT_EQ(plataforma.dialogosMostrados.back().nombre, Ruta("p1.sol"));
    EXPECT_FALSE(QFile::exists(Ruta("p1.sol")));
    EXPECT_TRUE(plataforma.mensajes.isEmpty());
}

TEST_F(PruebaFicheros, ElBotonGuardaLaSolucionAntesDeCalcular) {
    ASSERT_FALSE(Accion("GuardarSolucion")->isEnabled());
    plataforma.respuestasFichero.push_back(Ruta("vacia.sol"));
    Boton("ToolButtonGuardarSolucion");
    const QByteArray bytes = Leer(Ruta("vacia.sol"));
    EXPECT_TRUE(bytes.startsWith("\t1\t2\t3\t4\t5\t6\t7\t8\r\nNB\t0\t0\t0\t0\t0\t0\t0\t0\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 10);
}

struct CasoDialogo {
    const char* nombre;
    const char* orden;
    DialogoFichero::Tipo tipo;
    const char* filtro;
    const char* extension;
};

class Dialogos : public PruebaFicheros, public testing::WithParamInterface<CasoDialogo> {};

TEST_P(Dialogos, OfrecenSuTipoDeFicheroYCanceladosNoCambianNada) {
    const CasoDialogo& caso = GetParam();
    const Estado antes = EstadoVentana();
    Orden(caso.orden);
    ASSERT_EQ(plataforma.dialogosMostrados.size(), 1u);
    const DialogoFichero& dialogo = plataforma.dialogosMostrados.front();
    EXPECT_EQ(dialogo.tipo, caso.tipo);
    EXPECT_EQ(dialogo.filtro, caso.filtro);
    EXPECT_EQ(dialogo.extensionDefecto, caso.extension);
    EXPECT_EQ(dialogo.nombre, "");
    EXPECT_TRUE(EstadoVentana() == antes);
    EXPECT_TRUE(ventana.FicheroSolucion().isEmpty());
    EXPECT_TRUE(QDir(carpeta.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(MainUnit, Dialogos,
                         testing::Values(CasoDialogo{"Abrir", "ToolButtonAbrir",
                                                     DialogoFichero::Tipo::Abrir,
                                                     "Problema de lotificación (*.lot)", "lot"},
                                         CasoDialogo{"GuardarProblema", "ToolButtonGuardar",
                                                     DialogoFichero::Tipo::Guardar,
                                                     "Problema de lotificación (*.lot)", "lot"},
                                         CasoDialogo{"GuardarProblemaComo", "GuardarProblemaComo",
                                                     DialogoFichero::Tipo::Guardar,
                                                     "Problema de lotificación (*.lot)", "lot"},
                                         CasoDialogo{"GuardarSolucion", "ToolButtonGuardarSolucion",
                                                     DialogoFichero::Tipo::Guardar,
                                                     "Solución de lotificación (*.sol)", "sol"}),
                         [](const auto& instancia) { return std::string(instancia.param.nombre); });

struct CasoHorizonte {
    const char* nombre;
    const char* n;
    const char* boton;
};

class HorizontesNoAdmitidos : public PruebaFicheros,
                              public testing::WithParamInterface<CasoHorizonte> {};

TEST_P(HorizontesNoAdmitidos, NoSeEscribenYSeAvisa) {
    Teclear("EditNPeriodos", GetParam().n);
    plataforma.errores.clear(); // a lone "-" on the way
    plataforma.respuestasFichero.push_back(Ruta("fichero"));
    Boton(GetParam().boton);
    EXPECT_EQ(plataforma.avisos, QStringList{AvisoPeriodos});
    EXPECT_TRUE(plataforma.errores.isEmpty());
    EXPECT_FALSE(QFile::exists(Ruta("fichero")));
    EXPECT_EQ(ventana.windowTitle(), "Quelmar");
}

INSTANTIATE_TEST_SUITE_P(
    MainUnit, HorizontesNoAdmitidos,
    testing::Values(CasoHorizonte{"ProblemaDeCienPeriodos", "100", "ToolButtonGuardar"},
                    CasoHorizonte{"ProblemaDelMayorEntero", "2147483647", "ToolButtonGuardar"},
                    CasoHorizonte{"ProblemaDePeriodosNegativos", "-2", "ToolButtonGuardar"},
                    CasoHorizonte{"SolucionDelMayorEntero", "2147483647",
                                  "ToolButtonGuardarSolucion"}),
    [](const auto& instancia) { return std::string(instancia.param.nombre); });

// Every write fails with a full disk after the first bytes.
ssize_t WriteQueSeQuedaSinSitio(int fd, const void* datos, std::size_t n) {
    static_cast<void>(fd);
    static_cast<void>(datos);
    if (n <= 4) return ssize_t(n);
    errno = ENOSPC;
    return -1;
}

class SinSitioEnDisco {
public:
    SinSitioEnDisco() : anterior_(CambiarFuncionWrite(&WriteQueSeQuedaSinSitio)) {}
    ~SinSitioEnDisco() { CambiarFuncionWrite(anterior_); }

private:
    FuncionWrite anterior_;
};

struct CasoGuardadoFallido {
    const char* nombre;
    const char* destino; // relative to the test's folder
    bool discoLleno;
    const char* error;
};

class GuardadosFallidos : public PruebaFicheros,
                          public testing::WithParamInterface<CasoGuardadoFallido> {};

TEST_P(GuardadosFallidos, InformanYDejanElFicheroAnteriorIntacto) {
    const CasoGuardadoFallido& caso = GetParam();
    ASSERT_TRUE(QDir(carpeta.path()).mkdir("carpeta"));
    Escribir(Ruta("normal"), "no es una carpeta");
    Escribir(Ruta("viejo.lot"), "el problema anterior");
    TeclearProblema();
    {
        std::optional<SinSitioEnDisco> sinSitio;
        if (caso.discoLleno) sinSitio.emplace();
        GuardarComo(Ruta(caso.destino));
    }
    ASSERT_EQ(plataforma.errores.size(), 1);
    EXPECT_EQ(plataforma.errores[0], QString(caso.error));
    EXPECT_EQ(Leer(Ruta("viejo.lot")), "el problema anterior");
    EXPECT_EQ(Leer(Ruta("normal")), "no es una carpeta");
    EXPECT_TRUE(QFileInfo(Ruta("carpeta")).isDir());
    EXPECT_EQ(QDir(carpeta.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList({"carpeta", "normal", "viejo.lot"}));
    // The new name is kept for the next save; the caption waits for a save that succeeds.
    EXPECT_EQ(ventana.FicheroProblema(), Ruta(caso.destino));
    EXPECT_EQ(ventana.windowTitle(), "Quelmar");
}

INSTANTIATE_TEST_SUITE_P(
    MainUnit, GuardadosFallidos,
    testing::Values(CasoGuardadoFallido{"SobreUnaCarpeta", "carpeta", false, "File access denied"},
                    CasoGuardadoFallido{"BajoUnFicheroNormal", "normal/p.lot", false,
                                        "I/O error 20"},
                    CasoGuardadoFallido{"DiscoLlenoAMitad", "viejo.lot", true, "Disk full"}),
    [](const auto& instancia) { return std::string(instancia.param.nombre); });

TEST_F(PruebaSolucion, UnaSolucionQueNoSePuedeEscribirDejaLaAnterior) {
    CalcularPequeno();
    Escribir(Ruta("vieja.sol"), "la solucion anterior");
    {
        SinSitioEnDisco sinSitio;
        plataforma.respuestasFichero.push_back(Ruta("vieja.sol"));
        Menu("GuardarSolucionComo");
    }
    EXPECT_EQ(plataforma.errores, QStringList{"Disk full"});
    EXPECT_EQ(Leer(Ruta("vieja.sol")), "la solucion anterior");
    EXPECT_EQ(ventana.FicheroSolucion(), Ruta("vieja.sol"));
}

struct CasoAperturaFallida {
    const char* nombre;
    std::optional<QByteArray> contenido; // nullopt: the file does not exist
    QStringList avisos;
    QStringList errores;
};

class AperturasFallidas : public PruebaFicheros,
                          public testing::WithParamInterface<CasoAperturaFallida> {};

TEST_P(AperturasFallidas, NoCambianNadaDeLaVentana) {
    const CasoAperturaFallida& caso = GetParam();
    TeclearProblema();
    GuardarComo(Ruta("actual.lot"));
    if (caso.contenido) Escribir(Ruta("nuevo.lot"), *caso.contenido);
    const Estado antes = EstadoVentana();

    Abrir(Ruta("nuevo.lot"));
    EXPECT_EQ(plataforma.avisos, caso.avisos);
    EXPECT_EQ(plataforma.errores, caso.errores);
    EXPECT_TRUE(EstadoVentana() == antes);
    EXPECT_EQ(ventana.FicheroProblema(), Ruta("actual.lot"));
}

const QByteArray Cabecera = "Tiempo de suministro = 1\r\nStock de seguridad = 0\r\n"
                            "Coste de emisi\xF3n = 0\r\nCoste de posesi\xF3n = 0\r\n";

INSTANTIATE_TEST_SUITE_P(
    MainUnit, AperturasFallidas,
    testing::Values(CasoAperturaFallida{"FicheroQueNoExiste", std::nullopt, {}, {"File not found"}},
                    CasoAperturaFallida{"CientoCincuentaPeriodos",
                                        "N\xBA per\xEDodos = 150\r\n" + Cabecera +
                                            "Tipo de lotificaci\xF3n = 0\r\n1\r\n2\r\n3\r\n",
                                        {AvisoPeriodos},
                                        {}},
                    CasoAperturaFallida{"PeriodosNegativos",
                                        "N\xBA per\xEDodos = -1\r\n" + Cabecera +
                                            "Tipo de lotificaci\xF3n = 0\r\n1\r\n2\r\n3\r\n",
                                        {AvisoPeriodos},
                                        {}},
                    CasoAperturaFallida{"MetodoQueNoEsUnEntero",
                                        "N\xBA per\xEDodos = 6\r\n" + Cabecera +
                                            "Tipo de lotificaci\xF3n = x\r\n1\r\n2\r\n3\r\n",
                                        {},
                                        {"''x'' is not a valid integer value"}},
                    CasoAperturaFallida{"PeriodosQueNoSonUnEntero",
                                        "N\xBA per\xEDodos = 6a\r\n" + Cabecera +
                                            "Tipo de lotificaci\xF3n = 1\r\n1\r\n2\r\n3\r\n",
                                        {},
                                        {"''6a'' is not a valid integer value"}}),
    [](const auto& instancia) { return std::string(instancia.param.nombre); });

// Dark pixels of the page and their bounding box.
struct Tinta {
    qsizetype pixeles = 0;
    QRect caja;
};

Tinta TintaDe(const QImage& pagina) {
    Tinta tinta;
    int izquierda = pagina.width(), arriba = pagina.height(), derecha = -1, abajo = -1;
    for (int y = 0; y < pagina.height(); ++y)
        for (int x = 0; x < pagina.width(); ++x)
            if (qGray(pagina.pixel(x, y)) < 128) {
                ++tinta.pixeles;
                izquierda = std::min(izquierda, x);
                derecha = std::max(derecha, x);
                arriba = std::min(arriba, y);
                abajo = std::max(abajo, y);
            }
    if (derecha >= 0) tinta.caja = QRect(QPoint(izquierda, arriba), QPoint(derecha, abajo));
    return tinta;
}

TEST_F(PruebaFicheros, ImprimeLaRejillaEnUnaPaginaATamanoLegible) {
    TeclearEjemplo();
    Boton("ToolButtonCalcular");
    QPrinter& impresora = ventana.Impresora();
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(Ruta("rejilla.pdf"));

    plataforma.respuestasImprimir.push_back(false);
    Boton("ToolButtonImprimir");
    EXPECT_FALSE(QFile::exists(Ruta("rejilla.pdf")));

    Menu("Imprimir1");
    EXPECT_EQ(plataforma.impresionesPedidas, 2);
    ASSERT_TRUE(plataforma.errores.isEmpty());
    ASSERT_TRUE(QFile::exists(Ruta("rejilla.pdf")));

    QProcess pdftoppm;
    pdftoppm.start("pdftoppm",
                   {"-png", "-r", "100", "-singlefile", Ruta("rejilla.pdf"), Ruta("pagina")});
    ASSERT_TRUE(pdftoppm.waitForFinished(30000));
    ASSERT_EQ(pdftoppm.exitCode(), 0) << pdftoppm.readAllStandardError().toStdString();
    const QImage pagina(Ruta("pagina.png"));
    ASSERT_FALSE(pagina.isNull());
    if (qEnvironmentVariableIsSet("QUELMAR_PAGINA"))
        pagina.save(qEnvironmentVariable("QUELMAR_PAGINA"));

    const Tinta tinta = TintaDe(pagina);
    EXPECT_GT(tinta.pixeles, 2000);
    // The grid comes out at its size on screen: 100 dots per inch here.
    const double anchoEsperado = SG().width() * 100.0 / SG().logicalDpiX();
    EXPECT_GT(tinta.caja.width(), 0.5 * anchoEsperado);
    EXPECT_LT(tinta.caja.width(), 1.1 * anchoEsperado);
    EXPECT_LT(tinta.caja.left(), 50) << tinta.caja.x() << "," << tinta.caja.y();
    EXPECT_LT(tinta.caja.top(), 50);
}

TEST_F(PruebaFicheros, UnaImpresoraQueNoEmpiezaSeInforma) {
    QPrinter& impresora = ventana.Impresora();
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(Ruta("no/existe/rejilla.pdf"));
    Boton("ToolButtonImprimir");
    EXPECT_EQ(plataforma.errores, QStringList{"No se pudo empezar a imprimir."});

    Menu("Configurarimpresora1");
    EXPECT_EQ(plataforma.configuracionesImpresora, 1);
}

} // namespace
