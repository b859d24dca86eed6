// Files: whole reads, safe whole writes, the buffered output file and their error messages.
// Failures of write(2) are provoked through the layer's seam; permission bits are relied on only
// in a child process that runs as an ordinary user, since the tests may run as root.
#include "Errores.h"
#include "Ficheros.h"
#include "MensajeDe.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
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

struct stat Datos(const QString& ruta) {
    struct stat datos {};
    ::lstat(QFile::encodeName(ruta).constData(), &datos);
    return datos;
}

// The user the child of ComoUsuarioCorriente runs as: nobody when the tests run as root.
uid_t UsuarioCorriente() {
    return ::geteuid() == 0 ? 65534 : ::geteuid();
}

// Runs `escenario` in a child process as UsuarioCorriente, so that permission bits count; returns
// what the child found wrong, empty when nothing.
std::string ComoUsuarioCorriente(const std::function<std::string()>& escenario) {
    int tubo[2];
    if (::pipe(tubo) != 0) return "no pipe";
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        ::close(tubo[0]);
        std::string fallo;
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            fallo = "could not become an ordinary user";
        else if (const std::string error = MensajeDe([&] { fallo = escenario(); });
                 error != "(ningún error)")
            fallo += "the scenario threw " + error;
        const ssize_t escritos = ::write(tubo[1], fallo.data(), fallo.size());
        ::_exit(escritos == ssize_t(fallo.size()) ? 0 : 1);
    }
    ::close(tubo[1]);
    std::string informe;
    char trozo[256];
    for (ssize_t n; (n = ::read(tubo[0], trozo, sizeof trozo)) > 0;) informe.append(trozo, n);
    ::close(tubo[0]);
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) informe += " (the child failed)";
    return informe;
}

// An ordinary user's protections hold: a read-only file is refused before anything is written;
// a file that can be written but not replaced (its folder takes no new file, another user owns
// it) is written in place and keeps its owner and permissions.
TEST_F(Ficheros, RespetaLaProteccionDeCadaFichero) {
    const uid_t usuario = UsuarioCorriente();
    const auto preparar = [&](const QString& nombre, mode_t modo, uid_t dueno) {
        Crear(nombre, "viejo");
        const QByteArray ruta = QFile::encodeName(Ruta(nombre));
        return ::chown(ruta.constData(), dueno, gid_t(-1)) == 0 &&
               ::chmod(ruta.constData(), modo) == 0;
    };
    ASSERT_EQ(::chmod(QFile::encodeName(carpeta_.path()).constData(), 0777), 0);
    ASSERT_TRUE(QDir(carpeta_.path()).mkdir("cerrada"));
    ASSERT_TRUE(preparar("solo_lectura.sol", 0444, usuario));
    ASSERT_TRUE(preparar("cerrada/propio.sol", 0640, usuario));
    ASSERT_EQ(::chmod(QFile::encodeName(Ruta("cerrada")).constData(), 0555), 0);
    const bool hayOtroUsuario = ::geteuid() == 0;
    if (hayOtroUsuario) {
        ASSERT_TRUE(preparar("ajeno.sol", 0666, 0));
    }
    const struct stat propio = Datos(Ruta("cerrada/propio.sol"));
    const struct stat ajeno = Datos(Ruta("ajeno.sol"));

    EXPECT_EQ(
        ComoUsuarioCorriente([&] {
            std::string fallos;
            const auto comprobar = [&](bool bien, const char* que) {
                if (!bien) fallos += std::string(que) + "; ";
            };
            comprobar(MensajeDe([&] { EscribirFicheroSeguro(Ruta("solo_lectura.sol"), "x"); }) ==
                          "File access denied",
                      "read-only file not refused");
            comprobar(MensajeDe([&] { SalidaFichero().Abrir(Ruta("solo_lectura.sol")); }) ==
                          "File access denied",
                      "read-only trace not refused");
            comprobar(LeerFichero(Ruta("solo_lectura.sol")) == "viejo", "read-only file changed");
            EscribirFicheroSeguro(Ruta("cerrada/propio.sol"), "nuevo");
            if (hayOtroUsuario) EscribirFicheroSeguro(Ruta("ajeno.sol"), "nuevo");
            return fallos;
        }),
        "");
    ASSERT_EQ(::chmod(QFile::encodeName(Ruta("cerrada")).constData(), 0755), 0);

    EXPECT_EQ(
        Entradas(),
        QStringList({"ajeno.sol", "cerrada", "solo_lectura.sol"}).mid(hayOtroUsuario ? 0 : 1));
    EXPECT_EQ(QDir(Ruta("cerrada")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"propio.sol"}));
    EXPECT_EQ(LeerFichero(Ruta("cerrada/propio.sol")), "nuevo");
    const struct stat despues = Datos(Ruta("cerrada/propio.sol"));
    EXPECT_EQ(despues.st_ino, propio.st_ino);
    EXPECT_EQ(despues.st_mode & 07777, 0640u);
    if (hayOtroUsuario) {
        EXPECT_EQ(LeerFichero(Ruta("ajeno.sol")), "nuevo");
        const struct stat ajenoDespues = Datos(Ruta("ajeno.sol"));
        EXPECT_EQ(ajenoDespues.st_ino, ajeno.st_ino);
        EXPECT_EQ(ajenoDespues.st_uid, 0u);
        EXPECT_EQ(ajenoDespues.st_mode & 07777, 0666u);
    }
}

