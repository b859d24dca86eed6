// Everything modal or external the windows need, behind one interface, so that tests can answer
// dialogs and record warnings without ever opening one.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

// One of the windows' file dialogs. It remembers the last name chosen in it.
struct DialogoFichero {
    enum class Tipo { Abrir, Guardar };
    Tipo tipo = Tipo::Abrir;
    QString filtro;                 // as the user sees it: "Problema de lotificación (*.lot)"
    QString extensionDefecto;       // added to a name typed without one; empty for none
    bool admiteInexistente = false; // an open dialog that accepts a file not yet there
    QString nombre;                 // shown on the next showing; the last name chosen
};

class Plataforma {
public:
    virtual ~Plataforma() = default;

    // A modal warning with one OK button, titled "Quelmar".
    virtual void Aviso(QWidget* padre, const QString& texto) = 0;
    // The application's error report: the message in a box titled "Quelmar".
    virtual void InformeError(QWidget* padre, const QString& mensaje) = 0;

    // Shows the dialog; the chosen full path, or nothing when cancelled. On acceptance the
    // dialog's nombre becomes the chosen path.
    virtual std::optional<QString> ElegirFichero(QWidget* padre, DialogoFichero& dialogo) = 0;
    // The folder dialog, titled titulo and showing inicial; the chosen folder's full path, or
    // nothing when cancelled.
    virtual std::optional<QString> ElegirCarpeta(QWidget* padre, const QString& titulo,
                                                 const QString& inicial) = 0;

    // The print dialog on the given printer; false when cancelled or not shown.
    virtual bool DialogoImprimir(QWidget* padre, QPrinter& impresora) = 0;
    // The printer-setup dialog; its result is not looked at.
    virtual void ConfigurarImpresora(QWidget* padre, QPrinter& impresora) = 0;
    // The print preview of the pages that pintar paints on the printer, from which the user can
    // also print them; pintar runs whenever the preview needs the pages again.
    virtual void VistaPrevia(QWidget* padre, QPrinter& impresora,
                             const std::function<void(QPrinter&)>& pintar) = 0;

    // Runs a dialog modally and returns its result code.
    virtual int EjecutarModal(QDialog& dialogo) = 0;

    // The shell's "open" on a web address; its result is ignored.
    virtual void AbrirUrl(const QUrl& direccion) = 0;
    // A new message in the mail client with the given body; false on any failure.
    virtual bool EnviarCorreo(const QString& cuerpo) = 0;
};
