// Reading and writing whole files, and a buffered output file for long traces. Every failure
// throws EInOutError with the system's error code.
#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Reads the whole file. Only a regular file: anything else is "File access denied".
QByteArray LeerFichero(const QString& ruta);

// Reads the first lines of a text file: up to its lineas-th LF or a Ctrl-Z, whichever comes
// first, and never more than 16 MiB, however large the file is.
QByteArray LeerLineas(const QString& ruta, int lineas);

// Writes the whole file so that a failure never destroys the file that was there: the bytes go
// to a temporary file beside it, which replaces the old one only once it is complete and takes
// its owner, group and permissions. A file the user may not write is refused ("File access
// denied"). Written in place, as a plain write would, where a replacement would not be the
// same file: other hard links, another user's file, a folder that takes no new file, a device
// or a pipe; a file written in place is changed only once the disk holds its new size, and
// keeps its old content when it cannot ("Disk full"). A symbolic link is written through, also
// to a file that does not exist yet. A pipe without a reader and anything but a file, a
// character device or a pipe is refused.
void EscribirFicheroSeguro(const QString& ruta, const QByteArray& bytes);

// Makes SIGTERM and SIGINT remove the temporary file of a save in progress, and cut an output
// file being written to what it holds, before the program ends as those signals end it. A save
// killed outright leaves its temporary file, which the next save of the same file removes.
void BorrarTemporalesAlTerminar();

// The bytes that a file written at `ruta` can take: the free space of its disk for the user, plus
// what the file that it would replace takes now. Nothing when writing there takes no disk space
// (a device, a pipe) or when the disk cannot be asked, which the write itself then reports.
std::optional<std::uint64_t> EspacioDisponible(const QString& ruta);

// An output file written through a buffer, by one writer at a time. Abrir creates the file or
// writes over an existing one from its start, and refuses what EscribirFicheroSeguro refuses.
class SalidaFichero {
public:
    SalidaFichero() = default;
    ~SalidaFichero(); // closes without reporting
    SalidaFichero(const SalidaFichero&) = delete;
    SalidaFichero& operator=(const SalidaFichero&) = delete;

    // A file is changed only once it is this writer's alone and, when it holds anything, the disk
    // holds `reserva` bytes of it: false, the file untouched, while another SalidaFichero (of this
    // program or another) writes it; the platform's error, the file untouched, when the room
    // cannot be reserved.
    bool Abrir(const QString& ruta, std::uint64_t reserva = 0);
    void Escribir(const char* datos, std::size_t n);
    void Escribir(const QByteArray& bytes) {
        Escribir(bytes.constData(), std::size_t(bytes.size()));
    }
    // Writes what is buffered, cuts the file to what was written and closes; reports a failure.
    void Cerrar();
    bool Abierto() const { return fd_ >= 0; }

private:
    void Vaciar();
    int fd_ = -1;
    bool regular_ = false;     // a regular file, which Cerrar cuts; not a device or a pipe
    std::vector<char> buffer_; // its whole capacity, allocated once
    std::size_t usados_ = 0;
};

// Test seam: every write(2) of this layer goes through this function. Returns the previous one.
using FuncionWrite = ssize_t (*)(int fd, const void* datos, std::size_t n);
FuncionWrite CambiarFuncionWrite(FuncionWrite nueva);

// Test seam: every reservation of disk space for a file written in place goes through this
// function, which answers as posix_fallocate does (0 or the error code). Returns the previous one.
using FuncionReservar = int (*)(int fd, off_t desde, off_t bytes);
FuncionReservar CambiarFuncionReservar(FuncionReservar nueva);
