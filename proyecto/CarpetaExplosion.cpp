// Writing the files of an explosion.
#include "CarpetaExplosion.h"

#include "Errores.h"
#include "FicheroSolucion.h"
#include "Ficheros.h"
#include "ProyectoYProblema.h"
#include "ResultadoArticuloProyecto.h"
#include "TextosProyecto.h"

#include <QDir>
#include <QFile>

#include <filesystem>
#include <system_error>

void EscribirCarpetaExplosion(const QString& carpeta, const Proyecto& proyecto,
                              const ResultadoProyecto& resultado, bool verCostes,
                              bool conProblemas) {
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(carpeta).toStdString(), error);
    if (error) throw EInOutError(error.value());
    const QDir destino(carpeta);
    for (std::size_t i = 0; i < proyecto.Articulos.size(); ++i) {
        const QString& codigo = proyecto.Articulos[i].Codigo;
        EscribirFicheroSeguro(
            destino.filePath(codigo + QStringLiteral(".sol")),
            TextoSolucion(ResultadoDelArticulo(proyecto, resultado, int(i)), verCostes));
        if (conProblemas)
            EscribirFicheroSeguro(destino.filePath(codigo + QStringLiteral(".lot")),
                                  ProblemaDelArticulo(proyecto, resultado, int(i)));
    }
    EscribirFicheroSeguro(destino.filePath(NombreResumen), TextoResumen(proyecto, resultado));
}
