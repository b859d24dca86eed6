// The About dialog.
#include "AboutU.h"

#include "InformeErrores.h"
#include "Plataforma.h"
#include "ui_AboutU.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>
#include <QUrl>

#include <stdexcept>

TAboutBox::TAboutBox(Plataforma& plataforma, QWidget* padre)
    : QDialog(padre), plataforma_(plataforma), ui_(std::make_unique<Ui::TAboutBox>()) {
    ui_->setupUi(this);
    setFixedSize(size());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    ui_->ProgramIcon->setPixmap(QIcon(":/icons/quelmar.svg").pixmap(40, 40));
    for (QWidget* enlace : {ui_->Label1, ui_->Label2, ui_->Label9})
        enlace->installEventFilter(this);
    connect(ui_->BitBtn1, &QPushButton::clicked, this, &TAboutBox::BitBtn1Click);
}

TAboutBox::~TAboutBox() = default;

// The README of the source tree the program was built from; once that tree is gone, the copy
// inside the program, written out where the desktop can open it.
QUrl TAboutBox::DireccionLeame() {
    const QString enElArbol = QStringLiteral(QUELMAR_LEAME);
    if (QFileInfo::exists(enElArbol)) return QUrl::fromLocalFile(enElArbol);
    const QString copia = QDir(QStandardPaths::writableLocation(QStandardPaths::TempLocation))
                              .filePath(QStringLiteral("quelmar-README.md"));
    QFile::remove(copia);
    QFile::copy(QStringLiteral(":/README.md"), copia);
    return QUrl::fromLocalFile(copia);
}

QUrl TAboutBox::DireccionLicencia() {
    return QUrl(QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html"));
}

QString TAboutBox::TextoCorreo() {
    return QStringLiteral("Para los desarrolladores del proyecto Quelmar\n"
                          "Quelmar, versión 2013 · A");
}

void TAboutBox::BitBtn1Click() {
    accept();
}

void TAboutBox::Label1MouseDown() {
    plataforma_.AbrirUrl(DireccionLeame());
}

void TAboutBox::Label9MouseDown() {
    plataforma_.AbrirUrl(DireccionLicencia());
}

void TAboutBox::Label2MouseDown() {
    Protegido(plataforma_, this, [this] {
        if (!plataforma_.EnviarCorreo(TextoCorreo()))
            throw std::runtime_error("Error sending mail");
    });
}

// Any mouse button pressed on a link follows it.
bool TAboutBox::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseButtonPress) {
        if (objeto == ui_->Label1)
            Label1MouseDown();
        else if (objeto == ui_->Label2)
            Label2MouseDown();
        else if (objeto == ui_->Label9)
            Label9MouseDown();
        return objeto == ui_->Label1 || objeto == ui_->Label2 || objeto == ui_->Label9;
    }
    return QDialog::eventFilter(objeto, evento);
}
