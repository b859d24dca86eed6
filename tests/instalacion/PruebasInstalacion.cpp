// The installation as a distribution sees it: every file in its place and nothing else, icons of
// the size their folder says, and the desktop entry, the AppStream metadata and the manual page
// as their validators and `man` read them.
#include "Ayuda.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Resultado {
    int estado = -1;
    QString salida;
    QString errores;
};

Resultado Ejecutar(const QString& programa, const QStringList& argumentos,
                   const QProcessEnvironment& entorno = QProcessEnvironment::systemEnvironment()) {
    QProcess proceso;
    proceso.setProcessEnvironment(entorno);
    proceso.start(programa, argumentos);
    Resultado resultado;
    if (!proceso.waitForFinished(120000) || proceso.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << programa.toStdString() << ": " << proceso.errorString().toStdString();
        return resultado;
    }
    resultado.estado = proceso.exitCode();
    resultado.salida = QString::fromUtf8(proceso.readAllStandardOutput());
    resultado.errores = QString::fromUtf8(proceso.readAllStandardError());
    return resultado;
}

QString Normalizado(QString texto) {
    return texto.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

const int Lados[] = {16, 32, 48, 64, 128, 256};

} // namespace

class Instalacion : public testing::Test {
protected:
    static void SetUpTestSuite() {
        raiz_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(raiz_->isValid());
        QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
        entorno.insert(QStringLiteral("DESTDIR"), raiz_->path());
        const Resultado instalar =
            Ejecutar(QStringLiteral(QUELMAR_CMAKE),
                     {QStringLiteral("--install"), QStringLiteral(QUELMAR_COMPILACION),
                      QStringLiteral("--prefix"), QStringLiteral("/usr")},
                     entorno);
        ASSERT_EQ(instalar.estado, 0) << instalar.errores.toStdString();
    }
    static void TearDownTestSuite() { raiz_.reset(); }

    static QString Ruta(const QString& relativa) {
        return raiz_->path() + QStringLiteral("/usr/") + relativa;
    }

    static inline std::unique_ptr<QTemporaryDir> raiz_;
};

