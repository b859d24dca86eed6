// The component dialog's fields.
#include "DialogoComponente.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

DialogoComponente::DialogoComponente(const Proyecto& proyecto, int padre, QWidget* ventana)
    : QDialog(ventana), codigo_(new QComboBox), cantidad_(new QLineEdit(QStringLiteral("1"))) {
    setObjectName(QStringLiteral("DialogoComponente"));
    const QString& suyo = proyecto.Articulos.at(std::size_t(padre)).Codigo;
    setWindowTitle(QStringLiteral("Componente de %1").arg(suyo));
    codigo_->setObjectName(QStringLiteral("ComboComponente"));
    codigo_->setEditable(true);
    codigo_->setInsertPolicy(QComboBox::NoInsert);
    for (std::size_t i = 0; i < proyecto.Articulos.size(); ++i)
        if (int(i) != padre) codigo_->addItem(proyecto.Articulos[i].Codigo);
    codigo_->setCurrentIndex(-1);
    codigo_->setMinimumWidth(200);
    cantidad_->setObjectName(QStringLiteral("EditCantidadComponente"));

    auto* formulario = new QFormLayout(this);
    auto* nota = new QLabel(QStringLiteral("Elija un artículo del proyecto, o escriba el código de "
                                           "uno nuevo."));
    nota->setWordWrap(true);
    formulario->addRow(nota);
    formulario->addRow(QStringLiteral("Componente:"), codigo_);
    formulario->addRow(QStringLiteral("Cantidad por cada %1:").arg(suyo), cantidad_);
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    formulario->addRow(botones);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString DialogoComponente::Codigo() const {
    return codigo_->currentText().trimmed();
}

QString DialogoComponente::Cantidad() const {
    return cantidad_->text();
}
