// The platform interface as the real program has it: Qt's message boxes, file, print, page-setup
// and print-preview dialogs, and the desktop services.
#pragma once

#include "Plataforma.h"

class PlataformaQt : public Plataforma {
public:
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

    // The mailto: address that opens a new message without recipient or subject.
    static QUrl UrlCorreo(const QString& cuerpo);

    // A message as its box shows it, always as plain text: a run of more than 40 characters
    // without a blank (a long number typed wrong) gets a zero-width space every 40, where the
    // box may break it, since a box never breaks a word and would cut it off at its edge.
    static QString TextoEnCaja(const QString& texto);
};
