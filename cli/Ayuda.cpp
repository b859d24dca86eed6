// The help's contents, and its plain-text form for --help and usage errors.
#include "Ayuda.h"

#include "Argumentos.h"
#include "Consola.h"
#include "OpcionesEjercicios.h"
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

    QString experimentos = QStringLiteral(
        "experimentos --traza TRAZA.txt [--optimo] [--semilla S] [--xlsx LIBRO.xlsx | "
        "--csv TABLA.csv]");
    QStringList campos;
    for (const QString& opcion : OpcionesDeCampo()) {
        experimentos += QStringLiteral(" [%1 T]").arg(opcion);
        campos << QStringLiteral("%1 T").arg(opcion);
    }
    QString ejercicios = QStringLiteral("ejercicios -o CARPETA");
    for (const QString& opcion : OpcionesDeEjercicios())
        ejercicios += QStringLiteral(" [%1]").arg(opcion);
    ayuda.sinopsis = {
        QStringLiteral("resolver PROBLEMA.lot [-o SOLUCION.sol] [--sin-costes] [--sin-redondeo] "
                       "[--metodo M] [--explicar] [--xlsx LIBRO.xlsx | --csv TABLA.csv]"),
        QStringLiteral(
            "comparar PROBLEMA.lot [--sin-redondeo] [--xlsx LIBRO.xlsx | --csv TABLA.csv]"),
        QStringLiteral("informe PROBLEMA.lot -o INFORME.pdf [--metodo M] [--sin-costes] "
                       "[--sin-redondeo]") +
            OpcionesInforme().join(QString()),
        QStringLiteral("explotar PROYECTO.mrp [-o CARPETA] [--metodo M] [--comparar] "
                       "[--informe INFORME.pdf] [--sin-costes] [--sin-redondeo] [--lot] "
                       "[--xlsx LIBRO.xlsx | --csv TABLA.csv]"),
        experimentos,
        ejercicios,
        QStringLiteral("corregir PROBLEMA.lot ALUMNO.sol [MAS.sol ...] [--metodo M] "
                       "[--tolerancia T] [--paso]"),
        QStringLiteral("importar HOJA -o PROBLEMA.lot [--problema BASE.lot]"),
        QStringLiteral("--help | --version"),
    };

    ayuda.descripcion = {
        QStringLiteral("Hace lo mismo que las ventanas de Quelmar, sin ellas: resuelve un problema "
                       ".lot y escribe su solución .sol byte a byte como «Guardar solución» o su "
                       "informe en PDF como «Exportar informe a PDF», explota un proyecto MRP de "
                       "varios niveles, y repite una ejecución de la ventana de experimentos con "
                       "una semilla fija."),
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
             {QStringLiteral("--xlsx FICHERO"),
              QStringLiteral("escribe además el libro de Excel del cálculo, como «Exportar a hoja "
                             "de cálculo»: las hojas «Registro MRP», «Datos», «Comparación» y "
                             "«Explicación»")},
             {QStringLiteral("--csv FICHERO"),
              QStringLiteral("escribe además el registro MRP en valores separados por comas, con "
                             "el separador y la coma decimal de la configuración regional")},
         }},
        {QStringLiteral("comparar"),
         QStringLiteral("Abre PROBLEMA.lot y escribe en la salida estándar, separados por "
                        "tabuladores, los costes de los seis métodos y del plan óptimo."),
         {
             {QStringLiteral("--sin-redondeo"),
              QStringLiteral("sin redondear la cantidad económica de pedido")},
             {QStringLiteral("--xlsx FICHERO"),
              QStringLiteral("escribe además la comparación en un libro de Excel, con los datos "
                             "del problema en una segunda hoja")},
             {QStringLiteral("--csv FICHERO"),
              QStringLiteral("escribe además la comparación en valores separados por comas")},
         }},
        {QStringLiteral("informe"),
         QStringLiteral("Abre PROBLEMA.lot, lo calcula como «resolver» y escribe su informe en "
                        "INFORME.pdf, en A4: los datos, el registro MRP, el coste total y el "
                        "gráfico del plan, o las secciones que se elijan, como en el diálogo del "
                        "informe de la ventana. Anuncia en la salida de errores la lotificación "
                        "empleada. Con un proyecto .mrp escribe el informe del proyecto, como "
                        "«explotar --informe», que no tiene secciones que elegir."),
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
        {QStringLiteral("explotar"),
         QStringLiteral("Abre el proyecto MRP PROYECTO.mrp (o un problema .lot, como proyecto de "
                        "un solo artículo) y lo explota nivel a nivel: las necesidades brutas de "
                        "cada artículo salen de su demanda independiente y de los pedidos de sus "
                        "padres, y cada artículo se lotifica con su método. Sin -o, --comparar ni "
                        "--informe, escribe en la salida estándar el resumen, como resumen.tsv. "
                        "Un proyecto .mrp también se acepta en «informe»."),
         {
             {QStringLiteral("-o CARPETA"),
              QStringLiteral("escribe en CARPETA, que crea si no existe, la solución .sol de cada "
                             "artículo, con su código por nombre, y el resumen resumen.tsv")},
             {QStringLiteral("--metodo M"),
              QStringLiteral("lotifica todos los artículos con el método de código M")},
             {QStringLiteral("--comparar"),
              QStringLiteral("escribe en la salida estándar, separados por tabuladores, los "
                             "costes del proyecto con cada método aplicado a todos los artículos "
                             "y con el de cada uno")},
             {QStringLiteral("--informe FICHERO"),
              QStringLiteral("escribe el informe del proyecto en PDF: la estructura, los costes, "
                             "las políticas comparadas y el registro y el gráfico de cada "
                             "artículo")},
             {QStringLiteral("--sin-costes"),
              QStringLiteral("las soluciones y el informe sin las filas Ce, Cp y CTotal")},
             {QStringLiteral("--sin-redondeo"),
              QStringLiteral("sin redondear la cantidad económica de pedido")},
             {QStringLiteral("--lot"),
              QStringLiteral("escribe también en CARPETA el problema .lot de cada artículo, con "
                             "sus necesidades brutas calculadas")},
             {QStringLiteral("--xlsx FICHERO"),
              QStringLiteral("escribe además un libro de Excel, como «Exportar a hoja de cálculo» "
                             "de la ventana del proyecto: la hoja «Resumen» y el registro MRP de "
                             "cada artículo en una hoja con su código por nombre")},
             {QStringLiteral("--csv FICHERO"),
              QStringLiteral("escribe además el resumen en valores separados por comas")},
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
             {QStringLiteral("--xlsx FICHERO"),
              QStringLiteral(
                  "escribe además las estadísticas en un libro de Excel, como "
                  "«Exportar estadísticas», con los campos, la semilla y el tiempo de la "
                  "ejecución en una segunda hoja")},
             {QStringLiteral("--csv FICHERO"),
              QStringLiteral("escribe además las estadísticas en valores separados por comas")},
         }},
        {QStringLiteral("importar"),
         QStringLiteral("Lee las necesidades brutas de la primera hoja de HOJA (.csv o .xlsx), en "
                        "una fila o en una columna, con las recepciones programadas en la "
                        "siguiente si las hay, como «Importar necesidades», y escribe el problema "
                        "en PROBLEMA.lot."),
         {
             {QStringLiteral("-o FICHERO"),
              QStringLiteral("fichero .lot que se escribe (obligatorio)")},
             {QStringLiteral("--problema FICHERO"),
              QStringLiteral("problema .lot del que se toman los demás datos; sin él, los de un "
                             "problema nuevo")},
         }},
        {QStringLiteral("ejercicios"),
         QStringLiteral("Escribe en CARPETA una hoja de ejercicios para resolver a mano, como "
                        "«Generar hoja de ejercicios...»: cada problema como ejercicioNN.lot, "
                        "enunciados.pdf con los datos, el método y un registro MRP vacío de cada "
                        "uno, y soluciones.pdf con cada registro resuelto, sus costes y la "
                        "explicación de sus lotes. Anuncia en la salida de errores la semilla "
                        "empleada."),
         {
             {QStringLiteral("-o CARPETA"),
              QStringLiteral("carpeta de la hoja (obligatoria); se crea si no existe y sus "
                             "ficheros del mismo nombre se reemplazan")},
             {QStringLiteral("--cantidad K"),
              QStringLiteral("número de ejercicios, de 1 a %1; sin ella, 10")
                  .arg(MaximoEjercicios)},
             {QStringLiteral("--semilla S"),
              QStringLiteral("estado inicial del generador, de 0 a %1: la misma semilla y las "
                             "mismas opciones dan los mismos ficheros; sin ella, el reloj")
                  .arg(std::numeric_limits<std::uint32_t>::max())},
             {QStringLiteral("--metodo M"),
              QStringLiteral("el método de código M, de 0 a %1, en todos los ejercicios; sin "
                             "ella, uno distinto en cada uno, de 0 a 5 por turno")
                  .arg(UltimoItemRadio)},
             {QStringLiteral("--periodos A-B"),
              QStringLiteral("número de períodos de cada ejercicio, entre A y B; sin ella, 6-10")},
             {QStringLiteral("--tiempo-suministro A-B"),
              QStringLiteral("tiempo de suministro entre A y B; sin ella, 0-2, o 0-3 con "
                             "dificultad 3")},
             {QStringLiteral("--stock-seguridad A-B"),
              QStringLiteral("stock de seguridad entre A y B; sin ella, 0, o 5-20 con "
                             "dificultad 3")},
             {QStringLiteral("--dificultad N"),
              QStringLiteral("1: cantidades múltiplos de 5, sin recepciones ni stock inicial "
                             "(sin ella); 2: añade recepciones programadas y stock inicial; 3: "
                             "añade stock de seguridad, tiempos de suministro hasta 3 y costes con "
                             "un decimal")},
         }},
        {QStringLiteral("corregir"),
         QStringLiteral("Corrige las soluciones .sol de los alumnos (lo que escribió «Guardar "
                        "solución» con su registro tecleado) frente a PROBLEMA.lot, celda a celda "
                        "como «Comprobar mi solución», y escribe en la salida estándar una línea "
                        "por fichero, separada por tabuladores: el fichero, las celdas correctas, "
                        "las comprobadas, el porcentaje de correctas y la primera diferencia. Un "
                        "fichero que no es una solución del número de períodos del problema lo "
                        "dice en su línea, y los demás se corrigen igualmente."),
         {
             {QStringLiteral("--metodo M"),
              QStringLiteral("corrige frente al método de código M, como en «resolver»")},
             {QStringLiteral("--tolerancia T"),
              QStringLiteral("diferencia admitida entre un valor y el exacto, escrita con el "
                             "separador decimal del entorno; sin ella, una centésima")},
             {QStringLiteral("--paso"),
              QStringLiteral("añade a cada línea con alguna diferencia el paso del registro que "
                             "da el valor correcto de la primera, como «Mostrar la solución de las "
                             "celdas erróneas»")},
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
         QStringLiteral("un aviso rechazó la orden; su texto está en la salida de errores (en "
                        "«corregir», algún fichero no se pudo corregir)")},
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
        {QStringLiteral("quelmar-cli resolver ejercicio1.lot -o ejercicio1.sol --xlsx plan.xlsx"),
         QStringLiteral("La solución y, para una hoja de cálculo, el registro, los datos, la "
                        "comparación y la explicación:")},
        {QStringLiteral("quelmar-cli comparar ejercicio1.lot"),
         QStringLiteral("Los costes de todos los métodos y del plan óptimo de un problema:")},
        {QStringLiteral("quelmar-cli explotar mesa.mrp -o mesa --comparar"),
         QStringLiteral("La solución de cada artículo de un proyecto, su resumen y el coste de "
                        "cada política:")},
        {QStringLiteral("quelmar-cli experimentos --traza traza.txt --semilla 42 --NExp 1000"),
         QStringLiteral("Mil experimentos repetibles:")},
        {QStringLiteral("quelmar-cli ejercicios --cantidad 20 --semilla 7 --dificultad 2 -o hoja"),
         QStringLiteral("Veinte ejercicios con sus enunciados y soluciones en la carpeta hoja:")},
        {QStringLiteral("quelmar-cli corregir hoja/ejercicio03.lot entregas/*.sol"),
         QStringLiteral("La nota de cada alumno en el ejercicio 3:")},
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
