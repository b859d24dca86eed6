// Whole-file reading and writing, and the buffered output file, over POSIX calls so that every
// failure carries the system's exact error code.
#include "Ficheros.h"

#include "Errores.h"

#include <QFile>

#include <array>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::size_t tamanoBuffer = 64 * 1024;

FuncionWrite funcionWrite = ::write;

// Reserves on the disk `bytes` bytes of the file from `desde` on; 0 or the error code.
int ReservarEnDisco(int fd, off_t desde, off_t bytes) {
    int resultado;
    do resultado = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, desde, bytes);
    while (resultado != 0 && errno == EINTR);
    if (resultado == 0) return 0;
    if (errno == ENOSPC || errno == EDQUOT) return errno;
    // A file system that reserves nothing beyond a file's end: the plain reservation, which the C
    // library makes by writing the blocks where the file system cannot; it lengthens the file
    // until the write cuts it to its size.
    return ::posix_fallocate(fd, desde, bytes);
}

FuncionReservar funcionReservar = ReservarEnDisco;

[[noreturn]] void Fallar(int codigoErrno) {
    throw EInOutError(codigoErrno);
}

QByteArray RutaNativa(const QString& ruta) {
    return QFile::encodeName(ruta);
}

// Writes all n bytes, resuming after short writes and interruptions. False with errno set.
bool EscribirTodo(int fd, const char* datos, std::size_t n) {
    while (n > 0) {
        const ssize_t escritos = funcionWrite(fd, datos, n);
        if (escritos < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (escritos == 0) {
            errno = EIO;
            return false;
        }
        datos += escritos;
        n -= std::size_t(escritos);
    }
    return true;
}

// Closes a descriptor when it goes out of scope, after an error or not.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
    int Soltar() { return std::exchange(fd, -1); }
};

// The temporary file being written, for the handler of SIGTERM and SIGINT: a fixed buffer,
// since a handler may not allocate. Saves run one at a time, on the interface thread.
std::array<char, PATH_MAX> temporalEnCurso{};
std::atomic<bool> hayTemporalEnCurso{false};

// The output file being written: one written over an older, longer file still holds that file's
// tail until it is closed.
std::atomic<int> salidaEnCurso{-1};

void BorrarTemporalYTerminar(int senal) {
    if (hayTemporalEnCurso.load()) ::unlink(temporalEnCurso.data());
    if (const int salida = salidaEnCurso.load(); salida >= 0) {
        const off_t escrito = ::lseek(salida, 0, SEEK_CUR);
        if (escrito >= 0) ::ftruncate(salida, escrito);
    }
    // The signal, raised again, ends the program as it would have without this handler once
    // the handler returns.
    ::signal(senal, SIG_DFL);
    ::raise(senal);
}

// The temporary file of a safe write: removed unless it has become the file.
struct Temporal {
    QByteArray ruta;
    Descriptor descriptor;
    bool colocado = false;
    void Anunciar() {
        if (std::size_t(ruta.size()) >= temporalEnCurso.size()) return;
        std::memcpy(temporalEnCurso.data(), ruta.constData(), std::size_t(ruta.size()) + 1);
        hayTemporalEnCurso.store(true);
    }
    ~Temporal() {
        hayTemporalEnCurso.store(false);
        if (descriptor.fd >= 0) ::close(descriptor.Soltar());
        if (!colocado && !ruta.isEmpty()) ::unlink(ruta.constData());
    }
};

