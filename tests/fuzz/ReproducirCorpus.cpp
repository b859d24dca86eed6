// Replays a fuzz target's corpus as an ordinary test: every file in the folders given is fed to
// the target's entry function once. A broken property aborts, which fails the test.
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n);

int main(int argc, char** argv) {
    int casos = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir carpeta(QFile::decodeName(argv[i]));
        for (const QString& nombre : carpeta.entryList(QDir::Files, QDir::Name)) {
            QFile fichero(carpeta.filePath(nombre));
            if (!fichero.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "No se pudo leer %s\n", qPrintable(fichero.fileName()));
                return 1;
            }
            const QByteArray bytes = fichero.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   std::size_t(bytes.size()));
            ++casos;
        }
    }
    std::printf("%d casos reproducidos\n", casos);
    return casos > 0 ? 0 : 1; // an empty corpus is a wrong folder
}
