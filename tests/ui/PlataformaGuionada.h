// A scripted platform for window tests: it answers file, print and modal dialogs from queues
// and records every warning, error report, address and mail, so no real dialog ever opens.
#pragma once

#include "Plataforma.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <functional>
#include <optional>

class PlataformaGuionada : public Plataforma {
public:
    // What the user saw, in order: "Aviso: <text>" and "Error: <message>".
    QStringList mensajes;
    QStringList avisos;
    QStringList errores;

    // Answers of the next file dialogs (nullopt cancels); with none left a dialog is cancelled.
    std::deque<std::optional<QString>> respuestasFichero;
    // The file dialogs shown, as they were when shown (filter, preset name...).
    std::deque<DialogoFichero> dialogosMostrados;

    // Answers of the next folder dialogs (nullopt cancels); with none left a dialog is cancelled.
    std::deque<std::optional<QString>> respuestasCarpeta;
    QStringList carpetasMostradas; // the folder each showed first

    // Answers of the next print dialogs; with none left printing is accepted.
    std::deque<bool> respuestasImprimir;
    int impresionesPedidas = 0;
    int configuracionesImpresora = 0;
    // Print previews asked for; each paints its pages into a PDF, at pdfVistaPrevia when given.
    int vistasPrevias = 0;
    QString pdfVistaPrevia;

    // Modal dialogs run: their objectName; they are answered with resultadoModal, or by
    // guionModal when it is set, which may fill the dialog's fields as a user would.
    QStringList modalesEjecutados;
    int resultadoModal = 1;
    std::function<int(QDialog&)> guionModal;

    QList<QUrl> urlsAbiertas;
    QStringList correos;
    bool correoFunciona = true;

    void Aviso(QWidget* padre, const QString& texto) override;
    void InformeError(QWidget* padre, const QString& mensaje) override;
    std::optional<QString> ElegirFichero(QWidget* padre, DialogoFichero& dialogo) override;
    std::optional<QString> ElegirCarpeta(QWidget* padre, const QString& titulo,
                                         const QString& inicial) override;
    bool DialogoImprimir(QWidget* padre, QPrinter& impresora) override;
    void ConfigurarImpresora(QWidget* padre, QPrinter& impresora) override;
    void VistaPrevia(QWidget* padre, QPrinter& impresora,
                     const std::function<void(QPrinter&)>& pintar) override;
    int EjecutarModal(QDialog& dialogo) override;
    void AbrirUrl(const QUrl& direccion) override;
    bool EnviarCorreo(const QString& cuerpo) override;
};
