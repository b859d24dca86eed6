// The experiments window: maps its fields, buttons, memo and progress bar onto runs that go on
// off the interface thread.
#include "ExperimentosUnit.h"

#include "ComprobarParametros.h"
#include "EspacioTraza.h"
#include "GuardarLibro.h"
#include "InformeErrores.h"
#include "PanelGraficoExperimentos.h"
#include "Semilla.h"
#include "TabuladoresColumnas.h"
#include "ui_ExperimentosUnit.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Centred on the screen, but never with the title bar above or left of it.
QRect Centrado(const QSize& tamano, const QRect& pantalla) {
    QRect area = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, tamano, pantalla);
    area.moveTopLeft(
        QPoint(std::max(area.left(), pantalla.left()), std::max(area.top(), pantalla.top())));
    return area;
}

// Tab stops two characters past the widest text of each column of the memo's lines.
void AlinearColumnas(QPlainTextEdit& memo) {
    const QFontMetricsF medida(memo.font());
    const QList<qreal> posiciones = PosicionesTabulacion(
        memo.toPlainText().split(QLatin1Char('\n')),
        [&](const QString& texto) { return medida.horizontalAdvance(texto); },
        2 * medida.horizontalAdvance(QLatin1Char(' ')));
    QList<QTextOption::Tab> tabuladores;
    for (const qreal posicion : posiciones)
        tabuladores.append(QTextOption::Tab(posicion, QTextOption::LeftTab));
    QTextOption opcion = memo.document()->defaultTextOption();
    if (opcion.tabs() == tabuladores) return;
    opcion.setTabs(tabuladores);
    memo.document()->setDefaultTextOption(opcion);
}

// Each parameter field and the text it holds.
const std::pair<QLineEdit * Ui::TFormExp::*, QString TextosExperimento::*> Campos[] = {
    {&Ui::TFormExp::NPMin, &TextosExperimento::NPMin},
    {&Ui::TFormExp::NPMax, &TextosExperimento::NPMax},
    {&Ui::TFormExp::NBMin, &TextosExperimento::NBMin},
    {&Ui::TFormExp::NBMax, &TextosExperimento::NBMax},
    {&Ui::TFormExp::EProbNB, &TextosExperimento::EProbNB},
    {&Ui::TFormExp::TsMin, &TextosExperimento::TsMin},
    {&Ui::TFormExp::TsMax, &TextosExperimento::TsMax},
    {&Ui::TFormExp::CEMin, &TextosExperimento::CEMin},
    {&Ui::TFormExp::CeMax, &TextosExperimento::CeMax},
    {&Ui::TFormExp::CECpMin, &TextosExperimento::CECpMin},
    {&Ui::TFormExp::CeCpMax, &TextosExperimento::CeCpMax},
    {&Ui::TFormExp::NExp, &TextosExperimento::NExp},
};

// What «Semilla:» asks for: empty (or blank) leaves seeding to the clock.
struct SemillaPedida {
    bool valida = true;
    std::optional<std::uint32_t> semilla;
};

SemillaPedida LeerCampoSemilla(const QString& texto) {
    const QString recortado = texto.trimmed();
    if (recortado.isEmpty()) return {};
    const std::optional<std::uint32_t> semilla = LeerSemilla(recortado);
    return {semilla.has_value(), semilla};
}

} // namespace

TFormExp::TFormExp(Plataforma& plataforma, QWidget* padre)
    : QWidget(padre, Qt::Window), plataforma_(plataforma), ui_(std::make_unique<Ui::TFormExp>()) {
    ui_->setupUi(this);
    // A modeless companion: the program ends with the main window even while this one is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setGeometry(Centrado(size(), screen()->availableGeometry()));

    // The report's columns are tab-separated: their tab stops follow the widest text of each
    // column, so amounts of any size stay under their headings.
    ui_->Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    ui_->Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    connect(ui_->Memo1, &QPlainTextEdit::textChanged, this,
            [this] { AlinearColumnas(*ui_->Memo1); });
    ui_->ProgressBar1->hide();
    GraficoExperimentos_ = PonerPestanaGrafico(*ui_->Memo1);

    OpenDialog1.tipo = DialogoFichero::Tipo::Abrir;
    OpenDialog1.filtro = QStringLiteral("Ficheros de experimentos (*.txt)");
    OpenDialog1.extensionDefecto = QStringLiteral("txt");
    OpenDialog1.admiteInexistente = true;

    SaveDialogEstadisticas_.tipo = DialogoFichero::Tipo::Guardar;
    SaveDialogEstadisticas_.filtro = FiltrosHojaCalculo;
    SaveDialogEstadisticas_.extensionDefecto = QStringLiteral("xlsx");

    PonerTextos(TextosExperimento::PorDefecto());

    connect(ui_->SBFichero, &QToolButton::clicked, this, &TFormExp::SBFicheroClick);
    connect(ui_->SBEjecutar, &QToolButton::clicked, this, &TFormExp::SBEjecutarClick);
    connect(ui_->SBDetener, &QToolButton::clicked, this, &TFormExp::SBDetenerClick);
    connect(ui_->SBBorra, &QToolButton::clicked, this, &TFormExp::SBBorraClick);
    connect(ui_->SBExportar, &QToolButton::clicked, this, &TFormExp::SBExportarClick);

    QProgressBar* barra = ui_->ProgressBar1;
    connect(&hilo_, &HiloExperimentos::BarraMostrada, this, [barra] {
        barra->setValue(0);
        barra->show();
    });
    connect(&hilo_, &HiloExperimentos::Posicion, barra, &QProgressBar::setValue);
    connect(&hilo_, &HiloExperimentos::BarraOcultada, barra, &QWidget::hide);
    connect(&hilo_, &HiloExperimentos::Terminada, this, &TFormExp::Terminar);
}

