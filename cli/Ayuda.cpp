// The help's contents, and its plain-text form for --help and usage errors.
#include "Ayuda.h"

#include "Argumentos.h"
#include "Consola.h"
#include "TextosLotificacion.h"

#include <cstdint>
#include <limits>

namespace {

constexpr qsizetype Ancho = 79;

// The codes of the method table and their texts: "0 Lote a lote, 1 EOQ, ...".
QString CodigosMetodos() {
    QStringList codigos;
    for (const MetodoLotificacion& metodo : MetodosLotificacion)
        codigos << QStringLiteral("%1 %2").arg(metodo.Codigo).arg(TextoLotificacion(metodo.Codigo));
    return codigos.join(QStringLiteral(", "));
}

// The report's choices, as the window's dialog has them: " [--sin-datos]", " [--decimales D]"...
QStringList OpcionesInforme() {
    QStringList opciones;
    for (const SeccionElegible& seccion : SeccionesElegibles)
        opciones << QStringLiteral(" [%1]").arg(QLatin1String(seccion.Opcion));
    opciones << QStringLiteral(" [%1 D]").arg(QLatin1String(OpcionDecimales));
    for (const LineaPortada& linea : LineasPortada)
        opciones << QStringLiteral(" [%1 T]").arg(QLatin1String(linea.Opcion));
    return opciones;
}

// What each of those options does.
std::vector<EntradaAyuda> AyudaOpcionesInforme() {
    std::vector<EntradaAyuda> ayuda;
    const EleccionInforme defecto;
    for (const SeccionElegible& seccion : SeccionesElegibles)
        ayuda.push_back({QLatin1String(seccion.Opcion),
                         (defecto.*seccion.Incluida ? QStringLiteral("deja fuera del informe «%1»")
                                                    : QStringLiteral("añade al informe «%1»"))
                             .arg(QString::fromUtf8(seccion.Texto))});
    ayuda.push_back({QStringLiteral("%1 D").arg(QLatin1String(OpcionDecimales)),
                     QStringLiteral("decimales de las cifras de los resultados, de %1 a %2; sin "
                                    "ella, %3")
                         .arg(MinimoDecimalesLegibles)
                         .arg(MaximoDecimalesLegibles)
                         .arg(DecimalesLegibles)});
    for (const LineaPortada& linea : LineasPortada)
        ayuda.push_back(
            {QStringLiteral("%1 T").arg(QLatin1String(linea.Opcion)),
             QStringLiteral("la línea «%1» de la portada").arg(QString::fromUtf8(linea.Texto))});
    return ayuda;
}

DatosAyuda Construir() {
    DatosAyuda ayuda;
    ayuda.programa = QStringLiteral("quelmar-cli");
    ayuda.resumen = QStringLiteral("resuelve problemas de lotificación y repite experimentos sin "
                                   "ventanas");

    QString experimentos =
        QStringLiteral("experimentos --traza TRAZA.txt [--optimo] [--semilla S]");
    QStringList campos;
    for (const QString& opcion : OpcionesDeCampo()) {
        experimentos += QStringLiteral(" [%1 T]").arg(opcion);
        campos << QStringLiteral("%1 T").arg(opcion);
    }
    ayuda.sinopsis = {
        QStringLiteral("resolver PROBLEMA.lot [-o SOLUCION.sol] [--sin-costes] [--sin-redondeo] "
                       "[--metodo M] [--explicar]"),
        QStringLiteral("comparar PROBLEMA.lot [--sin-redondeo]"),
        QStringLiteral("informe PROBLEMA.lot -o INFORME.pdf [--metodo M] [--sin-costes] "
                       "[--sin-redondeo]") +
            OpcionesInforme().join(QString()),
        experimentos,
        QStringLiteral("--help | --version"),
    };

    ayuda.descripcion = {
        QStringLiteral("Hace lo mismo que las ventanas de Quelmar, sin ellas: resuelve un problema "
                       ".lot y escribe su solución .sol byte a byte como «Guardar solución» o su "
                       "informe en PDF como «Exportar informe a PDF», y repite una ejecución de la "
                       "ventana de experimentos con una semilla fija."),
        QStringLiteral("Los números siguen la configuración regional del entorno (LC_ALL, "
                       "LC_NUMERIC, LANG): en español, con coma decimal."),
    };

    ayuda.ordenes = {
        {QStringLiteral("resolver"),
         QStringLiteral("Abre PROBLEMA.lot, lo calcula con la lotificación que indica y escribe la "
                        "solución en SOLUCION.sol, o en la salida estándar sin -o ni --explicar. "
                        "Anuncia en la salida de errores la lotificación empleada."),
         {
             {QStringLiteral("-o FICHERO"), QStringLiteral("fichero de la solución")},
             {QStringLiteral("--sin-costes"), QStringLiteral("sin las filas Ce, Cp y CTotal")},
             {QStringLiteral("--sin-redondeo"),
              QStringLiteral("sin redondear la cantidad económica de pedido")},
             {QStringLiteral("--metodo M"),
              QStringLiteral("calcula con el método de código M en lugar del que indica el "
                             "fichero: ") +
                  CodigosMetodos()},
             {QStringLiteral("--explicar"),
              QStringLiteral("escribe en la salida estándar, separada por tabuladores, la "
                             "explicación del cálculo, como el panel «Explicación del cálculo»; "
                             "la solución va entonces solo a -o")},
         }},
        {QStringLiteral("comparar"),
         QStringLiteral("Abre PROBLEMA.lot y escribe en la salida estándar, separados por "
                        "tabuladores, los costes de los seis métodos y del plan óptimo."),
         {
             {QStringLiteral("--sin-redondeo"),
              QStringLiteral("sin redondear la cantidad económica de pedido")},
         }},
        {QStringLiteral("informe"),
         QStringLiteral("Abre PROBLEMA.lot, lo calcula como «resolver» y escribe su informe en "
                        "INFORME.pdf, en A4: los datos, el registro MRP, el coste total y el "
                        "gráfico del plan, o las secciones que se elijan, como en el diálogo del "
                        "informe de la ventana. Anuncia en la salida de errores la lotificación "
                        "empleada."),
         {
             {QStringLiteral("-o FICHERO"),
              QStringLiteral("fichero PDF del informe (obligatorio)")},
             {QStringLiteral("--metodo M"),
              QStringLiteral("calcula con el método de código M, como en «resolver»")},
             {QStringLiteral("--sin-costes"),
              QStringLiteral("el registro MRP sin las filas Ce, Cp y CTotal")},
             {QStringLiteral("--sin-redondeo"),
              QStringLiteral("sin redondear la cantidad económica de pedido")},
         }},
        {QStringLiteral("experimentos"),
         QStringLiteral("Resuelve problemas aleatorios con los seis métodos, escribe la traza y "
                        "muestra el informe en la salida estándar."),
         {
             {QStringLiteral("--traza FICHERO"),
              QStringLiteral("fichero de seguimiento, que se reescribe")},
             {QStringLiteral("--optimo"),
              QStringLiteral("resuelve también el plan óptimo y compara con él cada método")},
             {QStringLiteral("--semilla S"),
              QStringLiteral("estado inicial del generador, de 0 a %1; sin ella, el reloj")
                  .arg(std::numeric_limits<std::uint32_t>::max())},
             {campos.join(QStringLiteral(", ")),
              QStringLiteral("los campos de la ventana de experimentos, escritos como en ella")},
         }},
    };
    for (OrdenDeAyuda& orden : ayuda.ordenes)
        if (orden.nombre == QStringLiteral("informe"))
            for (EntradaAyuda& opcion : AyudaOpcionesInforme())
                orden.opciones.push_back(std::move(opcion));
    ayuda.generales = {
        {QStringLiteral("--help"), QStringLiteral("muestra esta ayuda")},
        {QStringLiteral("--version"), QStringLiteral("muestra la versión")},
    };

    ayuda.estados = {
        {QString::number(SalidaHecho), QStringLiteral("hecho")},
        {QString::number(SalidaAviso),
         QStringLiteral("un aviso rechazó la orden; su texto está en la salida de errores")},
        {QString::number(SalidaError),
         QStringLiteral("un error detuvo la orden; su mensaje está en la salida de errores")},
        {QString::number(SalidaUso), QStringLiteral("uso incorrecto")},
    };

    ayuda.ejemplos = {
        {QStringLiteral("quelmar-cli resolver ejercicio1.lot -o ejercicio1.sol"),
         QStringLiteral("La solución de un problema, con el método que guarda el fichero:")},
        {QStringLiteral(
             "for f in *.lot; do quelmar-cli resolver \"$f\" -o \"${f%.lot}.sol\"; done"),
         QStringLiteral("Todos los problemas de una carpeta:")},
        {QStringLiteral("for f in *.lot; do quelmar-cli informe \"$f\" -o \"${f%.lot}.pdf\"; done"),
         QStringLiteral("El informe en PDF de cada problema de una carpeta:")},
        {QStringLiteral(
             "quelmar-cli informe ej1.lot -o ana.pdf --comparar --explicar --alumno Ana"),
         QStringLiteral("El informe completo que entrega una alumna, con su nombre en la "
                        "portada:")},
        {QStringLiteral("quelmar-cli resolver ejercicio1.lot --explicar"),
         QStringLiteral("Cómo obtuvo el método del fichero cada lote, separado por tabuladores:")},
        {QStringLiteral("quelmar-cli comparar ejercicio1.lot"),
         QStringLiteral("Los costes de todos los métodos y del plan óptimo de un problema:")},
        {QStringLiteral("quelmar-cli experimentos --traza traza.txt --semilla 42 --NExp 1000"),
         QStringLiteral("Mil experimentos repetibles:")},
    };
    return ayuda;
}

// The words filled into lines of at most Ancho characters: the first after primera, the rest
// after as many blanks as sangria.
QString Llenar(const QStringList& palabras, const QString& primera, qsizetype sangria) {
    QString texto, linea = primera;
    bool vacia = primera.isEmpty() || primera.endsWith(u' ');
    for (const QString& palabra : palabras) {
        if (!vacia && linea.size() + 1 + palabra.size() > Ancho) {
            texto += linea + u'\n';
            linea = QString(sangria, u' ');
            vacia = true;
        }
        if (!vacia) linea += u' ';
        linea += palabra;
        vacia = false;
    }
    return texto + linea + u'\n';
}

QString Parrafo(const QString& texto, qsizetype sangria = 0) {
    return Llenar(texto.split(u' '), QString(sangria, u' '), sangria);
}

// A term in its column and its explanation beside it, or below it when the term is too wide.
QString Entrada(const EntradaAyuda& entrada, qsizetype sangria, qsizetype columna) {
    const QString termino = QString(sangria, u' ') + entrada.termino;
    if (termino.size() < columna)
        return Llenar(entrada.explicacion.split(u' '), termino.leftJustified(columna), columna);
    // A list of options breaks after its commas only.
    QStringList piezas = entrada.termino.split(QStringLiteral(", "));
    for (qsizetype i = 0; i + 1 < piezas.size(); ++i) piezas[i] += u',';
    return Llenar(piezas, QString(sangria, u' '), sangria) + Parrafo(entrada.explicacion, columna);
}

QString Capitalizado(const QString& texto) {
    return texto.left(1).toUpper() + texto.mid(1);
}

} // namespace

