// Shared by the tool's tests: problem files written as a user's editor would, and the tool run
// either in this process or as its own executable.
#pragma once

#include "Programa.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

struct Resultado {
    int estado = -1;
    QByteArray salida;
    QByteArray errores;
};

// The tool's streams captured in memory.
inline Resultado EnProceso(const QStringList& argumentos, bool progreso = false) {
    std::ostringstream salida, errores;
    Resultado resultado;
    resultado.estado = EjecutarPrograma(argumentos, Consola{salida, errores, progreso});
    resultado.salida = QByteArray::fromStdString(salida.str());
    resultado.errores = QByteArray::fromStdString(errores.str());
    return resultado;
}

// The real executable with the given locale; standard output goes to salidaFichero when given.
inline Resultado ConEjecutable(const QStringList& argumentos,
                               const QString& locale = QStringLiteral("es_ES.UTF-8"),
                               const QString& salidaFichero = {}) {
    QProcess proceso;
    QProcessEnvironment entorno = QProcessEnvironment::systemEnvironment();
    entorno.insert(QStringLiteral("LC_ALL"), locale);
    proceso.setProcessEnvironment(entorno);
    if (!salidaFichero.isEmpty()) proceso.setStandardOutputFile(salidaFichero);
    proceso.start(QStringLiteral(QUELMAR_CLI), argumentos);
    Resultado resultado;
    if (!proceso.waitForFinished(60000) || proceso.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "quelmar-cli did not end normally: "
                      << proceso.errorString().toStdString();
        return resultado;
    }
    resultado.estado = proceso.exitCode();
    resultado.salida = proceso.readAllStandardOutput();
    resultado.errores = proceso.readAllStandardError();
    return resultado;
}

inline void Escribir(const QString& ruta, const QByteArray& bytes) {
    QFile fichero(ruta);
    ASSERT_TRUE(fichero.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(fichero.write(bytes), bytes.size());
}

inline QByteArray Leer(const QString& ruta) {
    QFile fichero(ruta);
    if (!fichero.open(QIODevice::ReadOnly)) return "(no se pudo leer)";
    return fichero.readAll();
}

// The input of a .lot file, each text as it stands in the file.
struct DatosProblema {
    QByteArray N, TS, SS, CE, CP, Metodo;
    QByteArray NB, D, RP; // data lines, fields separated by TAB
};

// The file as the program writes it: labels in Windows-1252, CR LF line ends.
inline QByteArray Lot(const DatosProblema& p) {
    return "N\xBA per\xEDodos = " + p.N + "\r\nTiempo de suministro = " + p.TS +
           "\r\nStock de seguridad = " + p.SS + "\r\nCoste de emisi\xF3n = " + p.CE +
           "\r\nCoste de posesi\xF3n = " + p.CP + "\r\nTipo de lotificaci\xF3n = " + p.Metodo +
           "\r\n" + p.NB + "\r\n" + p.D + "\r\n" + p.RP + "\r\n";
}

// The worked example: eight periods, lead time 1, initial stock 60, costs 100 and 1.
inline DatosProblema Ejemplo(const QByteArray& metodo) {
    return {"8",
            "1",
            "0",
            "100",
            "1",
            metodo,
            "50\t60\t70\t60\t95\t75\t60\t55",
            "60\t0\t0\t0\t0\t0\t0\t0",
            "0\t0\t0\t0\t0\t0\t0\t0"};
}

// Byte strings print as text when an expectation fails.
inline void PrintTo(const QByteArray& bytes, std::ostream* salida) {
    *salida << '"' << bytes.toStdString() << '"';
}
