// The About dialog: product, version, the project's lines and links, and a mail to the developers.
#pragma once

#include <QDialog>

#include <memory>

class Plataforma;
namespace Ui {
class TAboutBox;
}

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(Plataforma& plataforma, QWidget* padre = nullptr);
    ~TAboutBox() override;

    // Where the two web links lead and what the mail says.
    static QUrl DireccionLeame();
    static QUrl DireccionLicencia();
    static QString TextoCorreo();

public slots:
    void BitBtn1Click();
    void Label1MouseDown();
    void Label2MouseDown();
    void Label9MouseDown();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    Plataforma& plataforma_;
    std::unique_ptr<Ui::TAboutBox> ui_;
};