// Where a write lands: a symbolic link is followed, so that replacing the file keeps the link,
// and a link to a file that does not exist yet leads to where the write creates it.
QByteArray Destino(const QString& ruta) {
    QByteArray destino = RutaNativa(ruta);
    struct stat datos {};
    if (::lstat(destino.constData(), &datos) != 0 || !S_ISLNK(datos.st_mode)) return destino;
    if (::stat(destino.constData(), &datos) == 0) {
        // A link to a pipe or a terminal (/dev/stdout) has no path to resolve: written through.
        if (char* real = ::realpath(destino.constData(), nullptr)) {
            destino = real;
            std::free(real);
        }
        return destino;
    }
    constexpr int maximoSaltos = 40; // as the system follows them
    for (int saltos = 0;; ++saltos) {
        if (::lstat(destino.constData(), &datos) != 0 || !S_ISLNK(datos.st_mode)) return destino;
        if (saltos == maximoSaltos) Fallar(ELOOP);
        std::array<char, PATH_MAX> enlace;
        const ssize_t n = ::readlink(destino.constData(), enlace.data(), enlace.size());
        if (n < 0) Fallar(errno);
        if (std::size_t(n) == enlace.size()) Fallar(ENAMETOOLONG);
        QByteArray objetivo(enlace.data(), qsizetype(n));
        // A relative link is relative to the folder that holds it.
        if (!objetivo.startsWith('/')) objetivo.prepend(destino.left(destino.lastIndexOf('/') + 1));
        destino = objetivo;
    }
}

// The folder of `destino` and the start of its temporary files' names: ".NAME." beside it.
struct NombresTemporales {
    QByteArray carpeta;
    QByteArray prefijo;
};

// The folder that holds `ruta`, with its final slash.
QByteArray Carpeta(const QByteArray& ruta) {
    const qsizetype barra = ruta.lastIndexOf('/');
    return barra < 0 ? QByteArray("./") : ruta.left(barra + 1);
}

NombresTemporales Temporales(const QByteArray& destino) {
    const QByteArray nombre = destino.mid(destino.lastIndexOf('/') + 1).left(200); // under NAME_MAX
    return {Carpeta(destino), '.' + nombre + '.'};
}

constexpr int cifrasMarca = 8;

// A temporary file name of `destino`: the prefix, eight hexadecimal digits and "~".
bool EsTemporal(const char* entrada, const QByteArray& prefijo) {
    const std::size_t largo = std::strlen(entrada);
    const auto n = std::size_t(prefijo.size());
    if (largo != n + cifrasMarca + 1 || std::memcmp(entrada, prefijo.constData(), n) != 0 ||
        entrada[largo - 1] != '~')
        return false;
    for (std::size_t i = n; i < n + cifrasMarca; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(entrada[i]))) return false;
    return true;
}

