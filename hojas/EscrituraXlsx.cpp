// The .xlsx writer: libxlsxwriter writes the workbook into a private temporary folder, whose file
// is then read back whole so that the caller can save it atomically.
#include "EscrituraXlsx.h"

#include "Errores.h"
#include "Ficheros.h"
#include "Numeros.h"

#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>

namespace {

constexpr qsizetype MaximoNombreHoja = LXW_SHEETNAME_MAX;
// A cell holds at most this many characters.
constexpr qsizetype MaximoTexto = 32767;

// A failure of the library: the system's error when it left one, an I/O error otherwise.
[[noreturn]] void FalloEscritura() {
    throw EInOutError(errno != 0 ? errno : EIO);
}

// libxlsxwriter writes numbers with snprintf, which follows LC_NUMERIC: under a locale with a
// decimal comma (Qt sets the user's at start) it would write "1,5", which no spreadsheet reads.
// This thread writes in the C locale while the workbook is made.
class LocaleC {
public:
    LocaleC() : c_(newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr))) {
        if (c_) anterior_ = uselocale(c_);
    }
    ~LocaleC() {
        if (!c_) return;
        uselocale(anterior_);
        freelocale(c_);
    }
    LocaleC(const LocaleC&) = delete;
    LocaleC& operator=(const LocaleC&) = delete;

private:
    locale_t c_;
    locale_t anterior_ = nullptr;
};

// The library writes 16 significant digits ("%.16G"): a double so near the largest that its 16
// digits overflow would be read back as infinite, so it goes as its text.
bool CabeComoNumero(double valor) {
    if (!std::isfinite(valor)) return false;
    char texto[32];
    const auto fin =
        std::to_chars(texto, texto + sizeof texto, valor, std::chars_format::general, 16).ptr;
    double leido = 0;
    return std::from_chars(texto, fin, leido).ec == std::errc();
}

struct CerrarLibro {
    void operator()(lxw_workbook* libro) const { workbook_close(libro); }
};

// The formats of one workbook, made once each as the cells ask for them.
class Formatos {
public:
    explicit Formatos(lxw_workbook* libro) : libro_(libro) {}

    lxw_format* De(const Celda& celda) {
        const char* numero = nullptr;
        if (celda.tipo == Celda::Tipo::Numero) numero = FormatoNumerico(celda);
        if (!numero && !celda.negrita) return nullptr;
        lxw_format*& formato =
            formatos_[{numero ? std::string(numero) : std::string(), celda.negrita}];
        if (!formato) {
            formato = workbook_add_format(libro_);
            if (!formato) FalloEscritura();
            if (numero) format_set_num_format(formato, numero);
            if (celda.negrita) format_set_bold(formato);
        }
        return formato;
    }

private:
    // Whole numbers without a decimal point: "0.##" would show "5." for 5.
    static const char* FormatoNumerico(const Celda& celda) {
        const auto entero = [](double valor) {
            return std::nearbyint(valor * 100) == std::nearbyint(valor) * 100;
        };
        switch (celda.formato) {
        case FormatoNumero::Decimal:
            return entero(celda.numero) ? "#,##0" : "#,##0.##";
        case FormatoNumero::Porcentaje:
            return entero(celda.numero * 100) ? "0%" : "0.##%";
        case FormatoNumero::Identificador:
            return "0";
        }
        return nullptr;
    }

    lxw_workbook* libro_;
    std::map<std::pair<std::string, bool>, lxw_format*> formatos_;
};

void Comprobar(lxw_error error) {
    if (error != LXW_NO_ERROR) FalloEscritura();
}

void EscribirHoja(lxw_worksheet* hoja, const Hoja& datos, Formatos& formatos) {
    for (std::size_t f = 0; f < datos.filas.size() && f < LXW_ROW_MAX; ++f) {
        const FilaHoja& fila = datos.filas[f];
        for (std::size_t c = 0; c < fila.size() && c < LXW_COL_MAX; ++c) {
            const Celda& celda = fila[c];
            const auto filaX = lxw_row_t(f);
            const auto columnaX = lxw_col_t(c);
            lxw_format* formato = formatos.De(celda);
            if (celda.tipo == Celda::Tipo::Numero && CabeComoNumero(celda.numero)) {
                Comprobar(worksheet_write_number(hoja, filaX, columnaX, celda.numero, formato));
            } else if (celda.tipo != Celda::Tipo::Vacia) {
                const QString texto =
                    celda.tipo == Celda::Tipo::Numero ? FloatToStr(celda.numero) : celda.texto;
                Comprobar(worksheet_write_string(
                    hoja, filaX, columnaX, texto.left(MaximoTexto).toUtf8().constData(), formato));
            }
        }
    }
    const std::vector<double> anchos = AnchosColumnas(datos);
    for (std::size_t c = 0; c < anchos.size() && c < LXW_COL_MAX; ++c)
        Comprobar(worksheet_set_column(hoja, lxw_col_t(c), lxw_col_t(c), anchos[c], nullptr));
    if (datos.filasFijas > 0 || datos.columnasFijas > 0)
        worksheet_freeze_panes(hoja, lxw_row_t(std::max(0, datos.filasFijas)),
                               lxw_col_t(std::max(0, datos.columnasFijas)));
}

} // namespace

QStringList NombresDeHojas(const Libro& libro) {
    QStringList nombres;
    const auto repetido = [&nombres](const QString& nombre) {
        return nombres.contains(nombre, Qt::CaseInsensitive);
    };
    for (const Hoja& hoja : libro.hojas) {
        QString nombre = hoja.nombre;
        for (QChar& c : nombre)
            if (QStringLiteral("[]:*?/\\").contains(c) || c.category() == QChar::Other_Control)
                c = u'_';
        while (nombre.startsWith(u'\'')) nombre.remove(0, 1);
        nombre = nombre.left(MaximoNombreHoja);
        while (nombre.endsWith(u'\'')) nombre.chop(1);
        if (nombre.isEmpty()) nombre = QStringLiteral("Hoja");
        const QString base = nombre;
        for (int n = 2; repetido(nombre); ++n) {
            const QString sufijo = QStringLiteral(" (%1)").arg(n);
            nombre = base.left(MaximoNombreHoja - sufijo.size()) + sufijo;
        }
        nombres << nombre;
    }
    return nombres;
}

QByteArray LibroXlsx(const Libro& libro) {
    QTemporaryDir carpeta;
    if (!carpeta.isValid()) FalloEscritura();
    const LocaleC locale;
    const QByteArray ruta = QFile::encodeName(carpeta.filePath(QStringLiteral("libro.xlsx")));
    QByteArray temporales = QFile::encodeName(carpeta.path());
    lxw_workbook_options opciones{};
    opciones.tmpdir = temporales.data();
    errno = 0;
    std::unique_ptr<lxw_workbook, CerrarLibro> escrito(
        workbook_new_opt(ruta.constData(), &opciones));
    if (!escrito) FalloEscritura();
    Formatos formatos(escrito.get());
    const QStringList nombres = NombresDeHojas(libro);
    for (std::size_t h = 0; h < libro.hojas.size(); ++h) {
        lxw_worksheet* hoja =
            workbook_add_worksheet(escrito.get(), nombres[qsizetype(h)].toUtf8().constData());
        if (!hoja) FalloEscritura();
        EscribirHoja(hoja, libro.hojas[h], formatos);
    }
    // A workbook without sheets is not a valid file: the library then adds an empty one.
    errno = 0;
    Comprobar(workbook_close(escrito.release()));
    return LeerFichero(QFile::decodeName(ruta));
}
