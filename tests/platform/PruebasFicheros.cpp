// Files: whole reads, safe whole writes, the buffered output file and their error messages.
// Failures of write(2) are provoked through the layer's seam; permission bits are not relied on
// for failures, since the tests may run as root.
#include "Errores.h"
#include "Ficheros.h"
#include "MensajeDe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Makes write(2) accept `permitidos` bytes in all, at most `porLlamada` per call, then fail with
// `codigo`; an interruption comes before every call when `interrumpir` is set.
class EscrituraQueFalla {
public:
    explicit EscrituraQueFalla(std::size_t permitidos, int codigo = ENOSPC,
                               std::size_t porLlamada = SIZE_MAX, bool interrumpir = false) {
        restantes = permitidos;
        codigo_ = codigo;
        porLlamada_ = porLlamada;
        interrumpir_ = interrumpir;
        anterior_ = CambiarFuncionWrite(&Escribir);
    }
    ~EscrituraQueFalla() { CambiarFuncionWrite(anterior_); }
    EscrituraQueFalla(const EscrituraQueFalla&) = delete;
    EscrituraQueFalla& operator=(const EscrituraQueFalla&) = delete;

private:
    static ssize_t Escribir(int fd, const void* datos, std::size_t n) {
        if (interrumpir_ && (pendienteInterrupcion_ = !pendienteInterrupcion_)) {
            errno = EINTR;
            return -1;
        }
        const std::size_t ahora = std::min({n, restantes, porLlamada_});
        if (ahora == 0) {
            errno = codigo_;
            return -1;
        }
        restantes -= ahora;
        return ::write(fd, datos, ahora);
    }
    static inline std::size_t restantes = 0;
    static inline std::size_t porLlamada_ = 0;
    static inline int codigo_ = 0;
    static inline bool interrumpir_ = false;
    static inline bool pendienteInterrupcion_ = false;
    FuncionWrite anterior_;
};

QByteArray Patron(int n) {
    QByteArray bytes(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i) bytes[i] = char(i * 7 + i / 251);
    return bytes;
}