// Where the rename is possible the new file still takes the old one's owner and group.
TEST_F(Ficheros, ElReemplazoConservaDuenoYGrupo) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root can give a file to another user";
    Crear("de_otro.lot", "viejo");
    ASSERT_EQ(::chown(QFile::encodeName(Ruta("de_otro.lot")).constData(), 65534, 65534), 0);
    EscribirFicheroSeguro(Ruta("de_otro.lot"), "nuevo");
    EXPECT_EQ(Datos(Ruta("de_otro.lot")).st_uid, 65534u);
    EXPECT_EQ(Datos(Ruta("de_otro.lot")).st_gid, 65534u);
}

// Every name of a file with hard links sees the new text.
TEST_F(Ficheros, UnFicheroConVariosNombresSeEscribeEnSuSitio) {
    Crear("a.lot", "viejo");
    ASSERT_TRUE(::link(QFile::encodeName(Ruta("a.lot")).constData(),
                       QFile::encodeName(Ruta("b.lot")).constData()) == 0);
    const ino_t nodo = Datos(Ruta("a.lot")).st_ino;
    EscribirFicheroSeguro(Ruta("a.lot"), "nuevo");
    EXPECT_EQ(LeerFichero(Ruta("b.lot")), "nuevo");
    EXPECT_EQ(Datos(Ruta("a.lot")).st_ino, nodo);
    EXPECT_EQ(Entradas(), QStringList({"a.lot", "b.lot"}));
}

int SinSitio(int, off_t, off_t) {
    return ENOSPC;
}

// A file written in place (one with other names, a trace) changes only once the disk holds its
// new content: on a full disk its old content stays whole; with room the new one takes its place
// whole, however shorter.
TEST_F(Ficheros, LoEscritoEnSuSitioConservaLoAnteriorSiNoCabe) {
    const QByteArray anterior = Patron(5000);
    Crear("informe.pdf", anterior);
    ASSERT_TRUE(::link(QFile::encodeName(Ruta("informe.pdf")).constData(),
                       QFile::encodeName(Ruta("copia.pdf")).constData()) == 0);
    Crear("traza.txt", anterior);
    {
        const FuncionReservar reservar = CambiarFuncionReservar(&SinSitio);
        const EscrituraQueFalla lleno(1000);
        EXPECT_EQ(MensajeDe([&] { EscribirFicheroSeguro(Ruta("informe.pdf"), Patron(150000)); }),
                  "Disk full");
        EXPECT_EQ(MensajeDe([&] { SalidaFichero().Abrir(Ruta("traza.txt"), 150000); }),
                  "Disk full");
        CambiarFuncionReservar(reservar);
    }
    for (const char* nombre : {"informe.pdf", "copia.pdf", "traza.txt"})
        EXPECT_EQ(LeerFichero(Ruta(nombre)), anterior) << nombre;

    EscribirFicheroSeguro(Ruta("informe.pdf"), "corto");
    EXPECT_EQ(LeerFichero(Ruta("copia.pdf")), "corto");
}

