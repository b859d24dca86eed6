// What the panels of "Análisis" share: a dock on the right, tabbed with the others, and above
// their contents a line that says when they show a calculation the inputs no longer match.
#pragma once

#include <QDockWidget>

class QLabel;

class PanelAnalisis : public QDockWidget {
    Q_OBJECT
public:
    PanelAnalisis(const QString& titulo, QWidget* padre);

    // While true, the contents belong to data the user has changed since.
    void MarcarDesactualizado(bool desactualizado);
    bool Desactualizado() const;

protected:
    // The panel's own contents, under the line.
    void PonerContenido(QWidget* contenido);

private:
    QLabel* Aviso_;
};

// The line the panels show over contents that belong to the previous data.
inline const QString TextoDatosCambiados =
    QStringLiteral("Los datos han cambiado: vuelva a calcular");