const DatosAyuda& Ayuda() {
    static const DatosAyuda ayuda = Construir();
    return ayuda;
}

QStringList PiezasDeSinopsis(const QString& sinopsis) {
    QStringList piezas;
    QString pieza;
    int corchetes = 0;
    for (const QChar c : sinopsis) {
        if (c == u'[') ++corchetes;
        if (c == u']') --corchetes;
        if (c == u' ' && corchetes == 0) {
            piezas << pieza;
            pieza.clear();
        } else {
            pieza += c;
        }
    }
    piezas << pieza;
    return piezas;
}

QString TextoUso() {
    const DatosAyuda& ayuda = Ayuda();
    QString texto;
    for (const QString& forma : ayuda.sinopsis) {
        const QString entrada = texto.isEmpty() ? QStringLiteral("Uso: ") : QString(5, u' ');
        texto += Llenar(PiezasDeSinopsis(forma), entrada + ayuda.programa,
                        entrada.size() + ayuda.programa.size() + 1);
    }
    return texto;
}

QString TextoAyuda() {
    const DatosAyuda& ayuda = Ayuda();
    QString texto = TextoUso() + u'\n' + Capitalizado(ayuda.resumen) + QStringLiteral(".\n");
    for (const QString& parrafo : ayuda.descripcion) texto += u'\n' + Parrafo(parrafo);
    for (const OrdenDeAyuda& orden : ayuda.ordenes) {
        texto += u'\n' + Entrada({orden.nombre, orden.explicacion}, 0, 16);
        for (const EntradaAyuda& opcion : orden.opciones) texto += Entrada(opcion, 2, 18);
    }
    texto += u'\n';
    for (const EntradaAyuda& opcion : ayuda.generales) texto += Entrada(opcion, 0, 16);
    texto += QStringLiteral("\nEstado de salida:\n");
    for (const EntradaAyuda& estado : ayuda.estados) texto += Entrada(estado, 2, 6);
    texto += QStringLiteral("\nEjemplos:\n");
    for (const EntradaAyuda& ejemplo : ayuda.ejemplos)
        texto += Parrafo(ejemplo.explicacion, 2) + QStringLiteral("    ") + ejemplo.termino + u'\n';
    return texto;
}
