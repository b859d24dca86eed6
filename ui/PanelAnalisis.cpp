// The panels' shared frame.
#include "PanelAnalisis.h"

#include <QLabel>
#include <QVBoxLayout>

PanelAnalisis::PanelAnalisis(const QString& titulo, QWidget* padre)
    : QDockWidget(titulo, padre), Aviso_(new QLabel(TextoDatosCambiados)) {
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    Aviso_->setObjectName(QStringLiteral("AvisoDatosCambiados"));
    Aviso_->setWordWrap(true);
    // The colours of a warning that any palette keeps readable.
    Aviso_->setStyleSheet(QStringLiteral("QLabel { background: #fff3c4; color: #5a4200; "
                                         "border: 1px solid #d8b84a; padding: 3px; }"));
    Aviso_->hide();
}

void PanelAnalisis::PonerContenido(QWidget* contenido) {
    auto* marco = new QWidget;
    auto* disposicion = new QVBoxLayout(marco);
    disposicion->setContentsMargins(0, 0, 0, 0);
    disposicion->setSpacing(2);
    disposicion->addWidget(Aviso_);
    disposicion->addWidget(contenido, 1);
    setWidget(marco);
}

void PanelAnalisis::MarcarDesactualizado(bool desactualizado) {
    Aviso_->setVisible(desactualizado);
}

bool PanelAnalisis::Desactualizado() const {
    return !Aviso_->isHidden();
}
