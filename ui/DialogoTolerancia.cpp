// The tolerance dialog: one field and its OK and Cancel buttons.
#include "DialogoTolerancia.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

DialogoTolerancia::DialogoTolerancia(QWidget* padre)
    : QDialog(padre), EditTolerancia_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("DialogoTolerancia"));
    setWindowTitle(QStringLiteral("Tolerancia"));
    EditTolerancia_->setObjectName(QStringLiteral("EditTolerancia"));
    auto* explicacion = new QLabel(QStringLiteral("Un valor tecleado es correcto si no se aparta "
                                                  "del exacto más que la tolerancia."),
                                   this);
    explicacion->setWordWrap(true);
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(botones, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* disposicion = new QFormLayout(this);
    disposicion->addRow(explicacion);
    disposicion->addRow(QStringLiteral("&Tolerancia:"), EditTolerancia_);
    disposicion->addRow(botones);
}

QString DialogoTolerancia::Texto() const {
    return EditTolerancia_->text();
}

void DialogoTolerancia::PonerTexto(const QString& texto) {
    EditTolerancia_->setText(texto);
    EditTolerancia_->selectAll();
}
