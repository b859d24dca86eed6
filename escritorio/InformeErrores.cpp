// InformeErrores: the only place that catches. Commands themselves never clean up after a
// failure: what they did until then stays done.
#include "InformeErrores.h"

#include "Errores.h"
#include "Plataforma.h"

#include <QString>

#include <exception>

namespace {
// For a throw of something that is not an exception, which carries no message of its own.
const char* const MensajeDesconocido = "Unexpected error";
} // namespace

bool Protegido(Plataforma& plataforma, QWidget* padre, const std::function<void()>& orden) {
    try {
        orden();
        return true;
    } catch (const std::exception& error) {
        plataforma.InformeError(padre, MensajeError(error));
    } catch (...) {
        plataforma.InformeError(padre, QString::fromUtf8(MensajeDesconocido));
    }
    return false;
}
