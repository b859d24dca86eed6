// A scripted platform for window tests.
#include "PlataformaGuionada.h"

#include <QDialog>
#include <QPrinter>
#include <QTemporaryDir>

void PlataformaGuionada::Aviso(QWidget*, const QString& texto) {
    avisos << texto;
    mensajes << "Aviso: " + texto;
}

void PlataformaGuionada::InformeError(QWidget*, const QString& mensaje) {
    errores << mensaje;
    mensajes << "Error: " + mensaje;
}

std::optional<QString> PlataformaGuionada::ElegirFichero(QWidget*, DialogoFichero& dialogo) {
    dialogosMostrados.push_back(dialogo);
    if (respuestasFichero.empty()) return std::nullopt;
    const std::optional<QString> respuesta = respuestasFichero.front();
    respuestasFichero.pop_front();
    if (respuesta) dialogo.nombre = *respuesta;
    return respuesta;
}

bool PlataformaGuionada::DialogoImprimir(QWidget*, QPrinter&) {
    ++impresionesPedidas;
    if (respuestasImprimir.empty()) return true;
    const bool respuesta = respuestasImprimir.front();
    respuestasImprimir.pop_front();
    return respuesta;
}

void PlataformaGuionada::ConfigurarImpresora(QWidget*, QPrinter&) {
    ++configuracionesImpresora;
}

// The pages the preview would show, painted into a PDF instead of on the screen.
void PlataformaGuionada::VistaPrevia(QWidget*, QPrinter& impresora,
                                     const std::function<void(QPrinter&)>& pintar) {
    ++vistasPrevias;
    const QTemporaryDir carpeta;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(pdfVistaPrevia.isEmpty() ? carpeta.filePath(QStringLiteral("v.pdf"))
                                                   : pdfVistaPrevia);
    pdf.setPageLayout(impresora.pageLayout());
    pintar(pdf);
}

int PlataformaGuionada::EjecutarModal(QDialog& dialogo) {
    modalesEjecutados << dialogo.objectName();
    if (alRellenarModal) alRellenarModal(dialogo);
    return resultadoModal;
}

void PlataformaGuionada::AbrirUrl(const QUrl& direccion) {
    urlsAbiertas << direccion;
}

bool PlataformaGuionada::EnviarCorreo(const QString& cuerpo) {
    correos << cuerpo;
    return correoFunciona;
}