// A link to a file that does not exist yet creates that file; the link stays a link.
TEST_F(Ficheros, UnEnlaceSinDestinoCreaElDestino) {
    ASSERT_TRUE(QDir(carpeta_.path()).mkdir("destinos"));
    const auto enlazar = [&](const char* objetivo, const QString& enlace) {
        return ::symlink(objetivo, QFile::encodeName(Ruta(enlace)).constData()) == 0;
    };
    ASSERT_TRUE(enlazar("destinos/nuevo.sol", "directo.sol"));
    ASSERT_TRUE(enlazar("intermedio", "cadena.sol"));
    ASSERT_TRUE(enlazar("destinos/../destinos/otro.sol", "intermedio"));
    ASSERT_TRUE(enlazar("bucle", "bucle"));
    EscribirFicheroSeguro(Ruta("directo.sol"), "uno");
    SalidaFichero salida;
    salida.Abrir(Ruta("cadena.sol"));
    salida.Cerrar();
    EscribirFicheroSeguro(Ruta("cadena.sol"), "dos");
    EXPECT_EQ(MensajeDe([&] { EscribirFicheroSeguro(Ruta("bucle"), "x"); }), "I/O error 40");

    for (const char* enlace : {"directo.sol", "cadena.sol", "intermedio"})
        EXPECT_TRUE(QFileInfo(Ruta(enlace)).isSymLink()) << enlace;
    EXPECT_EQ(LeerFichero(Ruta("destinos/nuevo.sol")), "uno");
    EXPECT_EQ(LeerFichero(Ruta("destinos/otro.sol")), "dos");
    EXPECT_EQ(QDir(Ruta("destinos")).entryList(QDir::Files | QDir::Hidden),
              QStringList({"nuevo.sol", "otro.sol"}));
}

// A pipe that nobody reads or a socket would hold the program for good: refused at once.
TEST_F(Ficheros, NuncaEsperaAUnaTuberiaSinLector) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(Ruta("tuberia")).constData(), 0600), 0);
    const int enchufe = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un direccion{};
    direccion.sun_family = AF_UNIX;
    const QByteArray rutaEnchufe = QFile::encodeName(Ruta("enchufe"));
    ASSERT_LT(std::size_t(rutaEnchufe.size()), sizeof direccion.sun_path);
    std::memcpy(direccion.sun_path, rutaEnchufe.constData(), std::size_t(rutaEnchufe.size()));
    ASSERT_EQ(::bind(enchufe, reinterpret_cast<sockaddr*>(&direccion), sizeof direccion), 0);
    for (const char* nombre : {"tuberia", "enchufe"}) {
        SCOPED_TRACE(nombre);
        EXPECT_EQ(MensajeDe([&] { EscribirFicheroSeguro(Ruta(nombre), "x"); }),
                  "File access denied");
        EXPECT_EQ(MensajeDe([&] { SalidaFichero().Abrir(Ruta(nombre)); }), "File access denied");
    }
    ::close(enchufe);
    // A character device is written as it is.
    EscribirFicheroSeguro(QStringLiteral("/dev/null"), "x");
    SalidaFichero nula;
    nula.Abrir(QStringLiteral("/dev/null"));
    nula.Escribir("x", 1);
    nula.Cerrar();
}

