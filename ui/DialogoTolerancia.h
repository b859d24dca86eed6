// "Tolerancia...": the difference a typed value may have from the exact one and still count as
// right. The dialog only holds the text; the window reads it with LeerTolerancia.
#pragma once

#include <QDialog>

class QLineEdit;

class DialogoTolerancia : public QDialog {
    Q_OBJECT
public:
    explicit DialogoTolerancia(QWidget* padre = nullptr);

    QString Texto() const;
    void PonerTexto(const QString& texto);

private:
    QLineEdit* EditTolerancia_;
};