class Ficheros : public testing::Test {
protected:
    QString Ruta(const QString& nombre) const { return carpeta_.filePath(nombre); }
    QStringList Entradas() const {
        return QDir(carpeta_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    void Crear(const QString& nombre, const QByteArray& bytes) const {
        QFile f(Ruta(nombre));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir carpeta_;
};

TEST(Errores, MensajesSegunElCodigoDelSistema) {
    const struct {
        int codigo;
        const char* mensaje;
    } casos[] = {
        {ENOENT, "File not found"},     {EACCES, "File access denied"},
        {EPERM, "File access denied"},  {EROFS, "File access denied"},
        {EISDIR, "File access denied"}, {ENOSPC, "Disk full"},
        {ENOTDIR, "I/O error 20"},      {EIO, "I/O error 5"},
    };
    for (const auto& c : casos) {
        const EInOutError error(c.codigo);
        EXPECT_STREQ(error.what(), c.mensaje);
        EXPECT_EQ(error.codigo, c.codigo);
    }
    EXPECT_STREQ(EConvertError(QStringLiteral("'año' no")).what(), "'a\xC3\xB1o' no");
}

TEST_F(Ficheros, EscribeYLeeFicherosCompletos) {
    const struct {
        const char* caso;
        QByteArray bytes;
    } casos[] = {
        {"vacio", QByteArray()},
        {"texto_con_cr_lf", QByteArray("NB\t1\t2\r\n")},
        {"mayor_que_el_buffer_y_con_ceros", Patron(200000)},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        const QString ruta = Ruta(QString::fromLatin1(c.caso));
        EscribirFicheroSeguro(ruta, c.bytes);
        EXPECT_EQ(LeerFichero(ruta), c.bytes);
    }
    EscribirFicheroSeguro(Ruta("texto_con_cr_lf"), "1");
    EXPECT_EQ(LeerFichero(Ruta("texto_con_cr_lf")), "1");
    EXPECT_EQ(Entradas().size(), 3);
}

// A text reader takes the lines it needs and nothing more, however large the file.
TEST_F(Ficheros, LeerLineasParaTrasLasLineasPedidasOUnControlZ) {
    const QByteArray nueve = "1\r\n2\r\n3\r\n4\r\n5\n6\r\n7\r\n8\r\n9\r\n";
    Crear("con_cola", nueve + Patron(3 * 1024 * 1024));
    EXPECT_EQ(LeerLineas(Ruta("con_cola"), 9), nueve);
    Crear("con_ctrl_z", QByteArray("1\r\n2\x1a") + "3\r\n");
    EXPECT_EQ(LeerLineas(Ruta("con_ctrl_z"), 9), QByteArray("1\r\n2\x1a"));
    Crear("corto", "1\r\n2");
    EXPECT_EQ(LeerLineas(Ruta("corto"), 9), "1\r\n2");
    Crear("sin_fin_de_linea", QByteArray(20 * 1024 * 1024, 'x'));
    EXPECT_EQ(LeerLineas(Ruta("sin_fin_de_linea"), 9).size(), 16 * 1024 * 1024);
}

// A pipe would block the program until someone wrote to it: refused at once.
TEST_F(Ficheros, SoloSeLeenFicherosRegulares) {
    const QByteArray tuberia = QFile::encodeName(Ruta("tuberia"));
    ASSERT_EQ(::mkfifo(tuberia.constData(), 0600), 0);
    EXPECT_EQ(MensajeDe([&] { LeerLineas(Ruta("tuberia"), 9); }), "File access denied");
    EXPECT_EQ(MensajeDe([&] { LeerFichero(Ruta("tuberia")); }), "File access denied");
}

TEST_F(Ficheros, ErroresDeRutaConSusMensajes) {
    Crear("normal", "x");
    ASSERT_TRUE(QDir(carpeta_.path()).mkdir("carpeta"));
    SalidaFichero salida;
    const struct {
        const char* caso;
        std::function<void()> llamada;
        const char* mensaje;
    } casos[] = {
        {"leer_inexistente", [&] { LeerFichero(Ruta("no_existe")); }, "File not found"},
        {"leer_carpeta", [&] { LeerFichero(Ruta("carpeta")); }, "File access denied"},
        {"escribir_sobre_carpeta", [&] { EscribirFicheroSeguro(Ruta("carpeta"), "x"); },
         "File access denied"},
        {"escribir_bajo_fichero", [&] { EscribirFicheroSeguro(Ruta("normal/x"), "x"); },
         "I/O error 20"},
        {"escribir_en_carpeta_inexistente",
         [&] { EscribirFicheroSeguro(Ruta("no_existe/x"), "x"); }, "File not found"},
        {"abrir_carpeta", [&] { salida.Abrir(Ruta("carpeta")); }, "File access denied"},
        {"abrir_bajo_fichero", [&] { salida.Abrir(Ruta("normal/x")); }, "I/O error 20"},
        {"abrir_en_carpeta_inexistente", [&] { salida.Abrir(Ruta("no_existe/x")); },
         "File not found"},
        {"escribir_sin_abrir", [&] { salida.Escribir("x", 1); }, "I/O error 9"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EXPECT_EQ(MensajeDe(c.llamada), c.mensaje);
    }
    EXPECT_EQ(Entradas(), QStringList({"carpeta", "normal"}));
    EXPECT_TRUE(QDir(Ruta("carpeta")).isEmpty());
    EXPECT_EQ(LeerFichero(Ruta("normal")), "x");
}

TEST_F(Ficheros, UnFalloAMitadDejaIntactoElFicheroAnterior) {
    const QByteArray anterior = Patron(5000);
    const struct {
        const char* caso;
        std::size_t permitidos;
        int codigo;
        const char* mensaje;
    } casos[] = {
        {"disco_lleno_a_mitad", 70000, ENOSPC, "Disk full"},
        {"disco_lleno_al_empezar", 0, ENOSPC, "Disk full"},
        {"error_de_entrada_salida", 100, EIO, "I/O error 5"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        Crear("problema.lot", anterior);
        const EscrituraQueFalla falla(c.permitidos, c.codigo);
        EXPECT_EQ(MensajeDe([&] { EscribirFicheroSeguro(Ruta("problema.lot"), Patron(150000)); }),
                  c.mensaje);
        EXPECT_EQ(LeerFichero(Ruta("problema.lot")), anterior);
        EXPECT_EQ(Entradas(), QStringList({"problema.lot"}));
    }
}

TEST_F(Ficheros, EscriturasCortasEInterrumpidasSeCompletan) {
    const EscrituraQueFalla aTrozos(SIZE_MAX, ENOSPC, 7, true);
    EscribirFicheroSeguro(Ruta("a_trozos"), Patron(1000));
    EXPECT_EQ(LeerFichero(Ruta("a_trozos")), Patron(1000));
}

TEST_F(Ficheros, ConservaLosPermisosYLosEnlaces) {
    Crear("privado", "viejo");
    ASSERT_EQ(::chmod(QFile::encodeName(Ruta("privado")).constData(), 0640), 0);
    EscribirFicheroSeguro(Ruta("privado"), "nuevo");
    struct stat datos {};
    ASSERT_EQ(::stat(QFile::encodeName(Ruta("privado")).constData(), &datos), 0);
    EXPECT_EQ(datos.st_mode & 07777, 0640u);

    const mode_t mascara = ::umask(027);
    EscribirFicheroSeguro(Ruta("nuevo"), "x");
    ::umask(mascara);
    ASSERT_EQ(::stat(QFile::encodeName(Ruta("nuevo")).constData(), &datos), 0);
    EXPECT_EQ(datos.st_mode & 07777, 0640u);

    ASSERT_TRUE(QFile::link(Ruta("privado"), Ruta("enlace")));
    EscribirFicheroSeguro(Ruta("enlace"), "por el enlace");
    EXPECT_TRUE(QFileInfo(Ruta("enlace")).isSymLink());
    EXPECT_EQ(LeerFichero(Ruta("privado")), "por el enlace");
}

TEST_F(Ficheros, LoQueNoEsUnFicheroSeEscribeEnSuSitio) {
    const QByteArray tuberia = QFile::encodeName(Ruta("tuberia"));
    ASSERT_EQ(::mkfifo(tuberia.constData(), 0600), 0);
    const int lector = ::open(tuberia.constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(lector, 0);
    EscribirFicheroSeguro(Ruta("tuberia"), "por la tuberia");
    char leido[32] = {};
    EXPECT_EQ(::read(lector, leido, sizeof leido), 14);
    ::close(lector);
    EXPECT_STREQ(leido, "por la tuberia");
    EXPECT_FALSE(QFileInfo(Ruta("tuberia")).isFile()); // still the pipe
    EXPECT_EQ(Entradas(), QStringList({"tuberia"}));
}

TEST_F(Ficheros, SalidaFicheroEscribeEnOrdenYVaciaElFichero) {
    Crear("traza.txt", Patron(300000));
    SalidaFichero salida;
    salida.Abrir(Ruta("traza.txt"));
    EXPECT_TRUE(salida.Abierto());
    QByteArray esperado;
    for (int i = 0; i < 20000; ++i) {
        const QByteArray linea = QByteArray::number(i) + "\t290\r\n";
        salida.Escribir(linea);
        esperado += linea;
        if (i == 10000) { // one piece larger than the buffer, between small ones
            salida.Escribir(Patron(100000));
            esperado += Patron(100000);
        }
    }
    salida.Cerrar();
    EXPECT_FALSE(salida.Abierto());
    EXPECT_EQ(LeerFichero(Ruta("traza.txt")), esperado);
}

TEST_F(Ficheros, SalidaFicheroInformaDeLosFallosDeEscritura) {
    SalidaFichero salida;
    salida.Abrir(Ruta("lleno.txt"));
    {
        const EscrituraQueFalla falla(10);
        salida.Escribir("cabecera\r\n", 10);
        salida.Escribir("mas\r\n", 5);
        EXPECT_EQ(MensajeDe([&] { salida.Cerrar(); }), "Disk full");
    }
    EXPECT_FALSE(salida.Abierto());
    EXPECT_EQ(LeerFichero(Ruta("lleno.txt")), "cabecera\r\n");

    salida.Abrir(Ruta("grande.txt"));
    const EscrituraQueFalla falla(1000);
    EXPECT_EQ(MensajeDe([&] { salida.Escribir(Patron(100000)); }), "Disk full");
}

TEST_F(Ficheros, SalidaFicheroSeCierraSolaGuardandoLoEscrito) {
    {
        SalidaFichero salida;
        salida.Abrir(Ruta("primera.txt"));
        salida.Escribir("uno\r\n", 5);
        salida.Abrir(Ruta("segunda.txt")); // a new run reopens without closing first
        salida.Escribir("dos\r\n", 5);
    }
    EXPECT_EQ(LeerFichero(Ruta("primera.txt")), "uno\r\n");
    EXPECT_EQ(LeerFichero(Ruta("segunda.txt")), "dos\r\n");
}

} // namespace