// Temporary files left by a save that was killed go with the next save of the same file; those
// of a save still in progress (locked) and of other files stay.
TEST_F(Ficheros, LaSiguienteEscrituraBorraLosRestosDeUnaInterrumpida) {
    for (const char* nombre :
         {".problema.lot.0badf00d~", ".problema.lot.12345678~", ".problema.lot.cafecafe~",
          ".problema.lot.1234567~", ".otro.lot.0badf00d~", "problema.lot"})
        Crear(nombre, "resto");
    const int enCurso =
        ::open(QFile::encodeName(Ruta(".problema.lot.cafecafe~")).constData(), O_RDONLY);
    ASSERT_EQ(::flock(enCurso, LOCK_EX), 0);
    EscribirFicheroSeguro(Ruta("problema.lot"), "nuevo");
    ::close(enCurso);
    EXPECT_EQ(Entradas(), QStringList({".otro.lot.0badf00d~", ".problema.lot.1234567~",
                                       ".problema.lot.cafecafe~", "problema.lot"}));
}

// The space a trace can take is asked of the disk that would hold it; writing to a device or a
// pipe takes none, and a folder that does not exist has no answer.
TEST_F(Ficheros, EspacioDisponibleDelDiscoDelFichero) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(Ruta("tuberia")).constData(), 0600), 0);
    Crear("existente.txt", Patron(100000));
    EXPECT_TRUE(EspacioDisponible(Ruta("nuevo.txt")));
    EXPECT_GE(EspacioDisponible(Ruta("existente.txt")).value_or(0), 100000u);
    for (const QString& ruta :
         {QStringLiteral("/dev/null"), Ruta("tuberia"), Ruta("no/existe.txt")})
        EXPECT_FALSE(EspacioDisponible(ruta)) << ruta.toStdString();
}

// Writes nothing and raises the signal of GetParam(), as a user ending the program mid-save.
int senalDuranteEscritura = 0;
ssize_t EscribirYRecibirSenal(int, const void*, std::size_t) {
    std::raise(senalDuranteEscritura);
    errno = EIO;
    return -1;
}

class SenalDuranteEscritura : public Ficheros, public testing::WithParamInterface<int> {};

TEST_P(SenalDuranteEscritura, BorraElFicheroTemporal) {
    Crear("problema.lot", "viejo");
    EXPECT_EXIT(
        {
            BorrarTemporalesAlTerminar();
            senalDuranteEscritura = GetParam();
            CambiarFuncionWrite(&EscribirYRecibirSenal);
            EscribirFicheroSeguro(Ruta("problema.lot"), "nuevo");
        },
        testing::KilledBySignal(GetParam()), "");
    EXPECT_EQ(Entradas(), QStringList({"problema.lot"}));
    EXPECT_EQ(LeerFichero(Ruta("problema.lot")), "viejo");
}

// An output file written over a longer one keeps only what was written when the program ends.
TEST_P(SenalDuranteEscritura, UnaSalidaQuedaConLoEscrito) {
    Crear("traza.txt", Patron(300000));
    EXPECT_EXIT(
        {
            BorrarTemporalesAlTerminar();
            SalidaFichero salida;
            salida.Abrir(Ruta("traza.txt"));
            salida.Escribir(Patron(100000)); // larger than the buffer: written at once
            std::raise(GetParam());
        },
        testing::KilledBySignal(GetParam()), "");
    EXPECT_EQ(LeerFichero(Ruta("traza.txt")), Patron(100000));
}

INSTANTIATE_TEST_SUITE_P(Ficheros, SenalDuranteEscritura, testing::Values(SIGTERM, SIGINT),
                         [](const auto& instancia) {
                             return std::string(instancia.param == SIGTERM ? "SIGTERM" : "SIGINT");
                         });

} // namespace
