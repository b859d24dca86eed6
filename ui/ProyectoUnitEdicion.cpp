// The project window's edits: the structure's commands, the fields and the grid made edits of the
// project, and every edit done, undone and done again through the undo stack.
#include "ProyectoUnit.h"

#include "AvisosProblema.h"
#include "DialogoComponente.h"
#include "Errores.h"
#include "Horizonte.h"
#include "MensajesEstado.h"
#include "ModeloEstructura.h"
#include "Numeros.h"
#include "RejillaArticulo.h"
#include "RejillaProyecto.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTreeView>
#include <QUndoCommand>
#include <QUndoStack>

namespace {

// An edit on the stack: the window does it and undoes it, and says which in the status bar.
class ComandoEdicion : public QUndoCommand {
public:
    ComandoEdicion(EdicionProyecto edicion,
                   std::function<void(const EdicionProyecto&, Sentido)> aplicar)
        : QUndoCommand(edicion.Texto), edicion_(std::move(edicion)), aplicar_(std::move(aplicar)) {}

    void redo() override {
        aplicar_(edicion_, std::exchange(hecho_, true) ? Sentido::Rehecho : Sentido::Hecho);
    }
    void undo() override { aplicar_(edicion_, Sentido::Deshecho); }

private:
    EdicionProyecto edicion_;
    std::function<void(const EdicionProyecto&, Sentido)> aplicar_;
    bool hecho_ = false;
};

QString Mayuscula(QString texto) {
    if (!texto.isEmpty()) texto[0] = texto[0].toUpper();
    return texto;
}

// A number typed into a field, or nothing when it does not read as one.
std::optional<double> Leer(const QString& texto, bool entero) {
    try {
        return entero ? double(StrToInt(texto)) : StrToFloat(texto);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

} // namespace

void TFormProyecto::Editar(EdicionProyecto edicion) {
    pila_->push(new ComandoEdicion(
        std::move(edicion),
        [this](const EdicionProyecto& hecha, Sentido sentido) { Aplicar(hecha, sentido); }));
}

void TFormProyecto::Editar(EdicionORechazo edicion) {
    if (const auto* rechazo = std::get_if<RechazoEdicion>(&edicion)) {
        Avisar(rechazo->Texto, rechazo->Articulo);
        return;
    }
    Editar(std::get<EdicionProyecto>(std::move(edicion)));
}

void TFormProyecto::Aplicar(const EdicionProyecto& edicion, Sentido sentido) {
    if (sentido == Sentido::Deshecho) {
        Deshacer(edicion, proyecto_);
        if (edicion.ArticuloDeshecho >= 0) articulo_ = edicion.ArticuloDeshecho;
    } else {
        Hacer(edicion, proyecto_);
        if (edicion.Articulo >= 0) articulo_ = edicion.Articulo;
    }
    Refrescar();
    Informar(MensajeEdicion(sentido, edicion.Texto));
}

// Each field against the item it shows: what differs becomes an edit, and what does not read as
// a number goes back to the item's value with a warning.
void TFormProyecto::ConfirmarCampos() {
    if (confirmando_) return;
    confirmando_ = true;
    const auto fin = qScopeGuard([this] { confirmando_ = false; });

    const QString textoN = EditNPeriodos_->text();
    if (textoN != QString::number(proyecto_.N) ||
        CheckBoxRedondear_->isChecked() != proyecto_.Redondear) {
        const std::optional<double> N = Leer(textoN, true);
        if (!N || !PeriodosCalculables(std::int64_t(*N))) {
            MostrarArticulo();
            Avisar(N ? AvisoPeriodos
                     : QStringLiteral("El número de períodos ha de ser un número entero, no «%1».")
                           .arg(textoN));
            return;
        }
        Editar(EdicionHorizonte(proyecto_, std::int32_t(*N), CheckBoxRedondear_->isChecked()));
    }

    if (articulo_ < 0) return;
    const int indice = articulo_;
    const ArticuloProyecto& articulo = proyecto_.Articulos[std::size_t(indice)];
    if (EditCodigo_->text() != articulo.Codigo) {
        const QString codigo = EditCodigo_->text().trimmed();
        MostrarArticulo();
        Editar(EdicionCodigo(proyecto_, indice, codigo));
        return;
    }
    if (EditDescripcion_->text() != articulo.Descripcion) {
        ArticuloProyecto nuevo = articulo;
        nuevo.Descripcion = EditDescripcion_->text();
        Editar(EdicionDato(proyecto_, indice, std::move(nuevo), QStringLiteral("la descripción")));
        return;
    }
    const int metodo = ComboLotificacion_->currentData().toInt();
    if (ComboLotificacion_->currentIndex() >= 0 && metodo != articulo.Datos.Metodo) {
        ArticuloProyecto nuevo = articulo;
        nuevo.Datos.Metodo = metodo;
        Editar(EdicionDato(proyecto_, indice, std::move(nuevo), QStringLiteral("la lotificación")));
        return;
    }

    const auto numero = [&](QLineEdit* campo, const QString& actual, const QString& dato,
                            bool entero,
                            const std::function<void(ArticuloProyecto&, double)>& poner) {
        const QString texto = campo->text();
        if (texto == actual) return false;
        const std::optional<double> valor = Leer(texto, entero);
        if (!valor) {
            MostrarArticulo();
            Avisar(QStringLiteral("%1 de «%2» ha de ser un número%3, no «%4».")
                       .arg(Mayuscula(dato), articulo.Codigo,
                            entero ? QStringLiteral(" entero") : QString(), texto),
                   indice);
            return true;
        }
        ArticuloProyecto nuevo = articulo;
        poner(nuevo, *valor);
        if (nuevo == articulo) {
            MostrarArticulo(); // the same number written another way
            return false;
        }
        Editar(EdicionDato(proyecto_, indice, std::move(nuevo), dato));
        return true;
    };
    if (numero(EditTS_, QString::number(articulo.Datos.TS),
               QStringLiteral("el tiempo de suministro"), true,
               [](ArticuloProyecto& a, double v) { a.Datos.TS = std::int32_t(v); }))
        return;
    if (numero(Editss_, FloatToStr(articulo.Datos.SS), QStringLiteral("el stock de seguridad"),
               true, [](ArticuloProyecto& a, double v) { a.Datos.SS = v; }))
        return;
    if (numero(EditCE_, FloatToStr(articulo.Datos.CE), QStringLiteral("el coste de emisión"), false,
               [](ArticuloProyecto& a, double v) { a.Datos.CE = v; }))
        return;
    numero(EditCP_, FloatToStr(articulo.Datos.CP), QStringLiteral("el coste de posesión"), false,
           [](ArticuloProyecto& a, double v) { a.Datos.CP = v; });
}

// The inputs the user typed, pasted or deleted in the grid, made one edit of the item the grid
// showed; the worked-out cells always show what the explosion left.
void TFormProyecto::ConfirmarRejilla() {
    if (!std::exchange(rejillaPendiente_, false)) return;
    const int indice = articuloRejilla_;
    if (indice < 0 || indice >= int(proyecto_.Articulos.size())) {
        MostrarRejilla();
        return;
    }
    const ArticuloProyecto& articulo = proyecto_.Articulos[std::size_t(indice)];
    std::variant<ArticuloProyecto, QString> leido =
        EntradasDeRejilla(articulo, SG_->Textos(), proyecto_.N);
    if (const QString* fallo = std::get_if<QString>(&leido)) {
        const QString aviso = *fallo;
        MostrarRejilla();
        Avisar(aviso, indice);
        return;
    }
    ArticuloProyecto& nuevo = std::get<ArticuloProyecto>(leido);
    if (nuevo == articulo) {
        MostrarRejilla();
        return;
    }
    Editar(EdicionDato(proyecto_, indice, std::move(nuevo), QStringLiteral("el registro")));
}

void TFormProyecto::CambiarCantidad(int padre, int posicion, const QString& texto) {
    const std::optional<double> cantidad = Leer(texto, false);
    if (!cantidad) {
        Avisar(QStringLiteral("La cantidad ha de ser un número, no «%1».").arg(texto), padre);
        return;
    }
    const Componente& componente =
        proyecto_.Articulos.at(std::size_t(padre)).Componentes.at(std::size_t(posicion));
    if (*cantidad == componente.Cantidad) return;
    Editar(EdicionCantidad(proyecto_, padre, posicion, *cantidad));
}

void TFormProyecto::AplicarMetodoATodos(TipoLotificacion metodo) {
    if (proyecto_.Articulos.empty()) return;
    Editar(EdicionMetodoComun(proyecto_, metodo));
}

void TFormProyecto::Deshacer1Click() {
    if (!pila_->canUndo()) {
        Informar(QStringLiteral("No hay nada que deshacer"));
        return;
    }
    pila_->undo();
}

void TFormProyecto::Rehacer1Click() {
    if (!pila_->canRedo()) {
        Informar(QStringLiteral("No hay nada que rehacer"));
        return;
    }
    pila_->redo();
}

void TFormProyecto::Copiar1Click() {
    SG_->Copiar();
}

void TFormProyecto::Pegar1Click() {
    SG_->Pegar();
}

void TFormProyecto::Borrar1Click() {
    SG_->BorrarSeleccion();
}

void TFormProyecto::AnadirArticulo1Click() {
    Editar(EdicionNuevoArticulo(proyecto_));
    EditCodigo_->setFocus();
    EditCodigo_->selectAll();
}

// A component is the selected item's: an item the project has, or a new one by its code.
void TFormProyecto::AnadirComponente1Click() {
    if (articulo_ < 0) {
        Avisar(QStringLiteral("Seleccione el artículo al que añadir un componente."));
        return;
    }
    DialogoComponente dialogo(proyecto_, articulo_, this);
    if (plataforma_.EjecutarModal(dialogo) != QDialog::Accepted) return;
    const std::optional<double> cantidad = Leer(dialogo.Cantidad(), false);
    if (!cantidad) {
        Avisar(QStringLiteral("La cantidad ha de ser un número, no «%1».").arg(dialogo.Cantidad()),
               articulo_);
        return;
    }
    const int padre = articulo_;
    Editar(EdicionComponente(proyecto_, padre, dialogo.Codigo(), *cantidad));
    // The new link is shown under the parent it was added to.
    const int componente = IndiceArticulo(proyecto_, dialogo.Codigo());
    if (componente >= 0) SeleccionarArticulo(componente, padre);
}

void TFormProyecto::QuitarArticulo1Click() {
    if (articulo_ < 0) {
        Avisar(QStringLiteral("Seleccione el artículo que quitar."));
        return;
    }
    Editar(EdicionQuitar(proyecto_, articulo_));
}

void TFormProyecto::QuitarComponente1Click() {
    const QModelIndex actual = arbol_->currentIndex();
    const int padre = modelo_->Padre(actual);
    if (padre < 0) {
        Avisar(QStringLiteral("Seleccione en la estructura un componente, bajo su padre."));
        return;
    }
    Editar(EdicionQuitarComponente(proyecto_, padre, modelo_->Posicion(actual)));
}

void TFormProyecto::Subir1Click() {
    if (articulo_ < 0) return;
    if (std::optional<EdicionProyecto> edicion = EdicionMover(proyecto_, articulo_, -1))
        Editar(std::move(*edicion));
    else
        Informar(QStringLiteral("«%1» ya es el primer artículo")
                     .arg(proyecto_.Articulos[std::size_t(articulo_)].Codigo));
}

void TFormProyecto::Bajar1Click() {
    if (articulo_ < 0) return;
    if (std::optional<EdicionProyecto> edicion = EdicionMover(proyecto_, articulo_, 1))
        Editar(std::move(*edicion));
    else
        Informar(QStringLiteral("«%1» ya es el último artículo")
                     .arg(proyecto_.Articulos[std::size_t(articulo_)].Codigo));
}
