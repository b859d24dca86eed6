// The project window's menu items and tool buttons.
#include "AccionesProyecto.h"

#include "ProyectoUnit.h"

#include <array>

namespace {

using enum LugarProyecto;

constexpr std::array Menus{
    MenuProyecto{Archivo, "MenuArchivoProyecto", "&Archivo"},
    MenuProyecto{Edicion, "MenuEdicionProyecto", "&Edición"},
    MenuProyecto{Estructura, "MenuEstructura", "E&structura"},
    MenuProyecto{Calcular, "MenuCalcularProyecto", "&Calcular"},
    MenuProyecto{Vista, "MenuVistaProyecto", "&Vista"},
};

constexpr const char* Nuevo = ":/icons/nuevo.svg";
constexpr const char* Abrir = ":/icons/abrir.svg";
constexpr const char* Guardar = ":/icons/guardar-problema.svg";
constexpr const char* Calculo = ":/icons/calcular.svg";
constexpr const char* Articulo = ":/icons/articulo-anadir.svg";
constexpr const char* ComponenteNuevo = ":/icons/componente-anadir.svg";
constexpr const char* Quitar = ":/icons/articulo-quitar.svg";
constexpr const char* Subir = ":/icons/subir.svg";
constexpr const char* Bajar = ":/icons/bajar.svg";
constexpr const char* Deshacer = ":/icons/deshacer.svg";
constexpr const char* Rehacer = ":/icons/rehacer.svg";

constexpr OrdenProyecto Separador(LugarProyecto lugar) {
    return {lugar, nullptr, nullptr, nullptr, nullptr, nullptr};
}

const std::array Ordenes{
    OrdenProyecto{Archivo, "NuevoProyecto", "&Nuevo proyecto", Nuevo,
                  &TFormProyecto::NuevoProyecto1Click, nullptr},
    OrdenProyecto{Archivo, "AbrirProyecto", "&Abrir proyecto...", Abrir,
                  &TFormProyecto::AbrirProyecto1Click, nullptr},
    OrdenProyecto{Archivo, "AbrirEjemplo", "Abrir &ejemplo", nullptr,
                  &TFormProyecto::AbrirEjemplo1Click, nullptr},
    OrdenProyecto{Archivo, "GuardarProyecto", "&Guardar proyecto", Guardar,
                  &TFormProyecto::GuardarProyecto1Click, nullptr},
    OrdenProyecto{Archivo, "GuardarProyectoComo", "Guardar proyecto &como...", nullptr,
                  &TFormProyecto::GuardarProyectoComo1Click, nullptr},
    Separador(Archivo),
    OrdenProyecto{Archivo, "ExportarInformePdfProyecto", "Exportar informe a P&DF...", nullptr,
                  &TFormProyecto::ExportarInformePdf1Click, nullptr},
    OrdenProyecto{Archivo, "ExportarHojaProyecto", "Exportar a &hoja de cálculo...", nullptr,
                  &TFormProyecto::ExportarHoja1Click, nullptr},
    OrdenProyecto{Archivo, "GuardarArticuloProblema", "Guardar artícu&lo como problema...", nullptr,
                  &TFormProyecto::GuardarArticulo1Click, nullptr},
    Separador(Archivo),
    OrdenProyecto{Archivo, "CerrarProyecto", "Ce&rrar", nullptr, &TFormProyecto::Cerrar1Click,
                  nullptr},

    OrdenProyecto{Edicion, "Deshacer", "&Deshacer", Deshacer, &TFormProyecto::Deshacer1Click,
                  nullptr, TeclaProyecto::Deshacer},
    OrdenProyecto{Edicion, "Rehacer", "&Rehacer", Rehacer, &TFormProyecto::Rehacer1Click, nullptr,
                  TeclaProyecto::Rehacer},
    Separador(Edicion),
    // The grid's own keys, shown beside the items; the items themselves have no shortcut.
    OrdenProyecto{Edicion, "CopiarProyecto", "&Copiar\tCtrl+C", nullptr,
                  &TFormProyecto::Copiar1Click, nullptr},
    OrdenProyecto{Edicion, "PegarProyecto", "&Pegar\tCtrl+V", nullptr, &TFormProyecto::Pegar1Click,
                  nullptr},
    OrdenProyecto{Edicion, "BorrarProyecto", "&Borrar\tSupr", nullptr, &TFormProyecto::Borrar1Click,
                  nullptr},

    OrdenProyecto{Estructura, "AnadirArticulo", "&Añadir artículo", Articulo,
                  &TFormProyecto::AnadirArticulo1Click, nullptr},
    OrdenProyecto{Estructura, "AnadirComponente", "Añadir &componente...", ComponenteNuevo,
                  &TFormProyecto::AnadirComponente1Click, nullptr},
    OrdenProyecto{Estructura, "QuitarArticulo", "&Quitar artículo", Quitar,
                  &TFormProyecto::QuitarArticulo1Click, nullptr},
    OrdenProyecto{Estructura, "QuitarComponente", "Quitar del &padre", nullptr,
                  &TFormProyecto::QuitarComponente1Click, nullptr},
    Separador(Estructura),
    OrdenProyecto{Estructura, "SubirArticulo", "&Subir", Subir, &TFormProyecto::Subir1Click,
                  nullptr},
    OrdenProyecto{Estructura, "BajarArticulo", "&Bajar", Bajar, &TFormProyecto::Bajar1Click,
                  nullptr},

    OrdenProyecto{Calcular, "CalcularProyecto", "&Calcular", Calculo,
                  &TFormProyecto::Calcular1Click, nullptr},

    OrdenProyecto{BarraHerramientas, "ToolButtonNuevoProyecto", "Nuevo", Nuevo,
                  &TFormProyecto::NuevoProyecto1Click, "Nuevo proyecto"},
    OrdenProyecto{BarraHerramientas, "ToolButtonAbrirProyecto", "Abrir", Abrir,
                  &TFormProyecto::AbrirProyecto1Click, "Abrir proyecto"},
    OrdenProyecto{BarraHerramientas, "ToolButtonGuardarProyecto", "Guardar", Guardar,
                  &TFormProyecto::GuardarProyecto1Click, "Guardar proyecto"},
    Separador(BarraHerramientas),
    OrdenProyecto{BarraHerramientas, "ToolButtonAnadirArticulo", "Artículo", Articulo,
                  &TFormProyecto::AnadirArticulo1Click, "Añadir un artículo al proyecto"},
    OrdenProyecto{BarraHerramientas, "ToolButtonAnadirComponente", "Componente", ComponenteNuevo,
                  &TFormProyecto::AnadirComponente1Click,
                  "Añadir un componente al artículo seleccionado"},
    OrdenProyecto{BarraHerramientas, "ToolButtonQuitarArticulo", "Quitar", Quitar,
                  &TFormProyecto::QuitarArticulo1Click, "Quitar el artículo seleccionado"},
    OrdenProyecto{BarraHerramientas, "ToolButtonSubir", "Subir", Subir, &TFormProyecto::Subir1Click,
                  "Subir el artículo en el orden del fichero"},
    OrdenProyecto{BarraHerramientas, "ToolButtonBajar", "Bajar", Bajar, &TFormProyecto::Bajar1Click,
                  "Bajar el artículo en el orden del fichero"},
    Separador(BarraHerramientas),
    OrdenProyecto{BarraHerramientas, "ToolButtonDeshacer", "Deshacer", Deshacer,
                  &TFormProyecto::Deshacer1Click, "Deshacer (Ctrl+Z)"},
    OrdenProyecto{BarraHerramientas, "ToolButtonRehacer", "Rehacer", Rehacer,
                  &TFormProyecto::Rehacer1Click, "Rehacer (Ctrl+Y)"},
    Separador(BarraHerramientas),
    OrdenProyecto{BarraHerramientas, "ToolButtonCalcularProyecto", "Calcular", Calculo,
                  &TFormProyecto::Calcular1Click, "Calcular todo el proyecto"},
};

} // namespace

std::span<const MenuProyecto> MenusProyecto() {
    return Menus;
}

std::span<const OrdenProyecto> OrdenesProyecto() {
    return Ordenes;
}
