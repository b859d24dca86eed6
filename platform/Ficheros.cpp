// Whole-file reading and writing, and the buffered output file, over POSIX calls so that every
// failure carries the system's exact error code.
#include "Ficheros.h"

#include "Errores.h"

#include <QFile>

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::size_t tamanoBuffer = 64 * 1024;

FuncionWrite funcionWrite = ::write;

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

// The temporary file of a safe write: removed unless it has become the file.
struct Temporal {
    QByteArray ruta;
    Descriptor descriptor;
    bool colocado = false;
    ~Temporal() {
        if (descriptor.fd >= 0) ::close(descriptor.Soltar());
        if (!colocado && !ruta.isEmpty()) ::unlink(ruta.constData());
    }
};

// Where a write lands: a link is followed, so that replacing the file keeps the link.
QByteArray Destino(const QString& ruta) {
    QByteArray destino = RutaNativa(ruta);
    struct stat datos {};
    if (::lstat(destino.constData(), &datos) == 0 && S_ISLNK(datos.st_mode)) {
        if (char* real = ::realpath(destino.constData(), nullptr)) {
            destino = real;
            std::free(real);
        }
    }
    return destino;
}

// Creates a new, uniquely named file beside `destino`; it inherits 0666 less the umask.
void CrearTemporal(const QByteArray& destino, Temporal& temporal) {
    const qsizetype barra = destino.lastIndexOf('/');
    const QByteArray carpeta = barra < 0 ? QByteArray(".") : destino.left(barra + 1);
    const QByteArray nombre = destino.mid(barra + 1).left(200); // room under NAME_MAX
    static std::atomic<unsigned> contador{0};
    const auto semilla = unsigned(std::chrono::steady_clock::now().time_since_epoch().count());
    for (int intento = 0; intento < 100; ++intento) {
        std::array<char, 16> marca;
        std::snprintf(marca.data(), marca.size(), "%08x",
                      (semilla ^ (unsigned(::getpid()) << 16)) + 2654435761u * ++contador);
        const QByteArray ruta =
            carpeta + (barra < 0 ? "/." : ".") + nombre + '.' + marca.data() + '~';
        const int fd = ::open(ruta.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            temporal.ruta = ruta;
            temporal.descriptor.fd = fd;
            return;
        }
        if (errno != EEXIST) Fallar(errno);
    }
    Fallar(EEXIST);
}

// For what cannot be replaced by a rename (a device, a pipe): written in place.
void EscribirEnSuSitio(const QByteArray& destino, const QByteArray& bytes) {
    Descriptor descriptor{::open(destino.constData(), O_WRONLY | O_TRUNC | O_CLOEXEC)};
    if (descriptor.fd < 0) Fallar(errno);
    if (!EscribirTodo(descriptor.fd, bytes.constData(), std::size_t(bytes.size()))) Fallar(errno);
    if (::close(descriptor.Soltar()) != 0) Fallar(errno);
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
    if (existe && S_ISDIR(datos.st_mode)) Fallar(EISDIR);
    if (existe && !S_ISREG(datos.st_mode)) return EscribirEnSuSitio(destino, bytes);

    Temporal temporal;
    CrearTemporal(destino, temporal);
    const int fd = temporal.descriptor.fd;
    if (!EscribirTodo(fd, bytes.constData(), std::size_t(bytes.size()))) Fallar(errno);
    if (existe && ::fchmod(fd, datos.st_mode & 07777) != 0) Fallar(errno);
    if (::fsync(fd) != 0) Fallar(errno);
    if (::close(temporal.descriptor.Soltar()) != 0) Fallar(errno);
    if (::rename(temporal.ruta.constData(), destino.constData()) != 0) Fallar(errno);
    temporal.colocado = true;

    // The rename itself reaches the disk with the folder; the file is already in place, so a
    // failure here is not reported.
    const qsizetype barra = destino.lastIndexOf('/');
    const QByteArray carpeta = barra < 0 ? QByteArray(".") : destino.left(barra + 1);
    Descriptor descriptorCarpeta{::open(carpeta.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (descriptorCarpeta.fd >= 0) ::fsync(descriptorCarpeta.fd);
}

SalidaFichero::~SalidaFichero() {
    try {
        Cerrar();
    } catch (const EInOutError&) {
        // Closing without reporting: what could be written is written.
    }
}

void SalidaFichero::Abrir(const QString& ruta) {
    if (Abierto()) {
        try {
            Cerrar();
        } catch (const EInOutError&) {
            // The previous file's failure belongs to its own run.
        }
    }
    const int fd =
        ::open(RutaNativa(ruta).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) Fallar(errno);
    fd_ = fd;
    buffer_.resize(tamanoBuffer + Holgura);
    usados_ = 0;
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

char* SalidaFichero::Espacio(std::size_t n) {
    if (!Abierto()) Fallar(EBADF);
    if (usados_ + n > tamanoBuffer) Vaciar();
    char* const destino = buffer_.data() + usados_;
    usados_ += n;
    return destino;
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
    if (::close(std::exchange(fd_, -1)) != 0 && codigo == 0) codigo = errno;
    if (codigo != 0) Fallar(codigo);
}

FuncionWrite CambiarFuncionWrite(FuncionWrite nueva) {
    return std::exchange(funcionWrite, nueva);
}
