// The experiments window: maps its fields, buttons, memo and progress bar onto the run.
#include "ExperimentosUnit.h"

#include "ComprobarParametros.h"
#include "InformeErrores.h"
#include "PanelGraficoExperimentos.h"
#include "TabuladoresColumnas.h"
#include "ui_ExperimentosUnit.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <utility>

namespace {

// The wait cursor for as long as a run lasts; it goes before a failure is reported.
class CursorEspera {
public:
    CursorEspera() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorEspera() { QApplication::restoreOverrideCursor(); }
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;
};

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

    PonerTextos(TextosExperimento::PorDefecto());

    connect(ui_->SBFichero, &QToolButton::clicked, this, &TFormExp::SBFicheroClick);
    connect(ui_->SBEjecutar, &QToolButton::clicked, this, &TFormExp::SBEjecutarClick);
    connect(ui_->SBBorra, &QToolButton::clicked, this, &TFormExp::SBBorraClick);
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

void TFormExp::SBEjecutarClick() {
    Protegido(plataforma_, this, [this] { Ejecutar(); });
}

// The run stays on this thread and never returns to the event loop, so input waits until it
// ends; a failure leaves the report unwritten and the bar where it stood.
void TFormExp::Ejecutar() {
    const TextosExperimento textos = Textos();
    if (const std::optional<QString> aviso = ComprobarParametros(textos)) {
        plataforma_.Aviso(this, *aviso);
        return;
    }
    const CursorEspera espera;
    GraficoExperimentos_->Vaciar();
    const QStringList informe =
        EjecutarExperimentos(textos, FicheroExperimentos_, *sorteos_, datos_, Progreso());
    ui_->Memo1->appendPlainText(informe.join(QLatin1Char('\n')));
    GraficoExperimentos_->Mostrar(datos_, textos.CompararOptimo, textos.NExp);
}

ProgresoEjecucion TFormExp::Progreso() {
    QProgressBar* barra = ui_->ProgressBar1;
    return {[this, barra] {
                barra->setValue(0);
                MostrarBarra(true);
            },
            [barra](int posicion) {
                barra->setValue(posicion);
                barra->repaint();
            },
            [this] { MostrarBarra(false); }};
}

// No event is processed during a run, so the layout is settled and the window painted here.
void TFormExp::MostrarBarra(bool visible) {
    ui_->ProgressBar1->setVisible(visible);
    layout()->activate();
    if (visible) repaint();
}
