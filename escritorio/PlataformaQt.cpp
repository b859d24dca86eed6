// PlataformaQt: the real dialogs. Qt's own file dialog rather than the desktop's, so that the
// filter, default extension and preselected name behave alike on every system.
#include "PlataformaQt.h"

#include "CajaMensaje.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>

QString PlataformaQt::TextoEnCaja(const QString& texto) {
    constexpr int tramo = 40;
    QString caja;
    int seguidos = 0;
    for (const QChar c : texto) {
        seguidos = c.isSpace() ? 0 : seguidos + 1;
        if (seguidos > tramo && !c.isLowSurrogate()) {
            caja += QChar(0x200B);
            seguidos = 1;
        }
        caja += c;
    }
    return caja;
}

void PlataformaQt::Aviso(QWidget* padre, const QString& texto) {
    CajaMensaje(padre, QMessageBox::Warning, TextoEnCaja(texto))->exec();
}

void PlataformaQt::InformeError(QWidget* padre, const QString& mensaje) {
    CajaMensaje(padre, QMessageBox::Critical, TextoEnCaja(mensaje))->exec();
}

std::optional<QString> PlataformaQt::ElegirFichero(QWidget* padre, DialogoFichero& dialogo) {
    QFileDialog ventana(padre);
    ventana.setOption(QFileDialog::DontUseNativeDialog);
    const bool guardar = dialogo.tipo == DialogoFichero::Tipo::Guardar;
    ventana.setAcceptMode(guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Replacing a file and naming one not yet there are the program's decisions, not the dialog's.
    ventana.setOption(QFileDialog::DontConfirmOverwrite);
    if (!guardar)
        ventana.setFileMode(dialogo.admiteInexistente ? QFileDialog::AnyFile
                                                      : QFileDialog::ExistingFile);
    if (!dialogo.filtro.isEmpty()) ventana.setNameFilter(dialogo.filtro);
    ventana.setDefaultSuffix(dialogo.extensionDefecto);
    // Among several file types, a name typed without an extension takes the chosen type's.
    if (guardar && !dialogo.extensionDefecto.isEmpty())
        QObject::connect(&ventana, &QFileDialog::filterSelected, &ventana,
                         [&ventana](const QString& filtro) {
                             static const QRegularExpression patron(QStringLiteral("\\*\\.(\\w+)"));
                             const QRegularExpressionMatch extension = patron.match(filtro);
                             if (extension.hasMatch())
                                 ventana.setDefaultSuffix(extension.captured(1));
                         });
    if (!dialogo.nombre.isEmpty()) {
        const QFileInfo anterior(dialogo.nombre);
        ventana.setDirectory(anterior.absolutePath());
        ventana.selectFile(anterior.fileName());
    }
    if (ventana.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList elegidos = ventana.selectedFiles();
    if (elegidos.isEmpty()) return std::nullopt;
    dialogo.nombre = elegidos.constFirst();
    return dialogo.nombre;
}

std::optional<QString> PlataformaQt::ElegirCarpeta(QWidget* padre, const QString& titulo,
                                                   const QString& inicial) {
    QFileDialog ventana(padre, titulo, inicial);
    ventana.setOption(QFileDialog::DontUseNativeDialog);
    ventana.setFileMode(QFileDialog::Directory);
    ventana.setOption(QFileDialog::ShowDirsOnly);
    if (ventana.exec() != QDialog::Accepted || ventana.selectedFiles().isEmpty())
        return std::nullopt;
    return ventana.selectedFiles().constFirst();
}

bool PlataformaQt::DialogoImprimir(QWidget* padre, QPrinter& impresora) {
    QPrintDialog dialogo(&impresora, padre);
    dialogo.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintSelection);
    dialogo.setMinMax(0, 0);
    return dialogo.exec() == QDialog::Accepted;
}

void PlataformaQt::ConfigurarImpresora(QWidget* padre, QPrinter& impresora) {
    QPageSetupDialog dialogo(&impresora, padre);
    dialogo.exec();
}

// As large as the window it belongs to, so that a whole page reads without zooming.
void PlataformaQt::VistaPrevia(QWidget* padre, QPrinter& impresora,
                               const std::function<void(QPrinter&)>& pintar) {
    QPrintPreviewDialog dialogo(&impresora, padre);
    QObject::connect(&dialogo, &QPrintPreviewDialog::paintRequested, &dialogo,
                     [&pintar](QPrinter* destino) { pintar(*destino); });
    if (padre) dialogo.resize(padre->window()->size() * 0.9);
    dialogo.exec();
}

int PlataformaQt::EjecutarModal(QDialog& dialogo) {
    return dialogo.exec();
}

void PlataformaQt::AbrirUrl(const QUrl& direccion) {
    QDesktopServices::openUrl(direccion);
}

bool PlataformaQt::EnviarCorreo(const QString& cuerpo) {
    return QDesktopServices::openUrl(UrlCorreo(cuerpo));
}

// Mail addresses want line breaks in a body as CR LF, and every reserved character encoded, so
// that "&" or "=" in the text cannot end the body early.
QUrl PlataformaQt::UrlCorreo(const QString& cuerpo) {
    QString lineas = cuerpo;
    lineas.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lineas.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return QUrl::fromEncoded("mailto:?body=" + QUrl::toPercentEncoding(lineas), QUrl::StrictMode);
}