TEST_F(Instalacion, CadaFicheroEnSuSitioYNadaMas) {
    QStringList esperados = {
        QStringLiteral("bin/quelmar"),
        QStringLiteral("bin/quelmar-cli"),
        QStringLiteral("share/applications/quelmar.desktop"),
        QStringLiteral("share/doc/quelmar/LICENSE"),
        QStringLiteral("share/doc/quelmar/README.md"),
        QStringLiteral("share/doc/quelmar/changelog.gz"),
        QStringLiteral("share/doc/quelmar/copyright"),
        QStringLiteral("share/icons/hicolor/scalable/apps/quelmar.svg"),
        QStringLiteral("share/man/man1/quelmar-cli.1.gz"),
        QStringLiteral("share/man/man1/quelmar.1.gz"),
        QStringLiteral("share/metainfo/org.quelmar.Quelmar.metainfo.xml"),
    };
    for (const int lado : Lados)
        esperados << QStringLiteral("share/icons/hicolor/%1x%1/apps/quelmar.png").arg(lado);
    esperados.sort();

    QStringList instalados;
    QDirIterator recorrido(raiz_->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (recorrido.hasNext())
        instalados << recorrido.next().mid(raiz_->path().size() + QStringLiteral("/usr/").size());
    instalados.sort();
    EXPECT_EQ(instalados, esperados);
}

// A PNG says its width and height in the first chunk, big-endian, from byte 16.
TEST_F(Instalacion, IconosDelLadoDeSuCarpeta) {
    for (const int lado : Lados) {
        SCOPED_TRACE(lado);
        QFile png(Ruta(QStringLiteral("share/icons/hicolor/%1x%1/apps/quelmar.png").arg(lado)));
        ASSERT_TRUE(png.open(QIODevice::ReadOnly));
        const QByteArray cabecera = png.read(24);
        ASSERT_EQ(cabecera.size(), 24);
        EXPECT_TRUE(cabecera.startsWith("\x89PNG\r\n\x1a\n"));
        const auto Entero = [&](int desde) {
            return (uchar(cabecera[desde]) << 24) | (uchar(cabecera[desde + 1]) << 16) |
                   (uchar(cabecera[desde + 2]) << 8) | uchar(cabecera[desde + 3]);
        };
        EXPECT_EQ(Entero(16), lado);
        EXPECT_EQ(Entero(20), lado);
    }
}

TEST_F(Instalacion, EntradaDeEscritorioValida) {
    const QString entrada = Ruta(QStringLiteral("share/applications/quelmar.desktop"));
    const Resultado validar = Ejecutar(QStringLiteral("desktop-file-validate"), {entrada});
    EXPECT_EQ(validar.estado, 0) << validar.salida.toStdString();
    // Hints are advice; errors and warnings are faults.
    EXPECT_FALSE(validar.salida.contains(QStringLiteral("error:"))) << validar.salida.toStdString();
    EXPECT_FALSE(validar.salida.contains(QStringLiteral("warning:")))
        << validar.salida.toStdString();
}

TEST_F(Instalacion, MetadatosAppStreamValidos) {
    const Resultado validar =
        Ejecutar(QStringLiteral("appstreamcli"),
                 {QStringLiteral("validate"), QStringLiteral("--no-net"),
                  Ruta(QStringLiteral("share/metainfo/org.quelmar.Quelmar.metainfo.xml"))});
    EXPECT_EQ(validar.estado, 0) << validar.salida.toStdString() << validar.errores.toStdString();
}

// The window program's page renders without a warning and names its program.
TEST_F(Instalacion, PaginaDeManualDeLaVentanaSinAvisos) {
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    entorno.remove(QStringLiteral("MANPAGER"));
    entorno.remove(QStringLiteral("PAGER"));
    const Resultado man = Ejecutar(QStringLiteral("man"),
                                   {QStringLiteral("--warnings"), QStringLiteral("-l"),
                                    Ruta(QStringLiteral("share/man/man1/quelmar.1.gz"))},
                                   entorno);
    EXPECT_EQ(man.estado, 0);
    EXPECT_EQ(man.errores, QString());
    EXPECT_TRUE(man.salida.contains(QStringLiteral("quelmar - ")));
}

// The page renders without a warning and tells all that --help tells.
TEST_F(Instalacion, PaginaDeManualSinAvisos) {
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    entorno.insert(QStringLiteral("MANWIDTH"), QStringLiteral("200"));
    entorno.remove(QStringLiteral("MANPAGER"));
    entorno.remove(QStringLiteral("PAGER"));
    const Resultado man =
        Ejecutar(QStringLiteral("man"),
                 {QStringLiteral("--warnings"), QStringLiteral("--no-hyphenation"),
                  QStringLiteral("--no-justification"), QStringLiteral("-l"),
                  Ruta(QStringLiteral("share/man/man1/quelmar-cli.1.gz"))},
                 entorno);
    EXPECT_EQ(man.estado, 0);
    EXPECT_EQ(man.errores, QString());

    const QString pagina = Normalizado(man.salida);
    for (const char* seccion :
         {"NOMBRE", "SINOPSIS", "DESCRIPCIÓN", "OPCIONES", "ESTADO DE SALIDA", "EJEMPLOS"}) {
        const QRegularExpression titulo(QStringLiteral("^%1$").arg(QString::fromUtf8(seccion)),
                                        QRegularExpression::MultilineOption);
        EXPECT_TRUE(man.salida.contains(titulo)) << seccion;
    }

    const DatosAyuda& ayuda = Ayuda();
    QStringList textos = {QStringLiteral("quelmar-cli - ") + ayuda.resumen};
    for (const QString& forma : ayuda.sinopsis) textos << forma;
    for (const QString& parrafo : ayuda.descripcion) textos << parrafo;
    for (const OrdenDeAyuda& orden : ayuda.ordenes) {
        textos << orden.nombre << orden.explicacion;
        for (const EntradaAyuda& opcion : orden.opciones)
            textos << opcion.termino << opcion.explicacion;
    }
    for (const auto* lista : {&ayuda.generales, &ayuda.estados, &ayuda.ejemplos})
        for (const EntradaAyuda& entrada : *lista) textos << entrada.termino << entrada.explicacion;
    for (const QString& texto : textos)
        EXPECT_TRUE(pagina.contains(Normalizado(texto))) << texto.toStdString();
}

// Installed, the tool runs on the system's libraries alone.
TEST_F(Instalacion, HerramientaInstaladaSeEjecuta) {
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.remove(QStringLiteral("LD_LIBRARY_PATH"));
    const Resultado version =
        Ejecutar(Ruta(QStringLiteral("bin/quelmar-cli")), {QStringLiteral("--version")}, entorno);
    EXPECT_EQ(version.estado, 0);
    EXPECT_EQ(version.salida, QStringLiteral("quelmar-cli " QUELMAR_VERSION "\n"));
}