TFormExp::~TFormExp() = default;

TextosExperimento TFormExp::Textos() const {
    TextosExperimento textos;
    for (const auto& [campo, texto] : Campos) textos.*texto = (*ui_.*campo)->text();
    textos.CompararOptimo = ui_->CheckBoxOptimo->isChecked();
    return textos;
}

void TFormExp::PonerTextos(const TextosExperimento& textos) {
    for (const auto& [campo, texto] : Campos) (*ui_.*campo)->setText(textos.*texto);
    ui_->CheckBoxOptimo->setChecked(textos.CompararOptimo);
}

void TFormExp::SBFicheroClick() {
    Protegido(plataforma_, this, [this] {
        const std::optional<QString> elegido = plataforma_.ElegirFichero(this, OpenDialog1);
        if (!elegido) return;
        FicheroExperimentos_ = *elegido;
        setWindowTitle(QStringLiteral("Experimentos ") + FicheroExperimentos_);
        ui_->SBEjecutar->setEnabled(true);
    });
}

void TFormExp::SBBorraClick() {
    Protegido(plataforma_, this, [this] { ui_->Memo1->clear(); });
}

void TFormExp::SBExportarClick() {
    Protegido(plataforma_, this, [this] {
        if (!hayEstadisticas_ || ejecutando_) return;
        const std::optional<QString> ruta =
            plataforma_.ElegirFichero(this, SaveDialogEstadisticas_);
        if (!ruta) return;
        GuardarLibro(*ruta, LibroExperimentos(ejecucion_, datos_), FormatoDeRuta(*ruta));
    });
}

void TFormExp::SBEjecutarClick() {
    Protegido(plataforma_, this, [this] { Ejecutar(); });
}

void TFormExp::SBDetenerClick() {
    Protegido(plataforma_, this, [this] { hilo_.Detener(); });
}

// The run goes on on its own thread: the fields and the buttons that would change it are
// disabled until it ends, and Terminar shows what it gave.
void TFormExp::Ejecutar() {
    if (ejecutando_) return;
    const TextosExperimento textos = Textos();
    if (const std::optional<QString> aviso = ComprobarParametros(textos)) {
        plataforma_.Aviso(this, *aviso);
        return;
    }
    const SemillaPedida pedida = LeerCampoSemilla(ui_->Semilla->text());
    if (!pedida.valida) {
        plataforma_.Aviso(this, QStringLiteral("Especifique en «%1» un número entero de 0 a %2, o "
                                               "deje el campo vacío para que la semilla la dé "
                                               "el reloj.")
                                    .arg(ui_->LabelSemilla->text())
                                    .arg(SemillaMaxima));
        return;
    }
    if (const std::optional<QString> aviso = ComprobarEspacioTraza(textos, FicheroExperimentos_)) {
        plataforma_.Aviso(this, *aviso);
        return;
    }
    ejecucion_ = {textos, std::nullopt, FicheroExperimentos_};
    FuenteSorteos* sorteos = sorteos_;
    if (!sorteos) {
        const std::uint32_t semilla = pedida.semilla.value_or(Generador::SemillaDelReloj());
        generador_ = Generador(semilla);
        sorteos = &generador_;
        ui_->LabelSemillaUsada->setText(QStringLiteral("usada: %1").arg(semilla));
        ejecucion_.Semilla = semilla;
    }
    GraficoExperimentos_->Vaciar();
    EnEjecucion(true);
    hilo_.Empezar(textos, FicheroExperimentos_, *sorteos);
}

void TFormExp::EnEjecucion(bool ejecutando) {
    ejecutando_ = ejecutando;
    for (const auto& campo : Campos) (*ui_.*campo.first)->setEnabled(!ejecutando);
    ui_->Semilla->setEnabled(!ejecutando);
    ui_->CheckBoxOptimo->setEnabled(!ejecutando);
    ui_->SBFichero->setEnabled(!ejecutando);
    ui_->SBEjecutar->setEnabled(!ejecutando);
    ui_->SBDetener->setEnabled(ejecutando);
    ui_->SBExportar->setEnabled(!ejecutando && hayEstadisticas_);
}

// A failure leaves the report unwritten and the bar where it stood, and reaches the user through
// the one error report, here on the interface thread.
void TFormExp::Terminar(const FinEjecucion& fin) {
    hilo_.Esperar();
    datos_ = fin.Datos;
    // A failed run leaves statistics made over part of it, which no report shows.
    hayEstadisticas_ = !fin.Fallo;
    EnEjecucion(false);
    if (fin.Fallo) {
        Protegido(plataforma_, this, [&fin] { std::rethrow_exception(fin.Fallo); });
    } else {
        ui_->Memo1->appendPlainText(fin.Informe.join(QLatin1Char('\n')));
        // The fields could not change during the run; a stopped one counts what it did.
        const TextosExperimento textos = Textos();
        GraficoExperimentos_->Mostrar(datos_, textos.CompararOptimo,
                                      datos_.Detenida ? QString::number(datos_.Hechos)
                                                      : textos.NExp);
    }
    emit EjecucionTerminada();
}

void TFormExp::closeEvent(QCloseEvent* evento) {
    if (hilo_.Activa()) {
        hilo_.Detener();
        hilo_.Esperar();
    }
    QWidget::closeEvent(evento);
}