// A save that was killed leaves its temporary file behind; the next save of the same file
// removes it. Every live save holds a lock on its own, which is left alone.
void BorrarRestos(const QByteArray& destino) {
    const NombresTemporales nombres = Temporales(destino);
    DIR* carpeta = ::opendir(nombres.carpeta.constData());
    if (carpeta == nullptr) return;
    while (const dirent* entrada = ::readdir(carpeta)) {
        if (!EsTemporal(entrada->d_name, nombres.prefijo)) continue;
        const QByteArray ruta = nombres.carpeta + entrada->d_name;
        Descriptor resto{::open(ruta.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
        if (resto.fd >= 0 && ::flock(resto.fd, LOCK_EX | LOCK_NB) == 0) ::unlink(ruta.constData());
    }
    ::closedir(carpeta);
}

// Creates a new, uniquely named file beside `destino`; it inherits 0666 less the umask. False
// with errno set when the folder takes no new file.
bool CrearTemporal(const QByteArray& destino, Temporal& temporal) {
    const NombresTemporales nombres = Temporales(destino);
    static std::atomic<unsigned> contador{0};
    const auto semilla = unsigned(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int intento = 0; intento < 100; ++intento) {
        std::array<char, 16> marca;
        std::snprintf(marca.data(), marca.size(), "%08x",
                      (semilla ^ (unsigned(::getpid()) << 16)) + 2654435761u * ++contador);
        const QByteArray ruta = nombres.carpeta + nombres.prefijo + marca.data() + '~';
        Descriptor descriptor{
            ::open(ruta.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666)};
        if (descriptor.fd < 0) {
            if (errno == EEXIST) continue;
            if (errno == EACCES || errno == EPERM || errno == EROFS) return false;
            Fallar(errno);
        }
        // Locked so that another save's cleaning leaves it alone; one cleaned away before the
        // lock was taken is no longer this name, and another is chosen.
        ::flock(descriptor.fd, LOCK_EX | LOCK_NB);
        struct stat abierto {};
        struct stat nombrado {};
        if (::fstat(descriptor.fd, &abierto) != 0 || ::lstat(ruta.constData(), &nombrado) != 0 ||
            abierto.st_ino != nombrado.st_ino || abierto.st_dev != nombrado.st_dev)
            continue;
        temporal.ruta = ruta;
        temporal.descriptor.fd = descriptor.Soltar();
        temporal.Anunciar();
        return true;
    }
    Fallar(EEXIST);
}

// Opens for writing without ever waiting: a pipe that nobody reads would hold the program for
// good. Only regular files, character devices and pipes with a reader are written; datos
// receives what the file is.
int AbrirParaEscribir(const QByteArray& ruta, int opciones, struct stat& datos) {
    Descriptor descriptor{
        ::open(ruta.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | opciones, 0666)};
    if (descriptor.fd < 0) Fallar(errno == ENXIO ? EACCES : errno); // ENXIO: a pipe, no reader
    if (::fstat(descriptor.fd, &datos) != 0) Fallar(errno);
    if (!S_ISREG(datos.st_mode) && !S_ISCHR(datos.st_mode) && !S_ISFIFO(datos.st_mode))
        Fallar(EACCES);
    // From here on a full pipe waits for its reader, as any writer does.
    const int estado = ::fcntl(descriptor.fd, F_GETFL);
    if (estado < 0 || ::fcntl(descriptor.fd, F_SETFL, estado & ~O_NONBLOCK) != 0) Fallar(errno);
    return descriptor.Soltar();
}

// Makes the disk hold the first `bytes` bytes of the regular file open at fd, which takes
// `tamano` now, so that writing them cannot find it full and leave the old content half
// overwritten. A failure gives back what it reserved and throws, the file as it was. An empty
// file has nothing to lose: it is written as it comes, as a new one is.
void Reservar(int fd, std::uint64_t bytes, off_t tamano) {
    if (tamano == 0) return;
    if (bytes <= std::uint64_t(tamano)) return; // written over blocks the file already has
    const off_t falta = off_t(bytes) - tamano;
    const int codigo = funcionReservar(fd, tamano, falta);
    if (codigo == 0) return;
    // Left reserved, what a failure did reserve would keep the disk full.
    ::fallocate(fd, FALLOC_FL_PUNCH_HOLE | FALLOC_FL_KEEP_SIZE, tamano, falta);
    struct stat datos {};
    if (::fstat(fd, &datos) == 0 && datos.st_size != tamano) ::ftruncate(fd, tamano);
    Fallar(codigo);
}

// Written where it is: what no rename can replace (a device, a pipe, a file with other names or
// another owner, or in a folder that takes no new file). A file keeps its old content until the
// disk holds the new one, and is cut to it once written; a failure after that (not of a full
// disk) leaves the file incomplete.
void EscribirEnSuSitio(const QByteArray& destino, const QByteArray& bytes) {
    struct stat datos {};
    Descriptor descriptor{AbrirParaEscribir(destino, 0, datos)};
    const auto n = std::size_t(bytes.size());
    const bool regular = S_ISREG(datos.st_mode);
    if (regular) Reservar(descriptor.fd, n, datos.st_size);
    if (!EscribirTodo(descriptor.fd, bytes.constData(), n)) Fallar(errno);
    if (regular && ::ftruncate(descriptor.fd, off_t(n)) != 0) Fallar(errno);
    if (::close(descriptor.Soltar()) != 0) Fallar(errno);
}

// Writes the file through a temporary one beside it, which replaces it only once complete, so a
// failure leaves the old file whole. False, with nothing changed, where the replacement would not
// be the same file: the folder takes no new file, the old file's owner or group cannot be given
// to it (another user's file), or the old file cannot be replaced (a mount point).
bool EscribirPorTemporal(const QByteArray& destino, const struct stat* anterior,
                         const QByteArray& bytes) {
    Temporal temporal;
    if (!CrearTemporal(destino, temporal)) {
        if (anterior != nullptr) return false;
        Fallar(errno);
    }
    const int fd = temporal.descriptor.fd;
    if (anterior != nullptr) {
        if (::fchown(fd, anterior->st_uid, anterior->st_gid) != 0) return false;
        if (::fchmod(fd, anterior->st_mode & 07777) != 0) Fallar(errno);
    }
    if (!EscribirTodo(fd, bytes.constData(), std::size_t(bytes.size()))) Fallar(errno);
    if (::fsync(fd) != 0) Fallar(errno);
    if (::close(temporal.descriptor.Soltar()) != 0) Fallar(errno);
    if (::rename(temporal.ruta.constData(), destino.constData()) != 0) {
        if (errno == EBUSY && anterior != nullptr) return false;
        Fallar(errno);
    }
    temporal.colocado = true;

    // The rename itself reaches the disk with the folder; the file is already in place, so a
    // failure here is not reported.
    Descriptor carpeta{::open(Carpeta(destino).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (carpeta.fd >= 0) ::fsync(carpeta.fd);
    return true;
}

} // namespace

namespace {

// What a text reader ever needs of one file, so that a huge file chosen by mistake cannot
// exhaust the memory.
constexpr qsizetype LimiteTexto = 16 * 1024 * 1024;

// Reads the file up to the end, or when lineas > 0 up to its lineas-th LF or a Ctrl-Z (the
// end of a text), and at most LimiteTexto bytes then. Only regular files: a pipe or a device
// could block the program or never end.
QByteArray Leer(const QString& ruta, int lineas) {
    Descriptor descriptor{::open(RutaNativa(ruta).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (descriptor.fd < 0) Fallar(errno);
    struct stat datos {};
    if (::fstat(descriptor.fd, &datos) != 0) Fallar(errno);
    if (S_ISDIR(datos.st_mode)) Fallar(EISDIR);
    if (!S_ISREG(datos.st_mode)) Fallar(EACCES);

    QByteArray contenido;
    if (lineas <= 0) contenido.reserve(qsizetype(datos.st_size));
    std::array<char, tamanoBuffer> trozo;
    for (;;) {
        const ssize_t leidos = ::read(descriptor.fd, trozo.data(), trozo.size());
        if (leidos < 0) {
            if (errno == EINTR) continue;
            Fallar(errno);
        }
        if (leidos == 0) return contenido;
        const qsizetype desde = contenido.size();
        contenido.append(trozo.data(), qsizetype(leidos));
        if (lineas <= 0) continue;
        for (qsizetype i = desde; i < contenido.size(); ++i) {
            if (contenido[i] == '\x1a' || (contenido[i] == '\n' && --lineas == 0)) {
                contenido.truncate(i + 1);
                return contenido;
            }
        }
        if (contenido.size() >= LimiteTexto) {
            contenido.truncate(LimiteTexto);
            return contenido;
        }
    }
}

} // namespace

QByteArray LeerFichero(const QString& ruta) {
    return Leer(ruta, 0);
}

QByteArray LeerLineas(const QString& ruta, int lineas) {
    return Leer(ruta, lineas);
}

void EscribirFicheroSeguro(const QString& ruta, const QByteArray& bytes) {
    const QByteArray destino = Destino(ruta);
    if (destino.isEmpty()) Fallar(ENOENT);
    struct stat datos {};
    const bool existe = ::stat(destino.constData(), &datos) == 0;
    if (!existe && errno != ENOENT) Fallar(errno);
    if (existe) {
        if (S_ISDIR(datos.st_mode)) Fallar(EISDIR);
        // A file the user may not write is refused before anything is written, as the system
        // refuses opening it, even where the folder would take its replacement.
        if (::faccessat(AT_FDCWD, destino.constData(), W_OK, AT_EACCESS) != 0) Fallar(errno);
        // A rename would leave the other names of the file with the old text.
        if (!S_ISREG(datos.st_mode) || datos.st_nlink > 1) return EscribirEnSuSitio(destino, bytes);
    }
    BorrarRestos(destino);
    if (!EscribirPorTemporal(destino, existe ? &datos : nullptr, bytes))
        EscribirEnSuSitio(destino, bytes);
}

std::optional<std::uint64_t> EspacioDisponible(const QString& ruta) {
    const QByteArray nativa = RutaNativa(ruta);
    struct stat datos {};
    const bool existe = ::stat(nativa.constData(), &datos) == 0;
    if (existe && !S_ISREG(datos.st_mode)) return std::nullopt;
    const QByteArray donde = existe ? nativa : Carpeta(nativa);
    struct statvfs disco {};
    if (::statvfs(donde.constData(), &disco) != 0) return std::nullopt;
    const std::uint64_t libre = std::uint64_t(disco.f_bavail) * std::uint64_t(disco.f_frsize);
    // Rewriting a file frees its blocks, unless another name keeps them.
    const bool liberable = existe && datos.st_nlink == 1;
    return libre + (liberable ? std::uint64_t(datos.st_blocks) * 512 : 0);
}

SalidaFichero::~SalidaFichero() {
    try {
        Cerrar();
    } catch (const EInOutError&) {
        // Closing without reporting: what could be written is written.
    }
}

bool SalidaFichero::Abrir(const QString& ruta, std::uint64_t reserva) {
    if (Abierto()) {
        try {
            Cerrar();
        } catch (const EInOutError&) {
            // The previous file's failure belongs to its own run.
        }
    }
    // Not emptied on opening: nothing of the file changes until it is this writer's.
    struct stat datos {};
    Descriptor descriptor{AbrirParaEscribir(RutaNativa(ruta), O_CREAT, datos)};
    const bool regular = S_ISREG(datos.st_mode);
    if (regular) {
        // A file system without locks leaves the file to whoever writes it, as before them.
        if (::flock(descriptor.fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) return false;
        Reservar(descriptor.fd, reserva, datos.st_size);
    }
    fd_ = descriptor.Soltar();
    regular_ = regular;
    if (regular_) salidaEnCurso.store(fd_);
    buffer_.resize(tamanoBuffer);
    usados_ = 0;
    return true;
}

void SalidaFichero::Escribir(const char* datos, std::size_t n) {
    if (!Abierto()) Fallar(EBADF);
    if (usados_ + n > tamanoBuffer) {
        Vaciar();
        if (n >= tamanoBuffer) {
            if (!EscribirTodo(fd_, datos, n)) Fallar(errno);
            return;
        }
    }
    std::memcpy(buffer_.data() + usados_, datos, n);
    usados_ += n;
}

void SalidaFichero::Vaciar() {
    const bool escrito = EscribirTodo(fd_, buffer_.data(), usados_);
    const int codigo = errno;
    // Bytes that failed are not written again: part of them may already be in the file.
    usados_ = 0;
    if (!escrito) Fallar(codigo);
}

void SalidaFichero::Cerrar() {
    if (!Abierto()) return;
    int codigo = 0;
    if (!EscribirTodo(fd_, buffer_.data(), usados_)) codigo = errno;
    usados_ = 0;
    if (regular_) {
        // What the file held beyond what was written (an older file's tail, the room reserved)
        // goes.
        const off_t escrito = ::lseek(fd_, 0, SEEK_CUR);
        if ((escrito < 0 || ::ftruncate(fd_, escrito) != 0) && codigo == 0) codigo = errno;
        int propio = fd_;
        salidaEnCurso.compare_exchange_strong(propio, -1);
    }
    if (::close(std::exchange(fd_, -1)) != 0 && codigo == 0) codigo = errno;
    if (codigo != 0) Fallar(codigo);
}

FuncionWrite CambiarFuncionWrite(FuncionWrite nueva) {
    return std::exchange(funcionWrite, nueva);
}

FuncionReservar CambiarFuncionReservar(FuncionReservar nueva) {
    return std::exchange(funcionReservar, nueva);
}

void BorrarTemporalesAlTerminar() {
    for (const int senal : {SIGTERM, SIGINT}) {
        struct sigaction actual {};
        // An ignored signal (a program started in the background) stays ignored.
        if (::sigaction(senal, nullptr, &actual) != 0 || actual.sa_handler == SIG_IGN) continue;
        struct sigaction nueva {};
        nueva.sa_handler = BorrarTemporalYTerminar;
        sigemptyset(&nueva.sa_mask);
        ::sigaction(senal, &nueva, nullptr);
    }
}
