// Writing a sheet of exercises.
#include "HojaEjercicios.h"

#include "Errores.h"
#include "FicheroProblema.h"
#include "Ficheros.h"
#include "Generador.h"
#include "GeneradorEjercicios.h"
#include "InformesEjercicios.h"
#include "PinturaInforme.h"

#include <QDir>
#include <QFile>

#include <filesystem>
#include <system_error>

QStringList FicherosHoja(const OpcionesEjercicios& opciones) {
    QStringList ficheros;
    for (int numero = 1; numero <= opciones.Cantidad; ++numero)
        ficheros << FicheroEjercicio(numero, opciones.Cantidad);
    return ficheros << FicheroEnunciados << FicheroSoluciones;
}

QStringList FicherosQueReemplaza(const OpcionesEjercicios& opciones, const QString& carpeta) {
    const QDir destino(carpeta);
    QStringList existentes;
    for (const QString& fichero : FicherosHoja(opciones))
        if (destino.exists(fichero)) existentes << fichero;
    return existentes;
}

QString PreguntaReemplazarHoja(const QString& carpeta, const QStringList& existentes) {
    // A few names tell what is there; all of them would not fit the box.
    constexpr qsizetype Nombrados = 3;
    QString nombres = existentes.mid(0, Nombrados).join(QStringLiteral(", "));
    if (existentes.size() > Nombrados)
        nombres += QStringLiteral(" y %1 más").arg(existentes.size() - Nombrados);
    return QStringLiteral("La carpeta %1 ya tiene ficheros que la hoja reemplazaría: %2. "
                          "¿Reemplazarlos?")
        .arg(QDir::toNativeSeparators(carpeta), nombres);
}

HojaEscrita EscribirHoja(const OpcionesEjercicios& opciones, const QString& carpeta) {
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(carpeta).toStdString(), error);
    if (error) throw EInOutError(error.value());

    HojaEscrita hoja;
    hoja.Semilla = opciones.Semilla.value_or(Generador::SemillaDelReloj());
    const std::vector<Ejercicio> ejercicios = GenerarEjercicios(opciones, hoja.Semilla);
    hoja.Ejercicios = int(ejercicios.size());
    const QDir destino(carpeta);
    for (const Ejercicio& ejercicio : ejercicios)
        EscribirFicheroSeguro(destino.filePath(ejercicio.Fichero),
                              TextoProblema(ejercicio.Problema, ejercicio.Celdas));
    const QString descripcion = DescripcionHoja(hoja.Ejercicios, opciones.Dificultad, hoja.Semilla);
    EscribirFicheroSeguro(destino.filePath(FicheroEnunciados),
                          InformePdf(EnunciadosEjercicios(ejercicios, descripcion)));
    EscribirFicheroSeguro(destino.filePath(FicheroSoluciones),
                          InformePdf(SolucionesEjercicios(ejercicios, descripcion)));
    return hoja;
}

QString MensajeHojaEscrita(const HojaEscrita& hoja, const QString& carpeta) {
    return QStringLiteral("Hoja de %1 %2 escrita en %3, con la semilla %4")
        .arg(hoja.Ejercicios)
        .arg(hoja.Ejercicios == 1 ? QStringLiteral("ejercicio") : QStringLiteral("ejercicios"))
        .arg(QDir::toNativeSeparators(carpeta))
        .arg(hoja.Semilla);
}
